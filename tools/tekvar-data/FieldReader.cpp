#include "FieldReader.h"

#include "DataError.h"
#include "doc/Codepage.h"

#include <charconv>
#include <cmath>
#include <limits>

FieldReader::FieldReader(const Json& object, std::string context) : object_(object), context_(std::move(context))
{
    if (!object.is_object())
        Fail("an object {...} expected");
}

void FieldReader::Fail(const std::string& what) const
{
    throw DataError(context_ + ": " + what);
}

bool FieldReader::Has(const std::string& key) const
{
    return JsonText::Find(object_, key) != nullptr;
}

const Json* FieldReader::Optional(const std::string& key)
{
    taken_.insert(key);
    return JsonText::Find(object_, key);
}

const Json& FieldReader::Value(const std::string& key)
{
    const Json* value = Optional(key);
    if (!value)
        Fail("\"" + key + "\" is missing");
    return *value;
}

float FieldReader::ToFloat(const Json& value, const std::string& context)
{
    if (value.is_string()) {
        const std::string& text = value.get_ref<const std::string&>();
        if (text == "nan")
            return std::numeric_limits<float>::quiet_NaN();
        if (text == "inf")
            return std::numeric_limits<float>::infinity();
        if (text == "-inf")
            return -std::numeric_limits<float>::infinity();
    }
    if (value.is_number_unsigned())
        return float(value.get<std::uint64_t>());
    if (value.is_number_integer())
        return float(value.get<std::int64_t>());
    if (!value.is_number_float())
        throw DataError(context + ": a number expected");
    // The parser turned every number that fits into its float already.
    const double number = value.get<double>();
    if (std::isfinite(number) && (std::fabs(number) > std::numeric_limits<float>::max() ||
                                  (number != 0 && float(number) == 0.0f))) {
        char text[32];
        const auto end = std::to_chars(text, text + sizeof text, number).ptr;
        throw DataError(context + ": " + std::string(text, end) + " does not fit a 32-bit float");
    }
    return float(number);
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
    const Json* value = Optional(key);
    return value ? ToFloat(*value, context_ + ": \"" + key + "\"") : fallback;
}

std::string FieldReader::Text(const std::string& key)
{
    const Json& value = Value(key);
    if (!value.is_string())
        Fail("\"" + key + "\" must be a text");
    const std::string& text = value.get_ref<const std::string&>();
    CheckStorable(text, context_ + ": \"" + key + "\"");
    return text;
}

std::string FieldReader::TextOr(const std::string& key, const std::string& fallback)
{
    return Has(key) ? Text(key) : (taken_.insert(key), fallback);
}

bool FieldReader::BoolOr(const std::string& key, bool fallback)
{
    const Json* value = Optional(key);
    if (!value)
        return fallback;
    if (!value->is_boolean())
        Fail("\"" + key + "\" must be true or false");
    return value->get<bool>();
}

int FieldReader::IntOr(const std::string& key, int fallback)
{
    const Json* value = Optional(key);
    if (!value)
        return fallback;
    if (!value->is_number_unsigned() || value->get<std::uint64_t>() > 0xFFFF)
        Fail("\"" + key + "\" must be a whole number 0 … 65535");
    return int(value->get<std::uint64_t>());
}

std::uint32_t FieldReader::ColourOr(const std::string& key, std::uint32_t fallback)
{
    const Json* value = Optional(key);
    if (!value)
        return fallback;
    std::uint32_t result = 0;
    if (value->is_string()) {
        const std::string& text = value->get_ref<const std::string&>();
        if (text.size() == 10 && text.compare(0, 2, "0x") == 0) {
            const auto [end, error] = std::from_chars(text.data() + 2, text.data() + text.size(), result, 16);
            if (error == std::errc() && end == text.data() + text.size())
                return result;
        }
    }
    Fail("\"" + key + "\" must be a colour written \"0x00BBGGRR\"");
}

const Json& FieldReader::ArrayOf(const std::string& key)
{
    const Json& value = Value(key);
    if (!value.is_array())
        Fail("\"" + key + "\" must be a list [...]");
    return value;
}

void FieldReader::Finish() const
{
    for (auto member = object_.begin(); member != object_.end(); ++member)
        if (member.key() != "source" && member.key() != "note" && !taken_.count(member.key()))
            Fail("unknown key \"" + member.key() + "\"");
}
