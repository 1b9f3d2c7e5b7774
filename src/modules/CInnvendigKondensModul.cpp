#include "CInnvendigKondensModul.h"

#include "CatalogueLinks.h"
#include "RecordChecks.h"

TEKVAR_IMPLEMENT_CLASS(CInnvendigKondensModul, CVekModul)

CInnvendigKondensModul::CInnvendigKondensModul()
{
    resultTable.helpTopic = "::/html/innvkondens_restabell.htm";
    inputTable.helpTopic = "::/html/innvkondens_inputtabell.htm";
}

CInnvendigKondensModul::~CInnvendigKondensModul()
{
    SetOuterCladding(nullptr);
}

void CInnvendigKondensModul::SetOuterCladding(CMantling* cladding)
{
    Relink(this, outerCladding, cladding);
}

void CInnvendigKondensModul::SetDefaults()
{
    resultsValid = false;
    static_cast<InternalCondensationInput&>(*this) = InternalCondensationInput{};
    SetOuterCladding(nullptr);
    clearPage();
}

void CInnvendigKondensModul::Changed(CItem* item)
{
    if (item && item->IsKindOf(CMantling::classInfo))
        SetOuterCladding(static_cast<CMantling*>(item));
}

void CInnvendigKondensModul::Serialize(CArchive& ar)
{
    insulation.Serialize(ar);
    ar.Word(ductShape);
    ar.Float(ambientTemperature);
    ar.Float(givenInnerCoefficient);
    ar.Word(innerCoefficientGiven);
    ar.Float(ductDiameter);
    ar.Float(width);
    ar.Float(height);
    ar.Float(ductLength);
    WordChoice(ar, surroundings, SurroundingsCount, "surroundings");
    ar.Float(windSpeed);
    ar.Float(givenCoefficient);
    ar.Word(surfaceSource);
    ar.Float(surfaceEmissivity);
    ar.Float(inletTemperature);
    ar.Float(relativeHumidity);
    ar.Float(flow);
    WordChoice(ar, flowUnit, FlowUnitCount, "flow unit");
    ar.Word(resultsValid);
    ar.Long(orientation);
    ar.Bool(supports);
    if (ar.IsStoring()) {
        CDataBase::WriteReference(ar, outerCladding);
        return;
    }
    RequireChoice(ar, ductShape, 2, "duct shape");
    RequireChoice(ar, orientation, 2, "orientation");
    CMantling copy(CMantling::outerCladding);
    SetOuterCladding(ReadDatabaseReferenceOrCopyAs<CMantling>(ar, CDataBase::outerCladdings, copy));
    // Results are never read: a calculated module calculates again.
    if (resultsValid)
        Calculate();
    else
        clearPage();
}

ProductPicture CInnvendigKondensModul::GetProductPicture() const
{
    return LayerPicture(insulation, int(InsulatedKind()), orientation == 1);
}
