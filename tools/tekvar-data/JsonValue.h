#pragma once

#include <string>
#include <utility>
#include <vector>

// A JSON value as the data sources need it. Objects keep their members in
// the order written, so that a dump reads the same way every time. Numbers
// keep the text they were written with: a figure goes from the text straight
// to the float it stands for, with no detour through double.
class JsonValue {
public:
    enum class Type { Null, Bool, Number, String, Array, Object };
    using Member = std::pair<std::string, JsonValue>;

    JsonValue() = default;
    static JsonValue Boolean(bool value);
    // The shortest text that reads back as the same float; "nan", "inf" and
    // "-inf" become strings, which the readers accept as numbers.
    static JsonValue Number(float value);
    static JsonValue NumberText(std::string text);
    static JsonValue String(std::string text);
    static JsonValue Array();
    static JsonValue Object();

    Type type() const { return type_; }
    bool IsNumber() const { return type_ == Type::Number; }
    bool IsString() const { return type_ == Type::String; }
    bool IsArray() const { return type_ == Type::Array; }
    bool IsObject() const { return type_ == Type::Object; }
    bool IsBool() const { return type_ == Type::Bool; }

    bool boolean() const { return boolean_; }
    // The string, or the number as written.
    const std::string& text() const { return text_; }
    const std::vector<JsonValue>& elements() const { return elements_; }
    const std::vector<Member>& members() const { return members_; }
    std::vector<Member>& members() { return members_; }
    std::vector<JsonValue>& elements() { return elements_; }
    // The member with the key, or none.
    const JsonValue* Find(const std::string& key) const;

    JsonValue& Append(JsonValue value);
    JsonValue& Add(std::string key, JsonValue value);

    // Where the value began in its source, for messages; 0 when made in memory.
    int line = 0;

    // Two-space indented text. A container of plain values that fits on one
    // short line is written on one line.
    std::string Write() const;

private:
    void write(std::string& out, int indent) const;
    bool writeInline(std::string& out) const;

    Type type_ = Type::Null;
    bool boolean_ = false;
    std::string text_;
    std::vector<JsonValue> elements_;
    std::vector<Member> members_;
};
