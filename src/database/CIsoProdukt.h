#pragma once

#include "CIsoTykkelse.h"
#include "thermal/Choices.h"
#include "doc/ItemList.h"

#include <array>
#include <cstdint>
#include <string>

// A maker's insulation product: its conductivity curve, the temperature it
// stands, the thicknesses it is made in, the objects it is meant for and the
// pictures that show it on them.
class CIsoProdukt : public CListItem {
    TEKVAR_DECLARE_CLASS(CIsoProdukt)

public:
    // Picture slots 0 … 5 hold the horizontal picture of object kind 0 … 5,
    // slots 9 … 14 the vertical one; 6, 7 and 8 show a tank as cube,
    // cylinder and sphere.
    static constexpr int pictureCount = 15;
    static constexpr int verticalSlotOffset = 9;

    CIsoProdukt() = default;
    CIsoProdukt(const CIsoProdukt& other);
    CIsoProdukt& operator=(const CIsoProdukt& other);

    void Serialize(CArchive& ar) override;
    bool Edit() override;
    std::unique_ptr<CListItem> Clone() const override;
    // Equal in everything the calculations use: the curve, the temperature
    // limit, the thickness range and the standard thicknesses.
    bool IsEqual(const CListItem& other) const override;

    // The smallest standard thickness (mm) that is at least t metres, also
    // written with "%.1f" into text; −1 and the text "Större än största std.
    // tjocklek" when none is that thick.
    virtual float NextStandardThickness(float t, std::string& text) const;

    // λ(T) in W/(m·K), T in °C; no limit on T.
    float ConductivityAt(float temperature) const;
    void GetCoefficients(float& outA, float& outB, float& outC, float& outD) const;
    const ItemList<CIsoTykkelse>& GetThicknessRange(float& outMin, float& outMax) const;
    bool IsUsableFor(ObjectKind kind) const;
    bool IsUsableFor(int kind) const;
    // The picture folder and the picture of the slot, or of slot + 9 when
    // vertical; empty for a slot that does not exist.
    std::string PicturePath(int slot, bool vertical) const;

    std::array<bool, ObjectKindCount> usageFlags{};
    std::array<std::string, pictureCount> pictures;
    float maxTemperature = 200.0f; // °C
    // λ(T) = a·T³ + b·T² + c·T + d
    float a = 1.51e-9f;
    float b = 1.31e-7f;
    float c = 1.74e-4f;
    float d = 0.034f;
    ItemList<CIsoTykkelse> thicknesses; // ascending
    float minThickness = 10.0f;         // mm
    float maxThickness = 1000.0f;       // mm
    std::uint32_t insulationColour = 0x0000FFFF; // 0x00BBGGRR, yellow
    std::uint32_t surfaceColour = 0x00C0C0C0;    // light grey
};
