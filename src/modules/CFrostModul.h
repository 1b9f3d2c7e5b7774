#pragma once

#include "FrostInput.h"
#include "PipeSelection.h"
#include "database/CMantling.h"
#include "doc/CVekModul.h"
#include "report/CInsulationSpace.h"
#include "report/CTabell.h"

// The module for frost protection and warming of standing water in a pipe.
// Its input is a FrostInput; the cladding and the pipe are its own.
class CFrostModul : public CVekModul, public FrostInput {
    TEKVAR_DECLARE_CLASS(CFrostModul)

public:
    // The float after the cladding says which fields the record holds; any
    // other value is the ambient temperature of the oldest records.
    static constexpr float currentMarker = -6000.0f;
    static constexpr float standstillMarker = -5000.0f;
    static constexpr float modeMarker = -4000.0f;
    static constexpr float wallMarker = -3000.0f;

    CFrostModul();
    ~CFrostModul() override;
    CFrostModul(const CFrostModul&) = delete;
    CFrostModul& operator=(const CFrostModul&) = delete;

    void Serialize(CArchive& ar) override;
    void SetDefaults() override;
    // Checks the input as the dialog does, balances the insulated pipe and
    // puts the result table, the input table and the drawing on page 5. A
    // refusal or a failure has shown its message; the page is then cleared.
    bool Calculate() override;
    ProductPicture GetProductPicture() const override;
    // A cladding becomes the cladding; a pipe material or dimension takes the
    // place of the one in use.
    void Changed(CItem* item) override;

    CMantling* Cladding() const { return cladding_; }
    void SetCladding(CMantling* cladding);
    PipeSelection& Pipe() { return pipe_; }
    const PipeSelection& Pipe() const { return pipe_; }
    // The pipe's sizes and emissivity from the chosen dimension and material.
    void TakePipeValues();
    // The emissivity of the insulation's surface: the typed one, or the cladding's.
    float InsulatedEmissivity() const;

    // The result page's items; rebuilt by every calculation, never stored.
    CTabell resultTable;
    CTabell inputTable;
    CInsulationSpace installationSpace;

    static constexpr int pageIndex = 5;

private:
    // What one calculation found; every value finite once balance() passed.
    struct Results {
        float outerDiameter = 0;    // Do, m
        float outerCoefficient = 0; // ho of the last pass, W/m²K
        float uValue = 0;           // UA', W/(m·K)
        float timeConstant = 0;     // τ of the water, h
        float coolingTime = 0;      // to 0 °C, h
        float freezeTime = 0;       // of the allowed share, h
        float heatingPower = 0;     // that keeps the water from freezing, W/m
        float endTemperature = 0;   // after the standstill, °C
        float requirement = 0;      // U that class 6 allows, W/(m·K)
    };

    // CFrostModulCalc.cpp.
    bool inputUsable() const;
    bool balance(Results& out) const;
    void showResults(float outerDiameter);
    void clearPage();
    // CFrostModulTables.cpp.
    void fillResultTable(const Results& results);
    void fillInputTable();

    CMantling* cladding_ = nullptr;
    PipeSelection pipe_{*this};
};
