#pragma once

#include "CAbsorpsjonTykkelse.h"
#include "doc/ItemList.h"

#include <cstdint>
#include <string>

// A sound-absorbing product that lines ducts, with its standard thicknesses.
// Its kind says which database list it belongs to.
class CAbsorpsjon : public CListItem {
    TEKVAR_DECLARE_CLASS(CAbsorpsjon)

public:
    enum Kind : int { rectangularDuct = 0, circularDuct = 1 };

    CAbsorpsjon() = default;
    explicit CAbsorpsjon(int kind) : kind(kind) {}
    CAbsorpsjon(const CAbsorpsjon& other);
    CAbsorpsjon& operator=(const CAbsorpsjon& other);

    void Serialize(CArchive& ar) override;
    bool Edit() override;
    std::unique_ptr<CListItem> Clone() const override;
    // Equal when the thicknesses have the same names in the same order.
    bool IsEqual(const CListItem& other) const override;

    // The picture folder and the picture for a lined duct of the sound
    // module's type: 3 lined on the vertical sides, 2 on the horizontal
    // sides, otherwise all round.
    std::string PicturePath(int ductType) const;

    int kind = rectangularDuct;
    ItemList<CAbsorpsjonTykkelse> thicknesses; // ascending
    // Kept with the product; only the data file sets them.
    std::uint32_t colour1 = 0x0000FFFF; // 0x00BBGGRR
    std::uint32_t colour2 = 0x00C0C0C0;
    std::string horizontalPicture;
    std::string verticalPicture;
    std::string fourSidesPicture;
};
