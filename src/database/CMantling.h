#pragma once

#include "doc/CItem.h"

#include <cstdint>

// A cladding or surface layer. Its kind says which database list it belongs
// to and is set when it is made for that list.
class CMantling : public CListItem {
    TEKVAR_DECLARE_CLASS(CMantling)

public:
    enum Kind : int {
        outerCladding = 0,      // outside normal insulation
        insideOuterSurface = 1, // outer surface of an object insulated inside
        innerCladding = 2,      // inside, over inside insulation
    };

    CMantling() = default;
    explicit CMantling(int kind) : kind(kind) {}

    void Serialize(CArchive& ar) override;
    bool Edit() override;
    std::unique_ptr<CListItem> Clone() const override;
    // Claddings compare by emissivity alone: it is all a calculation takes.
    bool IsEqual(const CListItem& other) const override;

    int kind = outerCladding;
    float emissivity = 0.94f;
    std::uint32_t colour = 0x00C0C0C0; // 0x00BBGGRR
};
