#include "InputCheck.h"

#include "StringTable.h"

#include <charconv>
#include <cmath>

namespace {

constexpr int notANumberId = 61713;
constexpr int outOfRangeId = 61715;
constexpr int namedRangeId = 61243;

} // namespace

std::string RangeBound(float value)
{
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return std::string(text, result.ptr);
}

bool InputCheck::Require(bool ok, int messageId, const char* field)
{
    return ok || refuse(LoadString(messageId), field);
}

bool InputCheck::Require(bool ok, std::string_view message, const char* field)
{
    return ok || refuse(std::string(message), field);
}

bool InputCheck::Warn(bool when, int questionId)
{
    if (!when || !ask_ || ask_(questionId))
        return true;
    cancelled_ = true;
    return false;
}

bool InputCheck::Exchange(const char* name, const char* label, float value, float min, float max)
{
    if (InRange(value, min, max))
        return true;
    // The dialog reads what it shows, so only a document brings a field that
    // is no number; its message names the field, since no focus can.
    const bool unbounded = min < -1.0e38f && max > 1.0e38f;
    std::string message = unbounded || !std::isfinite(value)
                              ? LoadString(notANumberId)
                              : FormatPositional(LoadString(outOfRangeId), {RangeBound(min), RangeBound(max)});
    if (!ask_ && label && *label)
        message = std::string(label) + " " + message;
    return refuse(std::move(message), name);
}

bool InputCheck::named(const char* name, int wordId, const char* word, float value, float low, float high)
{
    if (InRange(value, low, high))
        return true;
    const std::string text = wordId ? LoadString(wordId) : std::string(word ? word : "");
    return refuse(Sprintf(LoadString(namedRangeId), text.c_str(), double(low), double(high)), name);
}

bool InputCheck::refuse(std::string message, const char* field)
{
    message_ = std::move(message);
    field_ = field ? field : "";
    return false;
}
