#include "JsonValue.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

constexpr std::size_t inlineWidth = 100;

void writeString(std::string& out, const std::string& text)
{
    out += '"';
    for (const char ch : text) {
        switch (ch) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(ch) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", unsigned(static_cast<unsigned char>(ch)));
                out += escape;
            } else {
                out += ch;
            }
        }
    }
    out += '"';
}

} // namespace

JsonValue JsonValue::Boolean(bool value)
{
    JsonValue v;
    v.type_ = Type::Bool;
    v.boolean_ = value;
    return v;
}

JsonValue JsonValue::Number(float value)
{
    if (std::isnan(value))
        return String("nan");
    if (std::isinf(value))
        return String(value > 0 ? "inf" : "-inf");
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return NumberText(std::string(buffer, result.ptr));
}

JsonValue JsonValue::NumberText(std::string text)
{
    JsonValue v;
    v.type_ = Type::Number;
    v.text_ = std::move(text);
    return v;
}

JsonValue JsonValue::String(std::string text)
{
    JsonValue v;
    v.type_ = Type::String;
    v.text_ = std::move(text);
    return v;
}

JsonValue JsonValue::Array()
{
    JsonValue v;
    v.type_ = Type::Array;
    return v;
}

JsonValue JsonValue::Object()
{
    JsonValue v;
    v.type_ = Type::Object;
    return v;
}

const JsonValue* JsonValue::Find(const std::string& key) const
{
    for (const Member& member : members_)
        if (member.first == key)
            return &member.second;
    return nullptr;
}

JsonValue& JsonValue::Append(JsonValue value)
{
    elements_.push_back(std::move(value));
    return elements_.back();
}

JsonValue& JsonValue::Add(std::string key, JsonValue value)
{
    members_.emplace_back(std::move(key), std::move(value));
    return members_.back().second;
}

std::string JsonValue::Write() const
{
    std::string out;
    write(out, 0);
    out += '\n';
    return out;
}

bool JsonValue::writeInline(std::string& out) const
{
    std::string line;
    switch (type_) {
    case Type::Null: line = "null"; break;
    case Type::Bool: line = boolean_ ? "true" : "false"; break;
    case Type::Number: line = text_; break;
    case Type::String: writeString(line, text_); break;
    case Type::Array:
        line = "[";
        for (std::size_t i = 0; i < elements_.size(); ++i) {
            const JsonValue& element = elements_[i];
            if (element.IsArray() || element.IsObject())
                return false;
            if (i)
                line += ", ";
            element.writeInline(line);
        }
        line += "]";
        break;
    case Type::Object:
        line = "{";
        for (std::size_t i = 0; i < members_.size(); ++i) {
            const JsonValue& value = members_[i].second;
            if (value.IsArray() || value.IsObject())
                return false;
            if (i)
                line += ", ";
            writeString(line, members_[i].first);
            line += ": ";
            value.writeInline(line);
        }
        line += "}";
        break;
    }
    if ((type_ == Type::Array || type_ == Type::Object) && line.size() > inlineWidth)
        return false;
    out += line;
    return true;
}

void JsonValue::write(std::string& out, int indent) const
{
    if (writeInline(out))
        return;
    const std::string inner(std::size_t(indent + 2), ' ');
    const std::string outer(std::size_t(indent), ' ');
    if (type_ == Type::Array) {
        out += "[\n";
        for (std::size_t i = 0; i < elements_.size(); ++i) {
            out += inner;
            elements_[i].write(out, indent + 2);
            out += i + 1 < elements_.size() ? ",\n" : "\n";
        }
        out += outer + "]";
    } else {
        out += "{\n";
        for (std::size_t i = 0; i < members_.size(); ++i) {
            out += inner;
            writeString(out, members_[i].first);
            out += ": ";
            members_[i].second.write(out, indent + 2);
            out += i + 1 < members_.size() ? ",\n" : "\n";
        }
        out += outer + "}";
    }
}
