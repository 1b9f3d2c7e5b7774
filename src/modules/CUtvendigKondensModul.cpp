#include "CUtvendigKondensModul.h"

#include "CatalogueLinks.h"
#include "RecordChecks.h"

TEKVAR_IMPLEMENT_CLASS(CUtvendigKondensModul, CVekModul)

CUtvendigKondensModul::CUtvendigKondensModul() : pipe(*this)
{
    resultTable.helpTopic = "::/html/utvkondens_restabell.htm";
    inputTable.helpTopic = "::/html/utvkondens_inputtabell.htm";
}

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

void CUtvendigKondensModul::TakePipeValues()
{
    pipeDiameter = pipe.Record().outerDiameter;
    wallThickness = pipe.Record().wallThickness;
    bareEmissivity = pipe.Emissivity();
}

void CUtvendigKondensModul::SetDefaults()
{
    resultsValid = false;
    static_cast<ExternalCondensationInput&>(*this) = ExternalCondensationInput{};
    SetOuterCladding(nullptr);
    SetInnerCladding(nullptr);
    pipe.SetDefaults();
    TakePipeValues();
    clearPage();
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
        ar.WriteWord(std::uint16_t(objectKind));
    } else {
        const int first = ar.ReadWord();
        hasPipe = first == formatMarker;
        const int kind = hasPipe ? ar.ReadWord() : first;
        // Kinds 0 to 5: a tank has no condensation module.
        RequireChoice(ar, kind, ObjectKindCount - 1, "object kind");
        objectKind = ObjectKind(kind);
    }
    ar.Float(ambientTemperature);
    ar.Float(mediumTemperature);
    ar.Float(ductDiameter);
    ar.Float(width);
    ar.Float(height);
    ar.Float(relativeHumidity);
    ar.Word(resultsValid);
    WordChoice(ar, surroundings, SurroundingsCount, "surroundings");
    ar.Float(windSpeed);
    ar.Float(givenCoefficient);
    ar.Word(surfaceSource);
    ar.Float(surfaceEmissivity);
    ar.Word(innerCladdingEnabled);
    ar.Long(orientation);
    RequireChoice(ar, orientation, 2, "orientation");
    if (hasPipe) {
        ar.Float(bareEmissivity);
        ar.Float(pipeDiameter);
        ar.Float(wallThickness);
        ar.Bool(ownPipeDimension);
        pipe.SerializeRecord(ar);
    }

    if (ar.IsStoring()) {
        CDataBase::WriteReference(ar, outerCladding);
        CDataBase::WriteReference(ar, innerCladding);
        pipe.WriteMaterial(ar);
        return;
    }
    const bool inside = InsideInsulated();
    CMantling outerCopy(inside ? CMantling::insideOuterSurface : CMantling::outerCladding);
    SetOuterCladding(ReadDatabaseReferenceOrCopyAs<CMantling>(
        ar, inside ? CDataBase::insideOuterSurfaces : CDataBase::outerCladdings, outerCopy));
    CMantling innerCopy(CMantling::innerCladding);
    SetInnerCladding(ReadDatabaseReferenceOrCopyAs<CMantling>(ar, CDataBase::innerCladdings, innerCopy));
    if (hasPipe)
        pipe.ReadMaterial(ar);
    // Results are never read: a calculated module calculates again.
    if (resultsValid)
        Calculate();
    else
        clearPage();
}

ProductPicture CUtvendigKondensModul::GetProductPicture() const
{
    return LayerPicture(insulation, int(objectKind), Vertical());
}
