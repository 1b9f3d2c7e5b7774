#pragma once

#include "CTilleggslengde.h"
#include "doc/ItemList.h"

// An add-on fitting type (a valve, a flange), with its equivalent pipe length
// for ranges of pipe diameter.
class CTillegg2 : public CListItem {
    TEKVAR_DECLARE_CLASS(CTillegg2)

public:
    CTillegg2() = default;
    CTillegg2(const CTillegg2& other);
    CTillegg2& operator=(const CTillegg2& other);

    void Serialize(CArchive& ar) override;
    bool Edit() override;
    std::unique_ptr<CListItem> Clone() const override;
    // Equal when the lengths are equal pair by pair; the name is not compared.
    bool IsEqual(const CListItem& other) const override;

    // The equivalent length (m) for a pipe of outer diameter D (mm): the first
    // range that holds D; below the first range its length, otherwise (above
    // all ranges or in a gap) the last one's; 0 for a type without lengths.
    float EquivalentLength(float diameter) const;

    ItemList<CTilleggslengde> lengths; // ascending by equivalent length
};
