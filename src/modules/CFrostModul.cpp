#include "CFrostModul.h"

#include "CatalogueLinks.h"
#include "RecordChecks.h"
#include "report/Pagination.h"

TEKVAR_IMPLEMENT_CLASS(CFrostModul, CVekModul)

CFrostModul::CFrostModul()
{
    resultTable.helpTopic = "::/html/frost_restabell.htm";
    inputTable.helpTopic = "::/html/frost_inputtabell.htm";
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

float CFrostModul::InsulatedEmissivity() const
{
    // With the coefficient given the radiation plays no part; the typed value
    // stands then, as it does when no cladding was chosen.
    if (ownEmissivity || surroundings == Surroundings::GivenCoefficient || !cladding_)
        return emissivity;
    return cladding_->emissivity;
}

ProductPicture CFrostModul::GetProductPicture() const
{
    return LayerPicture(insulation, 0, vertical == 1);
}

void CFrostModul::SetDefaults()
{
    resultsValid = false;
    static_cast<FrostInput&>(*this) = FrostInput{};
    SetCladding(nullptr);
    pipe_.SetDefaults();
    TakePipeValues();
    // Captions "Frysskydd rör" | "Resultat" and "Indata" until a calculation fills them.
    resultTable.Define(pageLeft, pageTop, 4.0f, 2.0f, "%.1f", {62740, 62312}, {}, {}, 170.0f);
    inputTable.Define(pageLeft, 120.0f, 4.0f, 2.0f, "%.1f", {62740, 62408}, {}, {}, 170.0f);
    installationSpace.SetPosition(pageLeft, pageTop);
    clearPage();
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
    WordChoice(ar, surroundings, SurroundingsCount, "surroundings");
    ar.Word(resultsValid);
    ar.Float(windSpeed);
    ar.Float(outerCoefficient);
    ar.Word(ownEmissivity);
    ar.Float(emissivity);
    ar.Long(vertical);
    ar.Float(pipeEmissivity);
    RequireChoice(ar, calculationMode, 2, "calculation mode");
    RequireChoice(ar, vertical, 2, "orientation");

    if (marker == currentMarker) {
        ar.Bool(ownPipeDimension);
        pipe_.SerializeRecord(ar);
        if (ar.IsStoring())
            pipe_.WriteMaterial(ar);
        else
            pipe_.ReadMaterial(ar);
    }
    if (!ar.IsLoading())
        return;
    // Results are never read: a calculated module calculates again.
    if (resultsValid)
        Calculate();
    else
        clearPage();
}
