#include "JsonText.h"

#include "DataError.h"

#include <charconv>
#include <cmath>
#include <algorithm>
#include <cstddef>
#include <iterator>

namespace {

constexpr std::size_t maxDepth = 64;
constexpr std::size_t inlineWidth = 100;

// Hands the text to the parser a character at a time and notes how far it
// has got; the parser's events carry no place of their own.
class TrackingIterator {
public:
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    TrackingIterator(const char* at, const char** readTo) : at_(at), readTo_(readTo) {}
    reference operator*() const
    {
        *readTo_ = at_ + 1;
        return *at_;
    }
    TrackingIterator& operator++()
    {
        ++at_;
        return *this;
    }
    TrackingIterator operator++(int)
    {
        TrackingIterator before = *this;
        ++at_;
        return before;
    }
    bool operator==(const TrackingIterator& other) const { return at_ == other.at_; }

private:
    const char* at_;
    const char** readTo_;
};

// Builds the document from the parser's events, refusing what the sources
// must not hold.
class Builder {
public:
    Builder(std::string_view text, const std::string& origin, std::vector<int>* itemLines)
        : text_(text), origin_(origin), itemLines_(itemLines), readTo_(text.data())
    {
    }

    const char** ReadTo() { return &readTo_; }
    Json& Result() { return root_; }

    bool null() { return plain(nullptr); }
    bool boolean(bool value) { return plain(value); }
    bool number_integer(Json::number_integer_t value) { return plain(value); }
    bool number_unsigned(Json::number_unsigned_t value) { return plain(value); }
    bool number_float(Json::number_float_t value, const std::string& text)
    {
        // Straight from the text to the float. One that does not fit a float
        // keeps its double, for the reader to refuse with the field's name.
        float figure = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), figure);
        return plain(error == std::errc() && end == text.data() + text.size() ? double(figure) : value);
    }
    bool string(std::string& value) { return plain(std::move(value)); }
    bool binary(Json::binary_t&) { return false; } // never produced by JSON text
    bool start_object(std::size_t) { return open(Json::object()); }
    bool start_array(std::size_t) { return open(Json::array()); }
    bool key(std::string& key)
    {
        if (open_.back()->contains(key))
            fail(keyStart(), "the key \"" + key + "\" is given twice");
        key_ = std::move(key);
        return true;
    }
    bool end_object() { return close(); }
    bool end_array() { return close(); }
    bool parse_error(std::size_t charsRead, const std::string&, const Json::exception& error)
    {
        fail(errorPlace(charsRead), message(error));
    }

private:
    std::size_t read() const { return std::size_t(readTo_ - text_.data()); }

    // nlohmann's message without its own prefix and place.
    static std::string message(const Json::exception& error)
    {
        std::string text = error.what();
        if (const std::size_t close = text.find("] "); text.rfind("[json.exception.", 0) == 0 && close != text.npos)
            text.erase(0, close + 2);
        if (const std::size_t colon = text.find(": "); text.rfind("parse error", 0) == 0 && colon != text.npos)
            text.erase(0, colon + 2);
        return text;
    }

    [[noreturn]] void fail(std::size_t offset, const std::string& what) const
    {
        offset = std::min(offset, text_.size());
        const std::string_view before = text_.substr(0, offset);
        const std::size_t line = 1 + std::size_t(std::count(before.begin(), before.end(), '\n'));
        const std::size_t lineStart = before.rfind('\n') == before.npos ? 0 : before.rfind('\n') + 1;
        throw DataError(origin_ + ":" + std::to_string(line) + ":" + std::to_string(offset - lineStart + 1) + ": " +
                        what);
    }

    // The opening quote of the text whose closing quote is at `end`: the
    // nearest quote before it that no backslash escapes.
    std::size_t stringStart(std::size_t end) const
    {
        std::size_t at = end;
        while (at > 0) {
            --at;
            std::size_t backslashes = 0;
            while (backslashes < at && text_[at - 1 - backslashes] == '\\')
                ++backslashes;
            if (text_[at] == '"' && backslashes % 2 == 0)
                return at;
        }
        return 0;
    }

    // The parser has just read the key's closing quote.
    std::size_t keyStart() const { return stringStart(read() - 1); }

    // Where the parser stopped is the last character it read (the end of the
    // text when it ran out). When that closes a text or ends a number, the
    // place is where the text or the number begins.
    std::size_t errorPlace(std::size_t charsRead) const
    {
        std::size_t at = charsRead ? charsRead - 1 : 0;
        if (at >= text_.size())
            return text_.size();
        if (text_[at] == '"')
            return stringStart(at);
        const auto digit = [](char ch) { return ch >= '0' && ch <= '9'; };
        const auto inNumber = [&](char ch) {
            return digit(ch) || ch == '.' || ch == 'e' || ch == 'E' || ch == '+' || ch == '-';
        };
        if (digit(text_[at]))
            while (at > 0 && inNumber(text_[at - 1]))
                --at;
        return at;
    }

    // The line of the last character read that is not white space: where
    // the value just begun stands (a number's end is found by reading one
    // character past it).
    int currentLine()
    {
        std::size_t at = read();
        while (at > 0 && std::string_view(" \t\r\n").find(text_[at - 1]) != std::string_view::npos)
            --at;
        at = at > 0 ? at - 1 : 0;
        for (; countedTo_ < at; ++countedTo_)
            line_ += text_[countedTo_] == '\n' ? 1 : 0;
        return line_;
    }

    Json* add(Json value)
    {
        if (open_.empty()) {
            root_ = std::move(value);
            return &root_;
        }
        Json& parent = *open_.back();
        if (&parent == items_ && itemLines_)
            itemLines_->push_back(currentLine());
        if (parent.is_array()) {
            parent.push_back(std::move(value));
            return &parent.back();
        }
        Json& member = parent[key_];
        member = std::move(value);
        return &member;
    }

    bool plain(Json value)
    {
        add(std::move(value));
        return true;
    }

    bool open(Json container)
    {
        if (open_.size() >= maxDepth)
            fail(read() - 1, "values nested too deeply");
        const bool items = open_.size() == 1 && open_.back()->is_object() && container.is_array() && key_ == "items";
        Json* opened = add(std::move(container));
        open_.push_back(opened);
        if (items)
            items_ = opened;
        return true;
    }

    bool close()
    {
        // Members added to the document after the list may move it.
        if (open_.back() == items_)
            items_ = nullptr;
        open_.pop_back();
        return true;
    }

    std::string_view text_;
    const std::string& origin_;
    std::vector<int>* itemLines_;
    const char* readTo_;
    Json root_;
    std::vector<Json*> open_;
    std::string key_;
    const Json* items_ = nullptr;
    std::size_t countedTo_ = 0;
    int line_ = 1;
};

// The shortest text that reads back as the same float. A negative zero
// keeps its point, or it would read back as the integer 0; a double that is
// no float (none of the tool's own) is written as a double.
std::string numberText(double value)
{
    char buffer[64];
    const float figure = float(value);
    if (double(figure) != value) {
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        return std::string(buffer, result.ptr);
    }
    if (figure == 0.0f && std::signbit(figure))
        return "-0.0";
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, figure);
    return std::string(buffer, result.ptr);
}

std::string scalarText(const Json& value)
{
    if (value.is_number_float() && std::isfinite(value.get<double>()))
        return numberText(value.get<double>());
    if (value.is_number_float())
        return JsonText::Number(float(value.get<double>())).dump();
    return value.dump();
}

bool isContainer(const Json& value)
{
    return value.is_array() || value.is_object();
}

bool writeInline(std::string& out, const Json& value)
{
    if (!isContainer(value)) {
        out += scalarText(value);
        return true;
    }
    std::string line = value.is_array() ? "[" : "{";
    bool first = true;
    for (auto member = value.begin(); member != value.end(); ++member) {
        if (isContainer(*member))
            return false;
        line += first ? "" : ", ";
        first = false;
        if (value.is_object())
            line += Json(member.key()).dump() + ": ";
        line += scalarText(*member);
    }
    line += value.is_array() ? "]" : "}";
    if (line.size() > inlineWidth)
        return false;
    out += line;
    return true;
}

void write(std::string& out, const Json& value, std::size_t indent)
{
    if (writeInline(out, value))
        return;
    const std::string inner(indent + 2, ' ');
    out += value.is_array() ? "[\n" : "{\n";
    std::size_t left = value.size();
    for (auto member = value.begin(); member != value.end(); ++member) {
        out += inner;
        if (value.is_object())
            out += Json(member.key()).dump() + ": ";
        write(out, *member, indent + 2);
        out += --left ? ",\n" : "\n";
    }
    out += std::string(indent, ' ') + (value.is_array() ? "]" : "}");
}

} // namespace

Json JsonText::Parse(std::string_view text, const std::string& origin, std::vector<int>* itemLines)
{
    Builder builder(text, origin, itemLines);
    const TrackingIterator begin(text.data(), builder.ReadTo());
    const TrackingIterator end(text.data() + text.size(), builder.ReadTo());
    Json::sax_parse(begin, end, &builder);
    return std::move(builder.Result());
}

std::string JsonText::Write(const Json& value)
{
    std::string out;
    write(out, value, 0);
    out += '\n';
    return out;
}

Json JsonText::Number(float value)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value > 0 ? "inf" : "-inf";
    return double(value);
}

const Json* JsonText::Find(const Json& object, const std::string& key)
{
    if (!object.is_object())
        return nullptr;
    const auto member = object.find(key);
    return member == object.end() ? nullptr : &*member;
}
