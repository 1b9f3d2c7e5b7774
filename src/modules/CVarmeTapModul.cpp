#include "CVarmeTapModul.h"

#include "CatalogueLinks.h"
#include "RecordChecks.h"

TEKVAR_IMPLEMENT_CLASS(CVarmeTapModul, CVekModul)

CVarmeTapModul::CVarmeTapModul()
{
    resultTable.helpTopic = "::/html/varmetap_restabell.htm";
    inputTable.helpTopic = "::/html/varmetap_inputtabell.htm";
    SetDefaults();
}

CVarmeTapModul::~CVarmeTapModul()
{
    SetOuterCladding(nullptr);
    SetInnerCladding(nullptr);
}

void CVarmeTapModul::SetOuterCladding(CMantling* cladding)
{
    Relink<CMantling>(this, outerCladding_, cladding);
    // The same cladding may stand in both places.
    if (innerCladding_)
        innerCladding_->AddDependent(this);
}

void CVarmeTapModul::SetInnerCladding(CMantling* cladding)
{
    Relink<CMantling>(this, innerCladding_, cladding);
    if (outerCladding_)
        outerCladding_->AddDependent(this);
}

void CVarmeTapModul::TakePipeValues()
{
    pipeOuterDiameter = pipe_.Record().outerDiameter;
    pipeWall = pipe_.Record().wallThickness;
    bareEmissivity = pipe_.Emissivity();
}

void CVarmeTapModul::SetDefaults()
{
    resultsValid = false;
    static_cast<HeatLossInput&>(*this) = HeatLossInput{};
    SetOuterCladding(nullptr);
    SetInnerCladding(nullptr);
    ClearList(fittings);
    pipe_.SetDefaults();
    TakePipeValues();
    computedClass = 0;
    clearPage();
}

void CVarmeTapModul::Changed(CItem* item)
{
    if (!item)
        return;
    if (TakeReplacedCladding(item, *this, &CVarmeTapModul::SetOuterCladding))
        return;
    pipe_.Changed(item);
}

void CVarmeTapModul::readFlowFields(CArchive& ar, std::uint16_t version)
{
    switch (version) {
    case 297:
        LongChoice(ar, flowUnit, FlowUnitCount, "flow unit");
        ar.Float(flow);
        ar.Float(spillFactor);
        ar.Long(givenClass);
        ar.Word(energyCalc);
        break;
    case 296:
        LongChoice(ar, flowUnit, FlowUnitCount, "flow unit");
        ar.Float(flow);
        ar.Word(energyCalc);
        ar.Float(spillFactor);
        ar.Long(givenClass);
        break;
    case 295:
        LongChoice(ar, flowUnit, FlowUnitCount, "flow unit");
        ar.Float(flow);
        ar.Word(energyCalc);
        break;
    default:
        // Before the version word: what was read is the energy flag.
        energyCalc = version != 0;
        break;
    }
}

void CVarmeTapModul::Serialize(CArchive& ar)
{
    layer1.Serialize(ar);
    layer2.Serialize(ar);
    if (ar.IsLoading())
        ClearList(fittings);
    SerializeList(ar, fittings);

    std::uint16_t version = formatVersion;
    if (ar.IsStoring()) {
        ar.WriteWord(version);
        LongChoice(ar, flowUnit, FlowUnitCount, "flow unit");
        ar.Float(flow);
        ar.Float(spillFactor);
        ar.Long(givenClass);
        ar.Word(energyCalc);
    } else {
        version = ar.ReadWord();
        readFlowFields(ar, version);
    }

    WordChoice(ar, criterion, CriterionCount, "criterion");
    // The heat loss module knows no tank.
    WordChoice(ar, objectKind, ObjectKindCount - 1, "object kind");
    ar.Float(mediumTemp);
    ar.Word(fittingsUsed);

    ar.Float(ambientTemp);
    ar.Float(givenSurfaceTemp);
    ar.Float(diameter);

    ar.Float(width);
    ar.Float(height);
    ar.Float(length);
    ar.Float(area);
    ar.Word(twoLayers);

    WordChoice(ar, surroundings, SurroundingsCount, "surroundings");
    ar.Float(windSpeed);
    ar.Float(givenCoefficient);
    ar.Word(emissivityTyped);
    ar.Float(typedEmissivity);

    ar.Float(operatingHours);
    ar.Float(energyPrice);
    ar.Float(givenHeatLoss);
    ar.Word(resultsValid);
    ar.Word(innerCladdingUsed);

    ar.Long(orientation);
    ar.Float(co2Factor);
    ar.Bool(supports);
    ar.Float(bareEmissivity);

    RequireChoice(ar, orientation, 2, "orientation");
    RequireChoice(ar, givenClass, 7, "insulation class");

    const bool withPipe = version == formatVersion;
    if (withPipe) {
        ar.Float(pipeOuterDiameter);
        ar.Float(pipeWall);
        ar.Bool(ownDimension);
        pipe_.SerializeRecord(ar);
    }

    const int outerList = UsesInsideOuterList() ? CDataBase::insideOuterSurfaces : CDataBase::outerCladdings;
    if (ar.IsStoring()) {
        CDataBase::WriteReference(ar, outerCladding_);
        CDataBase::WriteReference(ar, innerCladding_);
        pipe_.WriteMaterial(ar);
        return;
    }
    CMantling outerCopy(CDataBase::Info(outerList).kind);
    SetOuterCladding(ReadDatabaseReferenceOrCopyAs<CMantling>(ar, outerList, outerCopy));
    CMantling innerCopy(CMantling::innerCladding);
    SetInnerCladding(ReadDatabaseReferenceOrCopyAs<CMantling>(ar, CDataBase::innerCladdings, innerCopy));
    if (withPipe)
        pipe_.ReadMaterial(ar);
    // Results are never read: a calculated module calculates again.
    if (resultsValid)
        Calculate();
    else
        clearPage();
}

ProductPicture CVarmeTapModul::GetProductPicture() const
{
    return LayerPicture(layer1, int(objectKind), orientation == 1);
}
