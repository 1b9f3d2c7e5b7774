#pragma once

#include "JsonText.h"

#include <cstdint>
#include <set>
#include <string>

// Takes the fields of one JSON object and insists on their types. Every key
// must be taken or be one of the notes a reviewer keeps beside the figures
// ("source", "note"): a misspelt key is an error, not a silently lost figure.
class FieldReader {
public:
    // `context` names the object in messages: file, list position, name.
    FieldReader(const Json& object, std::string context);

    bool Has(const std::string& key) const;
    const Json& Value(const std::string& key);
    const Json* Optional(const std::string& key);

    float Float(const std::string& key);
    float FloatOr(const std::string& key, float fallback);
    std::string Text(const std::string& key);
    std::string TextOr(const std::string& key, const std::string& fallback);
    bool BoolOr(const std::string& key, bool fallback);
    // An integer of 16 bits at most (kinds).
    int IntOr(const std::string& key, int fallback);
    // A 32-bit colour written as "0x00BBGGRR".
    std::uint32_t ColourOr(const std::string& key, std::uint32_t fallback);
    const Json& ArrayOf(const std::string& key);

    // Fails on any key that was not taken.
    void Finish() const;

    [[noreturn]] void Fail(const std::string& what) const;
    const std::string& context() const { return context_; }

    // A float from a JSON number, or from "nan", "inf", "-inf".
    static float ToFloat(const Json& value, const std::string& context);
    // Texts must survive the files' 8-bit code page unchanged.
    static void CheckStorable(const std::string& text, const std::string& context);

private:
    const Json& object_;
    std::string context_;
    std::set<std::string> taken_;
};
