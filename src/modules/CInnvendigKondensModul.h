#pragma once

#include "InternalCondensationInput.h"
#include "database/CMantling.h"
#include "doc/CVekModul.h"
#include "report/CTabell.h"
#include "thermal/CondensationSearch.h"

// The module for insulation against condensation inside ducts: the outer
// insulation that keeps the inner wall at the outlet of a duct carrying warm
// humid air above the dew point of that air. Its input is an
// InternalCondensationInput; the outer cladding it uses is its own.
class CInnvendigKondensModul : public CVekModul, public InternalCondensationInput {
    TEKVAR_DECLARE_CLASS(CInnvendigKondensModul)

public:
    // The page the module's items stand on.
    static constexpr int pageIndex = 4;

    CInnvendigKondensModul();
    ~CInnvendigKondensModul() override;
    CInnvendigKondensModul(const CInnvendigKondensModul&) = delete;
    CInnvendigKondensModul& operator=(const CInnvendigKondensModul&) = delete;

    void Serialize(CArchive& ar) override;
    void SetDefaults() override;
    // Finds the thickness and puts the result and input tables on page 4. A
    // failure has shown its message and cleared the page.
    bool Calculate() override;
    ProductPicture GetProductPicture() const override;
    // Any cladding becomes the outer cladding.
    void Changed(CItem* item) override;

    CMantling* OuterCladding() const { return outerCladding; }
    void SetOuterCladding(CMantling* cladding);
    // The emissivity of the insulated surface: the typed one, or the cladding's.
    float InsulatedEmissivity() const;
    // The duct and its air as the thermal kernel takes them.
    thermal::DuctCondensationInputs ThermalInputs() const;

    // The result page's items; rebuilt by every calculation, never stored.
    CTabell resultTable;
    CTabell inputTable;

private:
    // CInnvendigKondensModulCalc.cpp
    bool inputUsable() const;
    // Shows the kernel's failure (none for 0), clears the page; always false.
    bool fail(int kernelFailure);
    void showResults();
    void clearPage();
    // False when a value to show is no number.
    bool fillResultTable(const thermal::InnerDewPointResult& found, const thermal::DuctCondensationInputs& in);
    void fillInputTable();

    CMantling* outerCladding = nullptr;
};
