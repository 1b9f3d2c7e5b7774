#pragma once

#include "ExternalCondensationInput.h"
#include "PipeSelection.h"
#include "database/CMantling.h"
#include "doc/CVekModul.h"
#include "report/CInsulationSpace.h"
#include "report/CTabell.h"
#include "thermal/CondensationSearch.h"
#include "thermal/Inputs.h"

// The module for insulation against external condensation: the thickness
// that keeps the outer surface of a cold object at the dew point of the air
// around it. Its input is an ExternalCondensationInput; the claddings and the
// pipe material it uses are its own.
class CUtvendigKondensModul : public CVekModul, public ExternalCondensationInput {
    TEKVAR_DECLARE_CLASS(CUtvendigKondensModul)

public:
    // Marks the layout that stores the pipe; older records go without it.
    static constexpr int formatMarker = 0x0400;
    // The page the module's items stand on.
    static constexpr int pageIndex = 3;

    CUtvendigKondensModul();
    ~CUtvendigKondensModul() override;
    CUtvendigKondensModul(const CUtvendigKondensModul&) = delete;
    CUtvendigKondensModul& operator=(const CUtvendigKondensModul&) = delete;

    void Serialize(CArchive& ar) override;
    void SetDefaults() override;
    // Finds the thickness and puts the result table, the input table and
    // (pipes, circular ducts and rectangular ducts insulated outside) the
    // drawing on page 3. A failure has shown its message and cleared the page.
    bool Calculate() override;
    ProductPicture GetProductPicture() const override;
    // A cladding for inside the insulation becomes the inner cladding, any
    // other cladding the outer one; a pipe material or dimension is followed.
    void Changed(CItem* item) override;

    CMantling* OuterCladding() const { return outerCladding; }
    CMantling* InnerCladding() const { return innerCladding; }
    void SetOuterCladding(CMantling* cladding);
    void SetInnerCladding(CMantling* cladding);
    // The pipe's sizes and emissivity from the chosen dimension and material.
    void TakePipeValues();
    // The input as the thermal kernel takes it: dimensions in m, the
    // product's conductivity, the pipe wall and the surface.
    thermal::Inputs ThermalInputs() const;
    // The emissivity of the insulated surface: the typed one, or the outer
    // cladding's.
    float InsulatedEmissivity() const;

    // `pipeMaterial` and the module's own `pipeDimension` record (kind 0).
    PipeSelection pipe;

    // The result page's items; rebuilt by every calculation, never stored.
    CTabell resultTable;
    CTabell inputTable;
    CInsulationSpace spaceDrawing;

private:
    // CUtvendigKondensModulCalc.cpp
    // The dialog's checks on what the module holds; shows a refusal's message.
    bool inputUsable() const;
    // Shows the kernel's failure (none for 0), clears the page; always false.
    bool fail(int kernelFailure);
    void showResults();
    void clearPage();

    // CUtvendigKondensModulTables.cpp. False when a value to show is no
    // number; nothing is then put on the page.
    bool fillResultTable(const thermal::OuterDewPointResult& found, float dewPoint, const thermal::Inputs& in);
    void fillInputTable();

    // The insulated object's outer dimensions of the last calculation, for the drawing.
    thermal::Outline drawnOutline_;
    CMantling* outerCladding = nullptr;
    CMantling* innerCladding = nullptr;
};
