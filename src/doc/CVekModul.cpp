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
    out = Sprintf(LoadString(formatId), double(value));
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
