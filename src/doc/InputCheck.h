#pragma once

#include <functional>
#include <string>
#include <string_view>

// A number field of a module's input, declared once. The input dialog builds
// its label and edit from it; the dialog and the module's calculation check
// the value against the same ranges.
template <class Input>
struct NumberField {
    const char* name;   // the edit's object name; it also names the field a check refuses
    const char* label;  // the dialog's label
    const char* format; // how the dialog shows the value
    float Input::*value;
    // What the field takes at all: outside it the framework's "Skriv in ett
    // tal mellan %1 och %2." (unbounded fields still need a finite number).
    float min = -3.0e38f;
    float max = 3.0e38f;
    // The check by name, "Värdet för <word> måste ligga mellan …", for the
    // fields whose dialog makes one with a fixed range: the word's string id
    // or the word itself.
    int wordId = 0;
    const char* word = nullptr;
    float low = 0;
    float high = 0;
};

// The checks of a module's input, in the order its dialog makes them on OK.
// The dialog answers the warnings and puts the focus on the refused field;
// a calculation runs the same checks on what a document brought (which may
// be anything, NaN included) and shows the message instead of calculating.
// Every range test fails for a value that is not a number.
class InputCheck {
public:
    // Answers an OK/Cancel warning by its string id: true goes on.
    using Ask = std::function<bool(int questionId)>;

    // Without an answerer the warnings pass: a calculation never asks.
    explicit InputCheck(Ask ask = nullptr) : ask_(std::move(ask)) {}

    // The field's own range (the framework's check of a typed number).
    template <class Input>
    bool Exchange(const NumberField<Input>& field, const Input& input)
    {
        return Exchange(field.name, field.label, input.*field.value, field.min, field.max);
    }
    bool Exchange(const char* name, const char* label, float value, float min, float max);
    // The check by name with the field's declared range, or with the range given.
    template <class Input>
    bool Range(const NumberField<Input>& field, const Input& input)
    {
        return Range(field, input, field.low, field.high);
    }
    template <class Input>
    bool Range(const NumberField<Input>& field, const Input& input, float low, float high)
    {
        return named(field.name, field.wordId, field.word, input.*field.value, low, high);
    }
    // A value checked by name that no single field holds (a layer's thickness).
    bool Range(const char* field, int wordId, float value, float low, float high)
    {
        return named(field, wordId, nullptr, value, low, high);
    }
    // Refuses with the message unless ok.
    bool Require(bool ok, int messageId, const char* field);
    // The same with the message's text, for a module's own texts.
    bool Require(bool ok, std::string_view message, const char* field);
    // Asks the OK/Cancel question when `when`; false when the user cancels.
    bool Warn(bool when, int questionId);
    // Refuses with a message the caller made (one with arguments).
    bool Refuse(std::string message, const char* field) { return refuse(std::move(message), field); }

    bool Passed() const { return message_.empty() && !cancelled_; }
    // The refusal's message, empty when the check passed or a warning was declined.
    const std::string& Message() const { return message_; }
    // The object name of the field to focus, or empty.
    const std::string& Field() const { return field_; }

private:
    bool named(const char* name, int wordId, const char* word, float value, float low, float high);
    bool refuse(std::string message, const char* field);

    Ask ask_;
    std::string message_;
    std::string field_;
    bool cancelled_ = false;
};

// Whether min ≤ value ≤ max; false for NaN.
inline bool InRange(float value, float min, float max)
{
    return value >= min && value <= max;
}

// A range bound as a user reads it: no exponent for the large ones, and the
// shortest digits that are the float (0.1, not 0.100000001).
std::string RangeBound(float value);

// Checks every field's own range in the order of the table; then the caller
// goes on with the checks of its order.
template <class Input, std::size_t N>
bool ExchangeAll(InputCheck& check, const NumberField<Input>* const (&fields)[N], const Input& input)
{
    for (const auto& field : fields)
        if (!check.Exchange(*field, input))
            return false;
    return true;
}
