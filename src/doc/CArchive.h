#pragma once

#include "ClassInfo.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

class CItem;

// Raised for any input the reader cannot accept. The caller reports it as a
// file error; nothing read so far is trusted beyond what was already stored.
class ArchiveError : public std::runtime_error {
public:
    enum class Cause { EndOfFile, BadClass, BadSchema, BadIndex, BadCount, TooDeep };
    ArchiveError(Cause cause, const std::string& what) : std::runtime_error(what), cause_(cause) {}
    Cause cause() const { return cause_; }

private:
    Cause cause_;
};

// The binary encoding of documents and data files: little-endian values,
// length-prefixed Windows-1252 texts, counts, class tags and back-references.
// One object either stores into its own buffer or loads from a byte span.
class CArchive {
public:
    // An archive that stores; Bytes() gives what was written.
    CArchive();
    // An archive that loads from bytes the caller keeps alive.
    explicit CArchive(std::span<const std::uint8_t> bytes);
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsStoring() const { return storing_; }
    bool IsLoading() const { return !storing_; }
    const std::vector<std::uint8_t>& Bytes() const { return out_; }
    std::size_t Remaining() const { return in_.size() - pos_; }

    // Values.
    void WriteByte(std::uint8_t value);
    void WriteWord(std::uint16_t value);
    void WriteDword(std::uint32_t value);
    void WriteLong(std::int32_t value);
    void WriteFloat(float value);
    void WriteDouble(double value);
    void WriteString(const std::string& utf8);
    void WriteCount(std::uint32_t count);

    std::uint8_t ReadByte();
    std::uint16_t ReadWord();
    std::uint32_t ReadDword();
    std::int32_t ReadLong();
    float ReadFloat();
    double ReadDouble();
    std::string ReadString();
    // A count can never exceed the bytes that remain: each element takes at
    // least one byte, so a larger count is rejected before anything is allocated.
    std::uint32_t ReadCount();

    // Both directions in one call, for Serialize functions that read and
    // write the same field order.
    void Byte(std::uint8_t& value);
    void Word(std::uint16_t& value);
    void Word(int& value);   // stored as the low 16 bits, read back zero-extended
    void Word(bool& value);  // a flag stored as a WORD
    void Long(std::int32_t& value);
    void Bool(bool& value);  // a flag stored as a 32-bit int
    void Float(float& value);
    void Double(double& value);
    void Text(std::string& value);

    // Objects written polymorphically, with class tag and back-references.
    void WriteObject(const CItem* item);
    // Reads an object of the expected class (or a class derived from it). New
    // objects stay owned by the archive until taken; a back-reference gives the
    // same object again. None for a null pointer.
    CItem* ReadObject(const ClassInfo& expected);
    // Reads an object that the caller will own. A null pointer or a
    // reference to an object someone already owns is a format error.
    std::unique_ptr<CItem> ReadOwnedObject(const ClassInfo& expected);

    template <class T>
    std::unique_ptr<T> ReadOwned()
    {
        return std::unique_ptr<T>(static_cast<T*>(ReadOwnedObject(T::classInfo).release()));
    }

    [[noreturn]] static void Fail(ArchiveError::Cause cause, const std::string& what);

private:
    void put(const void* data, std::size_t size);
    void get(void* data, std::size_t size);
    void need(std::uint64_t size) const;
    std::uint64_t readStringLength(bool& wide);
    const ClassInfo* readClass(std::uint32_t& objectIndex);

    struct LoadEntry {
        const ClassInfo* cls = nullptr; // set for a class entry
        CItem* object = nullptr;        // set for an object entry
    };

    bool storing_;
    std::vector<std::uint8_t> out_;
    std::span<const std::uint8_t> in_;
    std::size_t pos_ = 0;
    int depth_ = 0;

    // Storing: indices already given to objects and classes.
    std::uint32_t nextIndex_ = 1;
    std::map<const CItem*, std::uint32_t> storedObjects_;
    std::map<const ClassInfo*, std::uint32_t> storedClasses_;

    // Loading: entry i for index i; entry 0 stands for none.
    std::vector<LoadEntry> loaded_;
    std::vector<std::unique_ptr<CItem>> pending_; // created here, not yet taken
};
