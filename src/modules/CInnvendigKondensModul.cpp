#include "CInnvendigKondensModul.h"

#include "CatalogueLinks.h"

TEKVAR_IMPLEMENT_CLASS(CInnvendigKondensModul, CVekModul)

namespace {
constexpr int circularDuctKind = 1;
}

CInnvendigKondensModul::CInnvendigKondensModul() : insulation(circularDuctKind, false) {}

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
    ductDiameter = 50.0f;
    height = 200.0f;
    width = 200.0f;
    ductLength = 10.0f;
    inletTemperature = 40.0f;
    relativeHumidity = 50.0f;
    flow = 100.0f;
    flowUnit = 0;
    ambientTemperature = 20.0f;
    surroundings = 0;
    windSpeed = 2.0f;
    givenCoefficient = 5.0f;
    innerCoefficientGiven = 0;
    givenInnerCoefficient = 10.0f;
    surfaceSource = 0;
    surfaceEmissivity = 0.94f;
    insulation.Reset();
    insulation.objectKind = circularDuctKind;
    SetOuterCladding(nullptr);
    ductShape = 0;
    orientation = 0;
    supports = 0;
    resultsValid = false;
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
    ar.Word(surroundings);
    ar.Float(windSpeed);
    ar.Float(givenCoefficient);
    ar.Word(surfaceSource);
    ar.Float(surfaceEmissivity);
    ar.Float(inletTemperature);
    ar.Float(relativeHumidity);
    ar.Float(flow);
    ar.Word(flowUnit);
    ar.Word(resultsValid);
    ar.Long(orientation);
    ar.Long(supports);
    if (ar.IsStoring()) {
        CDataBase::WriteReference(ar, outerCladding);
        return;
    }
    CMantling copy(CMantling::outerCladding);
    SetOuterCladding(ReadDatabaseReferenceOrCopyAs<CMantling>(ar, CDataBase::outerCladdings, copy));
    if (resultsValid)
        Calculate();
}
