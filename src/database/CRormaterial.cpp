#include "CRormaterial.h"

#include "platform/Services.h"

TEKVAR_IMPLEMENT_CLASS(CRormaterial, CListItem)

CRormaterial::CRormaterial(const CRormaterial& other)
    : CListItem(other),
      conductivityAtZero(other.conductivityAtZero),
      temperatureCoefficient(other.temperatureCoefficient),
      emissivity(other.emissivity),
      minAllowedTemperature(other.minAllowedTemperature),
      maxAllowedTemperature(other.maxAllowedTemperature)
{
    CopyList(dimensions, other.dimensions);
}

CRormaterial& CRormaterial::operator=(const CRormaterial& other)
{
    if (this != &other) {
        CListItem::operator=(other);
        CopyList(dimensions, other.dimensions);
        conductivityAtZero = other.conductivityAtZero;
        temperatureCoefficient = other.temperatureCoefficient;
        emissivity = other.emissivity;
        minAllowedTemperature = other.minAllowedTemperature;
        maxAllowedTemperature = other.maxAllowedTemperature;
    }
    return *this;
}

void CRormaterial::Serialize(CArchive& ar)
{
    CListItem::Serialize(ar);
    ar.Float(conductivityAtZero);
    ar.Float(temperatureCoefficient);
    ar.Float(emissivity);
    ar.Float(minAllowedTemperature);
    ar.Float(maxAllowedTemperature);
    if (ar.IsLoading())
        ClearList(dimensions);
    SerializeList(ar, dimensions);
}

bool CRormaterial::Edit()
{
    return platform::editors().Edit(*this);
}

std::unique_ptr<CListItem> CRormaterial::Clone() const
{
    return std::make_unique<CRormaterial>(*this);
}

bool CRormaterial::IsEqual(const CListItem& other) const
{
    return &other.GetClass() == &classInfo && ListsEqual(dimensions, static_cast<const CRormaterial&>(other).dimensions);
}

float CRormaterial::WallConductivity(float temperature) const
{
    return conductivityAtZero + temperatureCoefficient * temperature;
}
