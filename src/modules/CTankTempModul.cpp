#include "CTankTempModul.h"

#include "CatalogueLinks.h"
#include "RecordChecks.h"

TEKVAR_IMPLEMENT_CLASS(CTankTempModul, CVekModul)

CTankTempModul::CTankTempModul()
{
    SetDefaults();
}

CTankTempModul::~CTankTempModul()
{
    SetCladding(nullptr);
    SetMedium(nullptr);
}

void CTankTempModul::SetCladding(CMantling* cladding)
{
    Relink<CMantling>(this, cladding_, cladding);
}

void CTankTempModul::SetMedium(CVeske* liquid)
{
    Relink<CVeske>(this, medium_, liquid);
}

void CTankTempModul::SetDefaults()
{
    resultsValid = false;
    tankShape = 0;
    tankDiameter = 5.0f;
    tankLength = 5.0f;
    tankWidth = 5.0f;
    tankHeight = 5.0f;
    tankDepth = 5.0f;
    mediumSource = 0;
    heatCapacity = 4180.0f;
    density = 999.0f;
    freezingPoint = 0.0f;
    startTemperature = 50.0f;
    finalTemperature = 25.0f;
    storageTime = 500.0f;
    givenFinalTemperature = false;
    ambientTemperature = 10.0f;
    surroundings = 0;
    windSpeed = 2.0f;
    outerCoefficient = 5.0f;
    ownEmissivity = false;
    emissivity = 0.94f;
    insulation.Reset();
    insulation.objectKind = tankObjectKind;
    insulation.askThickness = true;
    SetCladding(nullptr);
    SetMedium(nullptr);
}

void CTankTempModul::Changed(CItem* item)
{
    if (!item)
        return;
    if (item->IsKindOf(CMantling::classInfo))
        SetCladding(static_cast<CMantling*>(item));
    else if (item->IsKindOf(CVeske::classInfo))
        SetMedium(static_cast<CVeske*>(item));
}

void CTankTempModul::Serialize(CArchive& ar)
{
    insulation.Serialize(ar);
    if (ar.IsStoring()) {
        CDataBase::WriteReference(ar, cladding_);
        CDataBase::WriteReference(ar, medium_);
        ar.WriteWord(formatMarker);
        ar.Bool(givenFinalTemperature);
        ar.Float(finalTemperature);
        ar.Word(tankShape);
    } else {
        CMantling claddingCopy(CMantling::outerCladding);
        SetCladding(ReadDatabaseReferenceOrCopyAs<CMantling>(ar, CDataBase::outerCladdings, claddingCopy));
        CVeske mediumCopy;
        SetMedium(ReadDatabaseReferenceOrCopyAs<CVeske>(ar, CDataBase::liquids, mediumCopy));
        const std::uint16_t first = ar.ReadWord();
        if (first == formatMarker) {
            ar.Bool(givenFinalTemperature);
            ar.Float(finalTemperature);
            ar.Word(tankShape);
        } else {
            // An older record: no final temperature, and this is the shape.
            tankShape = first;
        }
    }
    ar.Float(ambientTemperature);
    ar.Float(tankDiameter);
    ar.Float(tankWidth);
    ar.Float(tankHeight);
    ar.Float(tankDepth);
    ar.Float(tankLength);
    ar.Word(surroundings);
    ar.Float(windSpeed);
    ar.Float(outerCoefficient);
    ar.Word(ownEmissivity);
    ar.Float(emissivity);
    ar.Word(mediumSource);
    ar.Float(heatCapacity);
    ar.Float(density);
    ar.Float(startTemperature);
    ar.Float(freezingPoint);
    ar.Float(storageTime);
    ar.Word(resultsValid);
    RequireChoice(ar, tankShape, 3, "tank shape");
    RequireChoice(ar, surroundings, 3, "surroundings");
    RequireChoice(ar, mediumSource, 2, "medium source");
    if (ar.IsLoading() && resultsValid)
        Calculate();
}
