#pragma once

#include "COkonomiIsolasjon.h"
#include "COkonomiModulResults.h"
#include "EconomyInput.h"
#include "PipeSelection.h"
#include "doc/CVekModul.h"
#include "doc/ItemList.h"
#include "report/CTabell.h"
#include "thermal/Inputs.h"
#include "thermal/LayeredHeatFlow.h"

class COkoIsolasjon;

// The module for economic insulation thickness: the annual cost of up to 25
// insulation alternatives for one object.
class COkonomiModul : public CVekModul, public EconomyInput {
    TEKVAR_DECLARE_CLASS(COkonomiModul)

public:
    static constexpr std::size_t maxAlternatives = maxEconomyAlternatives;
    // Marks the present layout; a record without it ends before the pipe.
    static constexpr int formatMarker = 297;

    COkonomiModul();
    ~COkonomiModul() override;
    COkonomiModul(const COkonomiModul&) = delete;
    COkonomiModul& operator=(const COkonomiModul&) = delete;

    void Serialize(CArchive& ar) override;
    void SetDefaults() override;
    void Changed(CItem* item) override;
    // Compares the alternatives on page 7: the heat loss table, the cost
    // table with the cheapest row highlighted, and the input table. A refused
    // input or a failed calculation has shown its message; the page is then
    // cleared.
    bool Calculate() override;
    // The built-in picture of the object kind and orientation.
    ProductPicture GetProductPicture() const override;
    // The pipe's sizes and emissivity from the chosen dimension and material.
    void TakePipeValues();

    ItemList<COkonomiIsolasjon> alternatives;
    // `pipeMaterial` and the module's own `pipeDimension` record (kind 0).
    PipeSelection pipe;

    // The result page's items; rebuilt by every calculation, never stored.
    CTabell heatLossTable;
    CTabell costTable;
    CTabell inputTable;

    // The page the module's items stand on.
    static constexpr int pageIndex = 7;

private:
    void serializeFields(CArchive& ar);
    void serializePipe(CArchive& ar);
    void readFirstLayout(CArchive& ar, COkoIsolasjon& leading);
    void clearPage();
    // The dialog's checks on what the module holds; shows a refusal's message.
    bool inputUsable() const;
    // COkonomiModulCalc.cpp and COkonomiModulTables.cpp.
    thermal::Inputs thermalInputs() const;
    thermal::HeatFlow bareHeatFlow(const thermal::Inputs& in) const;
    thermal::HeatFlow alternativeHeatFlow(thermal::Inputs in, const COkonomiIsolasjon& alternative) const;
    // False when a value came out as no number.
    bool compute(EconomyResults& results) const;
    void fillTables(const EconomyResults& results);
    void fillInputTable();
    void showResults();
};
