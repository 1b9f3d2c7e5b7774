#pragma once

#include "JsonValue.h"

#include <string>
#include <string_view>

// Parses one JSON text (RFC 8259). Duplicate keys, trailing text and nesting
// past a sane depth are refused; every error names the line and column.
class JsonReader {
public:
    // `origin` names the text in messages, usually its file.
    static JsonValue Parse(std::string_view text, const std::string& origin);

private:
    JsonReader(std::string_view text, const std::string& origin) : text_(text), origin_(origin) {}

    JsonValue value(int depth);
    JsonValue object(int depth);
    JsonValue array(int depth);
    std::string string();
    JsonValue number();
    void literal(std::string_view word);
    unsigned hex4();
    void skipSpace();
    char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    bool atEnd() const { return pos_ >= text_.size(); }
    [[noreturn]] void fail(const std::string& what) const;

    std::string_view text_;
    std::string origin_;
    std::size_t pos_ = 0;
    int line_ = 1;
    std::size_t lineStart_ = 0;
};
