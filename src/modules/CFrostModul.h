#pragma once

#include "CIsolasjon.h"
#include "PipeSelection.h"
#include "database/CMantling.h"
#include "doc/CVekModul.h"

// The module for frost protection and warming of standing water in a pipe.
class CFrostModul : public CVekModul {
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
    // A cladding becomes the cladding; a pipe material or dimension takes the
    // place of the one in use.
    void Changed(CItem* item) override;

    CMantling* Cladding() const { return cladding_; }
    void SetCladding(CMantling* cladding);
    PipeSelection& Pipe() { return pipe_; }
    const PipeSelection& Pipe() const { return pipe_; }
    // The pipe's sizes and emissivity from the chosen dimension and material.
    void TakePipeValues();

    int calculationMode = 0;       // 0 frost protection, 1 temperature rise
    float standstillTime = 8.0f;   // h
    float startTemperature = 8.0f; // °C
    float ambientTemperature = -20.0f;
    float freezeFraction = 25.0f;  // %
    bool ownPipeDimension = false;
    float pipeDiameter = 32.0f;    // mm
    float wallThickness = 2.0f;    // mm
    float pipeEmissivity = 0.5f;
    CIsolasjon insulation{0, true};
    int surroundings = 0;
    float windSpeed = 2.0f;
    float outerCoefficient = 5.0f;
    bool ownEmissivity = false;
    float emissivity = 0.94f;
    int vertical = 0;

private:
    CMantling* cladding_ = nullptr;
    PipeSelection pipe_{*this};
};
