#include "CVekModul.h"

#include "StringTable.h"
#include "platform/Services.h"

TEKVAR_IMPLEMENT_ABSTRACT_CLASS(CVekModul, CListItem)

void CVekModul::Serialize(CArchive&) {}

bool CVekModul::Edit()
{
    return platform::editors().Edit(*this);
}

void FormatValue(std::string& out, int formatId, float value)
{
    out = WithoutNegativeZero(Sprintf(LoadString(formatId), double(value)));
}

std::string WithoutNegativeZero(std::string text)
{
    // A small negative value rounds to "-0.0"; a page shows it as the zero it is.
    std::size_t minus = 0;
    while ((minus = text.find('-', minus)) != std::string::npos) {
        std::size_t end = minus + 1;
        while (end < text.size() && (text[end] == '0' || text[end] == '.' || text[end] == ','))
            ++end;
        const bool digitFollows = end < text.size() && text[end] >= '1' && text[end] <= '9';
        if (end > minus + 1 && text[minus + 1] == '0' && !digitFollows)
            text.erase(minus, 1);
        else
            ++minus;
    }
    return text;
}

std::string FormatValue(int formatId, float value)
{
    std::string out;
    FormatValue(out, formatId, value);
    return out;
}

float CylinderSurface(float diameter, float length)
{
    return 3.1415927f * diameter * length;
}

float RectangleSurface(float height, float width, float length)
{
    return (2 * height + 2 * width) * length;
}
