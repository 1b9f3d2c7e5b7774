#pragma once

#include <cstdint>
#include <string_view>

class CItem;

// The run-time identity of an item class: the name and schema number written
// in class tags, the base class for kind checks, and a factory for reading.
struct ClassInfo {
    const char* name;
    std::uint16_t schema;
    const ClassInfo* base;
    CItem* (*create)(); // none for classes that are never read as objects

    bool IsDerivedFrom(const ClassInfo& other) const;
};

// Maps class names to their identities for the archive reader.
class ClassRegistry {
public:
    static void Add(const ClassInfo& info);
    static const ClassInfo* Find(std::string_view name);
};

struct ClassRegistrar {
    explicit ClassRegistrar(const ClassInfo& info) { ClassRegistry::Add(info); }
};

// In the class body.
#define TEKVAR_DECLARE_CLASS(Name)                                                                           \
public:                                                                                                      \
    static const ClassInfo classInfo;                                                                        \
    const ClassInfo& GetClass() const override { return classInfo; }

// In the class's source file. Every item class has schema 1.
#define TEKVAR_IMPLEMENT_CLASS(Name, Base)                                                                   \
    const ClassInfo Name::classInfo{#Name, 1, &Base::classInfo, []() -> CItem* { return new Name; }};        \
    static const ClassRegistrar registrar##Name(Name::classInfo);

// For classes that have an identity but are never created by the reader.
#define TEKVAR_IMPLEMENT_ABSTRACT_CLASS(Name, Base)                                                          \
    const ClassInfo Name::classInfo{#Name, 1, &Base::classInfo, nullptr};                                    \
    static const ClassRegistrar registrar##Name(Name::classInfo);
