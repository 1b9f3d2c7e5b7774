#pragma once

#include "database/CTillegg2.h"
#include "doc/CItem.h"

#include <string>

// One add-on fitting of a pipe (a valve, a flange), counted as an
// equivalent length of bare pipe. Its name is its list text.
class CTilleggsutstyr : public CListItem {
    TEKVAR_DECLARE_CLASS(CTilleggsutstyr)

public:
    CTilleggsutstyr() = default;
    CTilleggsutstyr(const CTilleggsutstyr& other);
    CTilleggsutstyr& operator=(const CTilleggsutstyr& other);
    ~CTilleggsutstyr() override;

    void Serialize(CArchive& ar) override;
    bool Edit() override;
    std::unique_ptr<CListItem> Clone() const override;
    // A fitting type takes the place of the one in use.
    void Changed(CItem* item) override;

    CTillegg2* FittingType() const { return fittingType_; }
    void SetFittingType(CTillegg2* type);

    // Metres of bare pipe for a pipe of the given outer diameter (mm).
    float EquivalentLength(float pipeDiameter) const;

    // "%s; %d stk" with the own name or the type's name and the count.
    static std::string ListText(const std::string& label, int count);
    void UpdateName(const std::string& ownName);
    // The own name of an own-defined fitting, as its list text holds it.
    std::string OwnName() const;

    bool SameAs(const CTilleggsutstyr& other) const;

    int count = 1;
    bool ownDefined = false;
    float ownLength = 1.0f; // m per unit

private:
    CTillegg2* fittingType_ = nullptr;
};
