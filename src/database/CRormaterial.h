#pragma once

#include "CRordimensjon.h"
#include "doc/ItemList.h"

// A pipe material: the conductivity and emissivity of its wall, the
// temperatures it allows and its standard dimensions.
class CRormaterial : public CListItem {
    TEKVAR_DECLARE_CLASS(CRormaterial)

public:
    CRormaterial() = default;
    CRormaterial(const CRormaterial& other);
    CRormaterial& operator=(const CRormaterial& other);

    void Serialize(CArchive& ar) override;
    bool Edit() override;
    std::unique_ptr<CListItem> Clone() const override;
    // Equal when the dimensions have the same names in the same order; the
    // material's own numbers are not compared.
    bool IsEqual(const CListItem& other) const override;

    // λwall(T) = λ0 + k·T in W/(m·K), T in °C.
    float WallConductivity(float temperature) const;

    ItemList<CRordimensjon> dimensions;     // ascending by outer diameter
    float conductivityAtZero = 1.0f;        // λ0, W/(m·K)
    float temperatureCoefficient = 0.001f;  // k, W/(m·K²)
    float emissivity = 0.5f;                // of the bare pipe
    float minAllowedTemperature = -40.0f;   // °C
    float maxAllowedTemperature = 100.0f;   // °C
};
