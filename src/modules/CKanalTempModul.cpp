#include "CKanalTempModul.h"

#include "CatalogueLinks.h"
#include "RecordChecks.h"

TEKVAR_IMPLEMENT_CLASS(CKanalTempModul, CVekModul)

CKanalTempModul::CKanalTempModul()
{
    SetDefaults();
}

CKanalTempModul::~CKanalTempModul()
{
    ClearList(sections);
    SetMedium(nullptr);
}

void CKanalTempModul::SetMedium(CVeske* liquid)
{
    Relink<CVeske>(this, medium_, liquid);
}

void CKanalTempModul::SetDefaults()
{
    resultsValid = false;
    runType = 0;
    mediumSource = 0;
    SetMedium(nullptr);
    heatCapacity = 4180.0f;
    density = 999.0f;
    freezingPoint = 0.0f;
    inletTemperature = 40.0f;
    energyCostEnabled = false;
    operatingHours = 8760.0f;
    energyPrice = 60.0f;
    condensationCheck = false;
    relativeHumidity = 60.0f;
    nextSectionNumber = 1;
    ClearList(sections);
}

void CKanalTempModul::Changed(CItem* item)
{
    if (item && item->IsKindOf(CVeske::classInfo))
        SetMedium(static_cast<CVeske*>(item));
}

void CKanalTempModul::Serialize(CArchive& ar)
{
    if (ar.IsLoading())
        ClearList(sections);
    SerializeList(ar, sections);

    if (ar.IsStoring()) {
        CDataBase::WriteReference(ar, medium_);
        ar.WriteWord(formatMarker);
        ar.Bool(condensationCheck);
        ar.Float(relativeHumidity);
        ar.Word(runType);
    } else {
        CVeske copy;
        SetMedium(ReadDatabaseReferenceOrCopyAs<CVeske>(ar, CDataBase::liquids, copy));
        const std::uint16_t first = ar.ReadWord();
        if (first == formatMarker) {
            ar.Bool(condensationCheck);
            ar.Float(relativeHumidity);
            ar.Word(runType);
        } else {
            // An older record: no condensation check, and this is the run type.
            runType = first;
        }
    }
    ar.Word(mediumSource);
    ar.Word(nextSectionNumber);
    ar.Float(heatCapacity);
    ar.Float(density);
    ar.Float(freezingPoint);
    ar.Float(inletTemperature);
    ar.Float(operatingHours);
    ar.Float(energyPrice);
    ar.Word(energyCostEnabled);
    ar.Word(resultsValid);
    RequireChoice(ar, runType, 4, "run type");
    RequireChoice(ar, mediumSource, 2, "medium source");
    if (ar.IsLoading() && resultsValid)
        Calculate();
}
