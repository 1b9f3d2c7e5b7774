#pragma once

#include "CTilleggsutstyr.h"
#include "HeatLossInput.h"
#include "PipeSelection.h"
#include "database/CMantling.h"
#include "doc/CVekModul.h"
#include "doc/ItemList.h"
#include "report/CInsulationSpace.h"
#include "report/CTabell.h"
#include "thermal/Inputs.h"
#include "thermal/LayeredHeatFlow.h"
#include "thermal/ThicknessSearch.h"

// The module for heat loss. Its input is a HeatLossInput; the fittings and
// the catalogue items it uses are its own.
class CVarmeTapModul : public CVekModul, public HeatLossInput {
    TEKVAR_DECLARE_CLASS(CVarmeTapModul)

public:
    // The record's format: 297 is written, 296 and 295 are read too; older
    // records have no version word at all.
    static constexpr std::uint16_t formatVersion = 297;

    CVarmeTapModul();
    ~CVarmeTapModul() override;
    CVarmeTapModul(const CVarmeTapModul&) = delete;
    CVarmeTapModul& operator=(const CVarmeTapModul&) = delete;

    void Serialize(CArchive& ar) override;
    void SetDefaults() override;
    // Runs the calculation of the criterion and puts the result table, the
    // input table and (pipes and ducts insulated outside) the drawing on page
    // 0. A failure has shown its message; the page is then cleared.
    bool Calculate() override;
    ProductPicture GetProductPicture() const override;
    // The input as the thermal kernel takes it: dimensions in m, the layers'
    // conductivity curves, the surface and the duct air.
    thermal::Inputs ThermalInputs() const;
    // The emissivity of the insulated surface: the typed one, or the outer
    // cladding's.
    float InsulatedEmissivity() const;
    // A cladding of the inner kind becomes the inner cladding, any other the
    // outer one; a pipe material or dimension takes the place of the one in use.
    void Changed(CItem* item) override;

    CMantling* OuterCladding() const { return outerCladding_; }
    CMantling* InnerCladding() const { return innerCladding_; }
    void SetOuterCladding(CMantling* cladding);
    void SetInnerCladding(CMantling* cladding);
    PipeSelection& Pipe() { return pipe_; }
    const PipeSelection& Pipe() const { return pipe_; }
    // The pipe's sizes and emissivity from the chosen dimension and material.
    void TakePipeValues();
    // Whether the outer cladding comes from the list of surface layers for
    // objects insulated inside.
    bool UsesInsideOuterList() const { return IsInsideInsulated(objectKind); }

    ItemList<CTilleggsutstyr> fittings;
    int computedClass = 0;           // found by criterion 4; a result, never stored

    // The result page's items; rebuilt by every calculation, never stored.
    CTabell resultTable;
    CTabell inputTable;
    CInsulationSpace drawing;

    // The page the module's items stand on.
    static constexpr int pageIndex = 0;

private:
    void readFlowFields(CArchive& ar, std::uint16_t version);

    // CVarmeTapModulCalc.cpp: the criteria.
    // The dialog's checks on what the module holds; shows a refusal's message.
    bool inputUsable() const;
    bool calculateGivenThickness(const thermal::Inputs& in);
    bool calculateSearch(const thermal::Inputs& in);
    bool calculateClassRequirement(const thermal::Inputs& in);
    thermal::StandardThicknessLookup standardThicknesses() const;
    void showResults();
    void clearPage();

    // CVarmeTapModulTables.cpp: the tables. heatFlowForTotal is the needed
    // thickness's heat flow with the supports' share of a given class.
    void fillGivenThicknessTable(const thermal::HeatFlow& insulated, const thermal::HeatFlow& bare,
                                 const thermal::Inputs& in);
    void fillSearchTable(const thermal::ThicknessResult& result, float heatFlowForTotal);
    void fillBareTable(const thermal::HeatFlow& bare);
    void fillInputTable();
    // m of pipe or duct, or m² of surface, that the heat flow per unit is for.
    float extent() const;
    bool isSurface() const;

    // The insulation's total thickness of the last calculation, m, for the drawing.
    float drawnThickness_ = 0;

    CMantling* outerCladding_ = nullptr;
    CMantling* innerCladding_ = nullptr;
    PipeSelection pipe_{*this};
};
