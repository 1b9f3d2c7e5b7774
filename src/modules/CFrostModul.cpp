#include "CFrostModul.h"

#include "CatalogueLinks.h"
#include "RecordChecks.h"

TEKVAR_IMPLEMENT_CLASS(CFrostModul, CVekModul)

CFrostModul::CFrostModul()
{
    SetDefaults();
}

CFrostModul::~CFrostModul()
{
    SetCladding(nullptr);
}

void CFrostModul::SetCladding(CMantling* cladding)
{
    Relink<CMantling>(this, cladding_, cladding);
}

void CFrostModul::TakePipeValues()
{
    pipeDiameter = pipe_.Record().outerDiameter;
    wallThickness = pipe_.Record().wallThickness;
    pipeEmissivity = pipe_.Emissivity();
}

void CFrostModul::SetDefaults()
{
    resultsValid = false;
    calculationMode = 0;
    standstillTime = 8.0f;
    startTemperature = 8.0f;
    ambientTemperature = -20.0f;
    freezeFraction = 25.0f;
    ownPipeDimension = false;
    pipe_.SetDefaults();
    TakePipeValues();
    insulation.Reset();
    insulation.objectKind = 0;
    insulation.askThickness = true;
    surroundings = 0;
    windSpeed = 2.0f;
    outerCoefficient = 5.0f;
    ownEmissivity = false;
    SetCladding(nullptr);
    emissivity = 0.94f;
    vertical = 0;
}

void CFrostModul::Changed(CItem* item)
{
    if (!item)
        return;
    if (item->IsKindOf(CMantling::classInfo))
        SetCladding(static_cast<CMantling*>(item));
    else
        pipe_.Changed(item);
}

void CFrostModul::Serialize(CArchive& ar)
{
    insulation.Serialize(ar);
    float marker = currentMarker;
    if (ar.IsStoring()) {
        CDataBase::WriteReference(ar, cladding_);
        ar.Float(marker);
    } else {
        CMantling copy(CMantling::outerCladding);
        SetCladding(ReadDatabaseReferenceOrCopyAs<CMantling>(ar, CDataBase::outerCladdings, copy));
        ar.Float(marker);
    }

    if (marker == currentMarker || marker == standstillMarker || marker == modeMarker) {
        if (marker != modeMarker)
            ar.Float(standstillTime);
        ar.Long(calculationMode);
        ar.Float(wallThickness);
        ar.Float(ambientTemperature);
    } else if (marker == wallMarker) {
        ar.Float(wallThickness);
        ar.Float(ambientTemperature);
    } else {
        // The oldest records begin with the ambient temperature itself.
        ambientTemperature = marker;
    }

    ar.Float(freezeFraction);
    ar.Float(pipeDiameter);
    ar.Float(startTemperature);
    ar.Word(surroundings);
    ar.Word(resultsValid);
    ar.Float(windSpeed);
    ar.Float(outerCoefficient);
    ar.Word(ownEmissivity);
    ar.Float(emissivity);
    ar.Long(vertical);
    ar.Float(pipeEmissivity);
    RequireChoice(ar, calculationMode, 2, "calculation mode");
    RequireChoice(ar, surroundings, 3, "surroundings");
    RequireChoice(ar, vertical, 2, "orientation");

    if (marker == currentMarker) {
        ar.Bool(ownPipeDimension);
        pipe_.SerializeRecord(ar);
        if (ar.IsStoring())
            pipe_.WriteMaterial(ar);
        else
            pipe_.ReadMaterial(ar);
    }
    if (ar.IsLoading() && resultsValid)
        Calculate();
}
