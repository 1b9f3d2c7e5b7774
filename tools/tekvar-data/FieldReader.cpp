#include "FieldReader.h"

#include "DataError.h"
#include "doc/Codepage.h"

#include <charconv>
#include <limits>

FieldReader::FieldReader(const JsonValue& object, std::string context) : object_(object), context_(std::move(context))
{
    if (!object.IsObject())
        Fail("an object {...} expected");
}

void FieldReader::Fail(const std::string& what) const
{
    throw DataError(context_ + ": " + what);
}

bool FieldReader::Has(const std::string& key) const
{
    return object_.Find(key) != nullptr;
}

const JsonValue* FieldReader::Optional(const std::string& key)
{
    taken_.insert(key);
    return object_.Find(key);
}

const JsonValue& FieldReader::Value(const std::string& key)
{
    const JsonValue* value = Optional(key);
    if (!value)
        Fail("\"" + key + "\" is missing");
    return *value;
}

float FieldReader::ToFloat(const JsonValue& value, const std::string& context)
{
    if (value.IsString()) {
        if (value.text() == "nan")
            return std::numeric_limits<float>::quiet_NaN();
        if (value.text() == "inf")
            return std::numeric_limits<float>::infinity();
        if (value.text() == "-inf")
            return -std::numeric_limits<float>::infinity();
    }
    if (!value.IsNumber())
        throw DataError(context + ": a number expected");
    float result = 0;
    const std::string& text = value.text();
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), result);
    if (error == std::errc::result_out_of_range)
        throw DataError(context + ": " + text + " does not fit a 32-bit float");
    if (error != std::errc() || end != text.data() + text.size())
        throw DataError(context + ": " + text + " is not a number");
    return result;
}

void FieldReader::CheckStorable(const std::string& text, const std::string& context)
{
    if (Cp1252ToUtf8(Utf8ToCp1252(text)) != text)
        throw DataError(context + ": the text \"" + text +
                        "\" holds characters that the data files cannot store (Windows-1252 only)");
}

float FieldReader::Float(const std::string& key)
{
    return ToFloat(Value(key), context_ + ": \"" + key + "\"");
}

float FieldReader::FloatOr(const std::string& key, float fallback)
{
    const JsonValue* value = Optional(key);
    return value ? ToFloat(*value, context_ + ": \"" + key + "\"") : fallback;
}

std::string FieldReader::Text(const std::string& key)
{
    const JsonValue& value = Value(key);
    if (!value.IsString())
        Fail("\"" + key + "\" must be a text");
    CheckStorable(value.text(), context_ + ": \"" + key + "\"");
    return value.text();
}

std::string FieldReader::TextOr(const std::string& key, const std::string& fallback)
{
    return Has(key) ? Text(key) : (taken_.insert(key), fallback);
}

bool FieldReader::BoolOr(const std::string& key, bool fallback)
{
    const JsonValue* value = Optional(key);
    if (!value)
        return fallback;
    if (!value->IsBool())
        Fail("\"" + key + "\" must be true or false");
    return value->boolean();
}

int FieldReader::IntOr(const std::string& key, int fallback)
{
    const JsonValue* value = Optional(key);
    if (!value)
        return fallback;
    int result = 0;
    const std::string& text = value->text();
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), result);
    if (!value->IsNumber() || error != std::errc() || end != text.data() + text.size() || result < 0 ||
        result > 0xFFFF)
        Fail("\"" + key + "\" must be a whole number 0 … 65535");
    return result;
}

std::uint32_t FieldReader::ColourOr(const std::string& key, std::uint32_t fallback)
{
    const JsonValue* value = Optional(key);
    if (!value)
        return fallback;
    const std::string& text = value->text();
    std::uint32_t result = 0;
    if (value->IsString() && text.size() == 10 && text.compare(0, 2, "0x") == 0) {
        const auto [end, error] = std::from_chars(text.data() + 2, text.data() + text.size(), result, 16);
        if (error == std::errc() && end == text.data() + text.size())
            return result;
    }
    Fail("\"" + key + "\" must be a colour written \"0x00BBGGRR\"");
}

const JsonValue& FieldReader::ArrayOf(const std::string& key)
{
    const JsonValue& value = Value(key);
    if (!value.IsArray())
        Fail("\"" + key + "\" must be a list [...]");
    return value;
}

void FieldReader::Finish() const
{
    for (const auto& [key, value] : object_.members())
        if (key != "source" && key != "note" && !taken_.count(key))
            Fail("unknown key \"" + key + "\"");
}
