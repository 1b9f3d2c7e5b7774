#include "CUtvendigKondensModul.h"

#include "CatalogueLinks.h"

TEKVAR_IMPLEMENT_CLASS(CUtvendigKondensModul, CVekModul)

namespace {
bool insulatedInside(int objectKind)
{
    return objectKind == 3 || objectKind == 5;
}
} // namespace

CUtvendigKondensModul::CUtvendigKondensModul() : insulation(0, false), pipe(*this) {}

CUtvendigKondensModul::~CUtvendigKondensModul()
{
    SetOuterCladding(nullptr);
    SetInnerCladding(nullptr);
}

void CUtvendigKondensModul::SetOuterCladding(CMantling* cladding)
{
    Relink(this, outerCladding, cladding);
}

void CUtvendigKondensModul::SetInnerCladding(CMantling* cladding)
{
    Relink(this, innerCladding, cladding);
}

void CUtvendigKondensModul::SetDefaults()
{
    mediumTemperature = 0.0f;
    ambientTemperature = 20.0f;
    relativeHumidity = 50.0f;
    ductDiameter = 50.0f;
    height = 200.0f;
    width = 200.0f;
    surroundings = 0;
    windSpeed = 2.0f;
    givenCoefficient = 5.0f;
    surfaceSource = 0;
    surfaceEmissivity = 0.94f;
    objectKind = 0;
    insulation.Reset();
    insulation.objectKind = objectKind;
    SetOuterCladding(nullptr);
    innerCladdingEnabled = 0;
    SetInnerCladding(nullptr);
    orientation = 0;
    pipe.SetDefaults();
    ownPipeDimension = 0;
    pipeDiameter = pipe.Record().outerDiameter;
    wallThickness = pipe.Record().wallThickness;
    bareEmissivity = pipe.Emissivity();
    resultsValid = false;
}

void CUtvendigKondensModul::Changed(CItem* item)
{
    if (!item)
        return;
    if (TakeReplacedCladding(item, *this, &CUtvendigKondensModul::SetOuterCladding))
        return;
    // Not in the list of what the module follows, but it refers to the pipe
    // and must not be left holding one the database editor replaced.
    pipe.Changed(item);
}

void CUtvendigKondensModul::Serialize(CArchive& ar)
{
    insulation.Serialize(ar);
    bool hasPipe = true;
    if (ar.IsStoring()) {
        ar.WriteWord(formatMarker);
        ar.Word(objectKind);
    } else {
        const int first = ar.ReadWord();
        hasPipe = first == formatMarker;
        objectKind = hasPipe ? ar.ReadWord() : first;
    }
    ar.Float(ambientTemperature);
    ar.Float(mediumTemperature);
    ar.Float(ductDiameter);
    ar.Float(width);
    ar.Float(height);
    ar.Float(relativeHumidity);
    ar.Word(resultsValid);
    ar.Word(surroundings);
    ar.Float(windSpeed);
    ar.Float(givenCoefficient);
    ar.Word(surfaceSource);
    ar.Float(surfaceEmissivity);
    ar.Word(innerCladdingEnabled);
    ar.Long(orientation);
    if (hasPipe) {
        ar.Float(bareEmissivity);
        ar.Float(pipeDiameter);
        ar.Float(wallThickness);
        ar.Long(ownPipeDimension);
        pipe.SerializeRecord(ar);
    }

    if (ar.IsStoring()) {
        CDataBase::WriteReference(ar, outerCladding);
        CDataBase::WriteReference(ar, innerCladding);
        pipe.WriteMaterial(ar);
        return;
    }
    const bool inside = insulatedInside(objectKind);
    CMantling outerCopy(inside ? CMantling::insideOuterSurface : CMantling::outerCladding);
    SetOuterCladding(ReadDatabaseReferenceOrCopyAs<CMantling>(
        ar, inside ? CDataBase::insideOuterSurfaces : CDataBase::outerCladdings, outerCopy));
    CMantling innerCopy(CMantling::innerCladding);
    SetInnerCladding(ReadDatabaseReferenceOrCopyAs<CMantling>(ar, CDataBase::innerCladdings, innerCopy));
    if (hasPipe)
        pipe.ReadMaterial(ar);
    if (resultsValid)
        Calculate();
}
