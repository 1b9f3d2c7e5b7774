#include "CArchive.h"

#include "CItem.h"
#include "Codepage.h"

#include <algorithm>
#include <bit>
#include <cstring>

static_assert(std::endian::native == std::endian::little, "the archive is written for little-endian machines");

namespace {

constexpr std::uint16_t nullTag = 0x0000;
constexpr std::uint16_t newClassTag = 0xFFFF;
constexpr std::uint16_t classTag = 0x8000;
constexpr std::uint32_t bigClassTag = 0x80000000u;
constexpr std::uint16_t bigObjectTag = 0x7FFF;
constexpr std::uint16_t wideMarker = 0xFFFE;
constexpr std::size_t maxClassName = 63;
// Items nest a few levels (a product holds its thicknesses); anything deeper
// is a hostile file trying to exhaust the stack.
constexpr int maxDepth = 32;

} // namespace

CArchive::CArchive() : storing_(true) {}

CArchive::CArchive(std::span<const std::uint8_t> bytes) : storing_(false), in_(bytes)
{
    loaded_.emplace_back(); // index 0: none
}

CArchive::~CArchive() = default;

void CArchive::Fail(ArchiveError::Cause cause, const std::string& what)
{
    throw ArchiveError(cause, what);
}

void CArchive::put(const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    out_.insert(out_.end(), bytes, bytes + size);
}

void CArchive::need(std::uint64_t size) const
{
    if (size > Remaining())
        Fail(ArchiveError::Cause::EndOfFile, "unexpected end of file");
}

void CArchive::get(void* data, std::size_t size)
{
    need(size);
    std::memcpy(data, in_.data() + pos_, size);
    pos_ += size;
}

void CArchive::WriteByte(std::uint8_t value) { put(&value, 1); }
void CArchive::WriteWord(std::uint16_t value) { put(&value, 2); }
void CArchive::WriteDword(std::uint32_t value) { put(&value, 4); }
void CArchive::WriteLong(std::int32_t value) { put(&value, 4); }
void CArchive::WriteFloat(float value) { put(&value, 4); }
void CArchive::WriteDouble(double value) { put(&value, 8); }

std::uint8_t CArchive::ReadByte()
{
    std::uint8_t value;
    get(&value, 1);
    return value;
}

std::uint16_t CArchive::ReadWord()
{
    std::uint16_t value;
    get(&value, 2);
    return value;
}

std::uint32_t CArchive::ReadDword()
{
    std::uint32_t value;
    get(&value, 4);
    return value;
}

std::int32_t CArchive::ReadLong()
{
    std::int32_t value;
    get(&value, 4);
    return value;
}

float CArchive::ReadFloat()
{
    float value;
    get(&value, 4);
    return value;
}

double CArchive::ReadDouble()
{
    double value;
    get(&value, 8);
    return value;
}

void CArchive::WriteString(const std::string& utf8)
{
    const std::string bytes = Utf8ToCp1252(utf8);
    const std::size_t length = bytes.size();
    if (length < 0xFF) {
        WriteByte(std::uint8_t(length));
    } else if (length < wideMarker) {
        WriteByte(0xFF);
        WriteWord(std::uint16_t(length));
    } else {
        WriteByte(0xFF);
        WriteWord(0xFFFF);
        WriteDword(std::uint32_t(length));
    }
    put(bytes.data(), length);
}

std::uint64_t CArchive::readStringLength(bool& wide)
{
    wide = false;
    std::uint8_t byteLength = ReadByte();
    if (byteLength < 0xFF)
        return byteLength;
    std::uint16_t wordLength = ReadWord();
    if (wordLength == wideMarker) {
        wide = true;
        byteLength = ReadByte();
        if (byteLength < 0xFF)
            return byteLength;
        wordLength = ReadWord();
    }
    if (wordLength < 0xFFFF)
        return wordLength;
    std::uint32_t dwordLength = ReadDword();
    if (dwordLength < 0xFFFFFFFFu)
        return dwordLength;
    std::uint64_t qwordLength;
    get(&qwordLength, 8);
    return qwordLength;
}

std::string CArchive::ReadString()
{
    bool wide = false;
    std::uint64_t length = readStringLength(wide);
    std::uint64_t size = wide ? length * 2 : length;
    if (length > Remaining())
        Fail(ArchiveError::Cause::EndOfFile, "text longer than the file");
    need(size);
    std::string_view bytes(reinterpret_cast<const char*>(in_.data() + pos_), std::size_t(size));
    pos_ += std::size_t(size);
    return wide ? Utf16LeToUtf8ViaCp1252(bytes) : Cp1252ToUtf8(bytes);
}

void CArchive::WriteCount(std::uint32_t count)
{
    if (count < 0xFFFF) {
        WriteWord(std::uint16_t(count));
    } else {
        WriteWord(0xFFFF);
        WriteDword(count);
    }
}

std::uint32_t CArchive::ReadCount()
{
    std::uint32_t count = ReadWord();
    if (count == 0xFFFF)
        count = ReadDword();
    if (count > Remaining())
        Fail(ArchiveError::Cause::BadCount, "count larger than the file");
    return count;
}

void CArchive::Byte(std::uint8_t& value)
{
    if (storing_)
        WriteByte(value);
    else
        value = ReadByte();
}

void CArchive::Word(std::uint16_t& value)
{
    if (storing_)
        WriteWord(value);
    else
        value = ReadWord();
}

void CArchive::Word(int& value)
{
    if (storing_)
        WriteWord(std::uint16_t(value));
    else
        value = ReadWord();
}

void CArchive::Word(bool& value)
{
    if (storing_)
        WriteWord(value ? 1 : 0);
    else
        value = ReadWord() != 0;
}

void CArchive::Long(std::int32_t& value)
{
    if (storing_)
        WriteLong(value);
    else
        value = ReadLong();
}

void CArchive::Bool(bool& value)
{
    if (storing_)
        WriteLong(value ? 1 : 0);
    else
        value = ReadLong() != 0;
}

void CArchive::Float(float& value)
{
    if (storing_)
        WriteFloat(value);
    else
        value = ReadFloat();
}

void CArchive::Double(double& value)
{
    if (storing_)
        WriteDouble(value);
    else
        value = ReadDouble();
}

void CArchive::Text(std::string& value)
{
    if (storing_)
        WriteString(value);
    else
        value = ReadString();
}

void CArchive::WriteObject(const CItem* item)
{
    if (!item) {
        WriteWord(nullTag);
        return;
    }
    if (auto it = storedObjects_.find(item); it != storedObjects_.end()) {
        if (it->second < bigObjectTag) {
            WriteWord(std::uint16_t(it->second));
        } else {
            WriteWord(bigObjectTag);
            WriteDword(it->second);
        }
        return;
    }
    const ClassInfo& cls = item->GetClass();
    if (auto it = storedClasses_.find(&cls); it != storedClasses_.end()) {
        if (it->second < bigObjectTag) {
            WriteWord(std::uint16_t(classTag | it->second));
        } else {
            WriteWord(bigObjectTag);
            WriteDword(bigClassTag | it->second);
        }
    } else {
        const std::size_t nameLength = std::strlen(cls.name);
        WriteWord(newClassTag);
        WriteWord(cls.schema);
        WriteWord(std::uint16_t(nameLength));
        put(cls.name, nameLength);
        storedClasses_[&cls] = nextIndex_++;
    }
    storedObjects_[item] = nextIndex_++;
    // Serialize only writes; the archive is in storing mode.
    const_cast<CItem*>(item)->Serialize(*this);
}

const ClassInfo* CArchive::readClass(std::uint32_t& objectIndex)
{
    const std::uint16_t tag = ReadWord();
    std::uint32_t fullTag;
    if (tag == bigObjectTag)
        fullTag = ReadDword();
    else
        fullTag = (std::uint32_t(tag & classTag) << 16) | (tag & ~classTag);

    if (tag == newClassTag) {
        const std::uint16_t schema = ReadWord();
        const std::uint16_t length = ReadWord();
        if (length > maxClassName)
            Fail(ArchiveError::Cause::BadClass, "class name too long");
        need(length);
        std::string name(reinterpret_cast<const char*>(in_.data() + pos_), length);
        pos_ += length;
        const ClassInfo* cls = ClassRegistry::Find(name);
        if (!cls || !cls->create)
            Fail(ArchiveError::Cause::BadClass, "unknown class " + name);
        if (cls->schema != schema)
            Fail(ArchiveError::Cause::BadSchema, "wrong schema for class " + name);
        LoadEntry entry;
        entry.cls = cls;
        loaded_.push_back(entry);
        return cls;
    }
    if (!(fullTag & bigClassTag)) {
        objectIndex = fullTag;
        return nullptr;
    }
    const std::uint32_t classIndex = fullTag & ~bigClassTag;
    if (classIndex == 0 || classIndex >= loaded_.size() || !loaded_[classIndex].cls)
        Fail(ArchiveError::Cause::BadIndex, "bad class index");
    return loaded_[classIndex].cls;
}

CItem* CArchive::ReadObject(const ClassInfo& expected)
{
    std::uint32_t objectIndex = 0;
    const ClassInfo* cls = readClass(objectIndex);
    if (!cls) {
        if (objectIndex == 0)
            return nullptr;
        if (objectIndex >= loaded_.size() || !loaded_[objectIndex].object)
            Fail(ArchiveError::Cause::BadIndex, "bad object index");
        CItem* object = loaded_[objectIndex].object;
        if (!object->GetClass().IsDerivedFrom(expected))
            Fail(ArchiveError::Cause::BadClass, "object of an unexpected class");
        return object;
    }
    if (!cls->IsDerivedFrom(expected))
        Fail(ArchiveError::Cause::BadClass, std::string("unexpected class ") + cls->name);
    if (depth_ >= maxDepth)
        Fail(ArchiveError::Cause::TooDeep, "objects nested too deeply");

    pending_.emplace_back(cls->create());
    CItem* object = pending_.back().get();
    LoadEntry entry;
    entry.object = object;
    loaded_.push_back(entry);
    ++depth_;
    try {
        object->Serialize(*this);
    } catch (...) {
        --depth_;
        throw;
    }
    --depth_;
    return object;
}

std::unique_ptr<CItem> CArchive::ReadOwnedObject(const ClassInfo& expected)
{
    CItem* object = ReadObject(expected);
    if (!object)
        Fail(ArchiveError::Cause::BadIndex, "missing object in a list");
    // The object just read is normally the last one created.
    auto it = std::find_if(pending_.rbegin(), pending_.rend(),
                           [object](const std::unique_ptr<CItem>& item) { return item.get() == object; });
    if (it == pending_.rend())
        Fail(ArchiveError::Cause::BadIndex, "object owned twice");
    std::unique_ptr<CItem> owned = std::move(*it);
    pending_.erase(std::next(it).base());
    return owned;
}
