#include "CTankTempModul.h"

#include "CatalogueLinks.h"
#include "RecordChecks.h"
#include "report/ObjectPictures.h"

#include <algorithm>

TEKVAR_IMPLEMENT_CLASS(CTankTempModul, CVekModul)

CTankTempModul::CTankTempModul()
{
    resultTable.helpTopic = "::/html/tank_restabell.htm";
    inputTable.helpTopic = "::/html/tank_inputtabell.htm";
    temperatureGraph.helpTopic = "::/html/tank_kurve.htm";
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
    static_cast<TankTempInput&>(*this) = TankTempInput{};
    SetCladding(nullptr);
    SetMedium(nullptr);
    clearPage();
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
    WordChoice(ar, surroundings, SurroundingsCount, "surroundings");
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
    RequireChoice(ar, mediumSource, 2, "medium source");
    if (ar.IsLoading() && resultsValid)
        Calculate();
}

ProductPicture TankPicture(const CIsolasjon& insulation, int shape)
{
    const int kind = CTankTempModul::tankObjectKind + std::clamp(shape, 0, 2);
    // The product's pictures of a tank stand in slots 6 to 8, horizontal.
    ProductPicture picture = LayerPicture(insulation, kind, false);
    picture.builtin = objectpictures::tankBox + (kind - CTankTempModul::tankObjectKind);
    return picture;
}

ProductPicture CTankTempModul::GetProductPicture() const
{
    return TankPicture(insulation, tankShape);
}

float CTankTempModul::SurfaceEmissivity() const
{
    // With the coefficient given the radiation plays no part; the typed
    // value stands then, as it does when no cladding was chosen.
    if (ownEmissivity || surroundings == Surroundings::GivenCoefficient || !cladding_)
        return emissivity;
    return cladding_->emissivity;
}
