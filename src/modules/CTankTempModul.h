#pragma once

#include "TankTemperature.h"
#include "TankTempInput.h"
#include "database/CMantling.h"
#include "database/CVeske.h"
#include "doc/CVekModul.h"
#include "report/CGraph.h"
#include "report/CTabell.h"

// The module for temperature over time of a liquid in a tank. Its input is
// a TankTempInput; the cladding and the liquid it uses are catalogue items.
class CTankTempModul : public CVekModul, public TankTempInput {
    TEKVAR_DECLARE_CLASS(CTankTempModul)

public:
    // Written after the references; older records have the shape there.
    static constexpr std::uint16_t formatMarker = 255;

    CTankTempModul();
    ~CTankTempModul() override;
    CTankTempModul(const CTankTempModul&) = delete;
    CTankTempModul& operator=(const CTankTempModul&) = delete;

    void Serialize(CArchive& ar) override;
    void SetDefaults() override;
    // A cladding becomes the cladding, a liquid the medium.
    void Changed(CItem* item) override;
    // Checks the input as the dialog does, calculates the case (storage time
    // or final temperature given) and puts the result table, the input table
    // and, with a storage time, the temperature curve on page 2. A refusal or
    // a failure has shown its message; the page is then cleared.
    bool Calculate() override;
    // The insulation product's picture of the shape, else the program's own.
    ProductPicture GetProductPicture() const override;
    // The emissivity of the outer surface: the typed one, or the cladding's.
    float SurfaceEmissivity() const;
    // The calculation's input: the tank's geometry, the product's curve,
    // the medium and the surface. Only meaningful for an input that passed
    // the checks.
    tank::Problem CalculationProblem() const;

    CMantling* Cladding() const { return cladding_; }
    CVeske* Medium() const { return medium_; }
    void SetCladding(CMantling* cladding);
    void SetMedium(CVeske* liquid);

    // The result page's items; rebuilt by every calculation, never stored.
    CTabell resultTable;
    CTabell inputTable;
    CGraph temperatureGraph;

    // The page the module's items stand on.
    static constexpr int pageIndex = 2;

private:
    // CTankTempModulCalc.cpp
    bool inputUsable() const;
    void fillResultTable(const tank::Result& result, const tank::Geometry& geometry);
    void fillGraph(const tank::Result& result);
    void fillInputTable();
    void showResults();
    void clearPage();

    CMantling* cladding_ = nullptr;
    CVeske* medium_ = nullptr;
};

// The picture of a tank of the shape (0 box, 1 cylinder, 2 sphere): the
// insulation product's picture of it when there is one, else the program's
// own. The page header and the dialog show the same.
ProductPicture TankPicture(const CIsolasjon& insulation, int shape);
