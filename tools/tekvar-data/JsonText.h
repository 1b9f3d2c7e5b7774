#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>
#include <vector>

// Objects keep their members in the order written, so that a dump reads the
// same way every time.
using Json = nlohmann::ordered_json;

// The JSON text of the data sources, read and written the tool's way. Every
// figure of the catalogue is a float: a number with a fraction or an exponent
// goes from its text straight to the float it stands for, with no detour
// through double, and is written back as the shortest text of that float.
class JsonText {
public:
    // Parses one JSON text (RFC 8259). Duplicate keys, trailing text and
    // nesting past a sane depth are refused; every error names `origin`
    // (usually the file), the line and the column. `itemLines`, when given,
    // receives the line each element of the document's "items" list begins on.
    static Json Parse(std::string_view text, const std::string& origin, std::vector<int>* itemLines = nullptr);

    // Two-space indented text. A container of plain values that fits on one
    // short line is written on one line.
    static std::string Write(const Json& value);

    // A figure; "nan", "inf" and "-inf" become strings, which the readers
    // accept as numbers.
    static Json Number(float value);

    // The member with the key, or none (also when `object` is no object).
    static const Json* Find(const Json& object, const std::string& key);
};
