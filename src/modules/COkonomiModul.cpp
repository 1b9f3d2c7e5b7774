#include "COkonomiModul.h"

#include "COkoIsolasjon.h"
#include "RecordChecks.h"
#include "database/CDataBase.h"
#include "doc/CVekDoc.h"
#include "doc/StringTable.h"
#include "platform/Services.h"
#include "report/ObjectPictures.h"
#include "thermal/Choices.h"

TEKVAR_IMPLEMENT_CLASS(COkonomiModul, CVekModul)

namespace {

constexpr int firstLayoutMessage = 62619;

// The later steps index tables and pictures with the stored choices.
void requireChoices(const CArchive& ar, const EconomyInput& in)
{
    RequireChoice(ar, in.objectKind, 6, "object kind");
    RequireChoice(ar, in.flowUnit, FlowUnitCount, "flow unit");
    RequireChoice(ar, in.orientation, 2, "orientation");
}

} // namespace

COkonomiModul::COkonomiModul() : pipe(*this)
{
    heatLossTable.helpTopic = "::/html/okoiso_varmetaptabell.htm";
    costTable.helpTopic = "::/html/okoiso_energikosttabell.htm";
    inputTable.helpTopic = "::/html/okoiso_tabell.htm";
    SetDefaults();
}

COkonomiModul::~COkonomiModul()
{
    ClearList(alternatives);
}

void COkonomiModul::SetDefaults()
{
    resultsValid = false;
    static_cast<EconomyInput&>(*this) = EconomyInput{};
    ClearList(alternatives);
    pipe.SetDefaults();
    TakePipeValues();
    clearPage();
}

void COkonomiModul::TakePipeValues()
{
    pipeDiameter = pipe.Record().outerDiameter;
    wallThickness = pipe.Record().wallThickness;
    bareEmissivity = pipe.Emissivity();
}

ProductPicture COkonomiModul::GetProductPicture() const
{
    ProductPicture picture;
    picture.builtin = objectpictures::ForKind(objectKind, orientation == 1);
    return picture;
}

void COkonomiModul::Changed(CItem* item)
{
    // The alternatives follow their own catalogue items. The pipe is
    // followed here so that the module never holds a material or dimension
    // the database editor has replaced.
    pipe.Changed(item);
}

void COkonomiModul::serializeFields(CArchive& ar)
{
    ar.Float(mediumTemperature);
    ar.Float(ambientTemperature);
    ar.Float(ductDiameter);
    ar.Float(width);
    ar.Float(height);
    WordChoice(ar, surroundings, SurroundingsCount, "surroundings");
    ar.Float(windSpeed);
    ar.Float(givenCoefficient);
    ar.Float(operatingHours);
    ar.Float(energyPrice);
    ar.Float(interestRate);
    ar.Float(priceIncrease);
    ar.Float(depreciationTime);
    ar.Word(resultsValid);
    ar.Long(flowUnit);
    ar.Float(flow);
    ar.Long(orientation);
    ar.Float(co2Factor);
    ar.Float(bareEmissivity);
}

void COkonomiModul::serializePipe(CArchive& ar)
{
    ar.Float(pipeDiameter);
    ar.Float(wallThickness);
    ar.Bool(ownPipeDimension);
    pipe.SerializeRecord(ar);
}

void COkonomiModul::Serialize(CArchive& ar)
{
    COkoIsolasjon leading;
    if (ar.IsStoring()) {
        leading.Serialize(ar);
        SerializeList(ar, alternatives);
        ar.WriteWord(formatMarker);
        ar.Word(objectKind);
        serializeFields(ar);
        serializePipe(ar);
        pipe.WriteMaterial(ar);
        return;
    }

    if (leading.SerializeHead(ar)) {
        ClearList(alternatives);
        SerializeList(ar, alternatives);
        const int marker = ar.ReadWord();
        const bool hasPipe = marker == formatMarker;
        objectKind = hasPipe ? ar.ReadWord() : marker;
        serializeFields(ar);
        requireChoices(ar, *this);
        if (hasPipe) {
            serializePipe(ar);
            pipe.ReadMaterial(ar);
        }
    } else {
        readFirstLayout(ar, leading);
    }
    // Results are never read: a calculated module calculates again.
    if (resultsValid)
        Calculate();
    else
        clearPage();
}

void COkonomiModul::readFirstLayout(CArchive& ar, COkoIsolasjon& leading)
{
    if (CVekDoc* document = CVekDoc::Current())
        document->SetNoDescriptions();
    platform::prompter().Tell(LoadString(firstLayoutMessage));
    leading.SerializeFirstLayout(ar);

    int innerCladdingEnabled = 0;
    int surfaceSource = 0;
    float surfaceEmissivity = 0.0f;
    ar.Word(objectKind);
    ar.Float(mediumTemperature);
    ar.Float(ambientTemperature);
    ar.Word(innerCladdingEnabled);
    ar.Float(ductDiameter);
    ar.Float(width);
    ar.Float(height);
    WordChoice(ar, surroundings, SurroundingsCount, "surroundings");
    ar.Float(windSpeed);
    ar.Float(givenCoefficient);
    ar.Word(surfaceSource);
    ar.Float(surfaceEmissivity);
    ar.Float(operatingHours);
    ar.Float(energyPrice);
    ar.Float(interestRate);
    ar.Float(priceIncrease);
    ar.Float(depreciationTime);
    ar.Word(resultsValid);
    requireChoices(ar, *this);

    // The claddings of that layout are always full copies.
    const bool inside = objectKind == 3 || objectKind == 5;
    CMantling outerCopy(inside ? CMantling::insideOuterSurface : CMantling::outerCladding);
    CMantling innerCopy(CMantling::innerCladding);
    CMantling* outerCladding = nullptr;
    CMantling* innerCladding = nullptr;
    if (CDataBase* database = CDataBase::Current()) {
        outerCladding = database->ReadEmbeddedAs<CMantling>(
            ar, inside ? CDataBase::insideOuterSurfaces : CDataBase::outerCladdings, outerCopy);
        innerCladding = database->ReadEmbeddedAs<CMantling>(ar, CDataBase::innerCladdings, innerCopy);
    } else {
        outerCopy.Serialize(ar);
        innerCopy.Serialize(ar);
    }

    ClearList(alternatives);
    for (const auto& entry : leading.thicknesses) {
        auto alternative = std::make_unique<COkonomiIsolasjon>(objectKind);
        alternative->surfaceSource = surfaceSource;
        alternative->surfaceEmissivity = surfaceEmissivity;
        alternative->innerCladdingEnabled = innerCladdingEnabled;
        alternative->SetOuterCladding(outerCladding);
        alternative->SetInnerCladding(innerCladding);
        alternative->cost = entry->cost;
        if (leading.productSource == 0) {
            alternative->productSource = 0;
            alternative->SetMakerProduct(leading.product);
            alternative->makerThickness = entry->thickness;
            // Named as the alternative dialog names it.
            alternative->name = alternative->DisplayText();
        } else {
            // The user product was not kept: it must be chosen again, and
            // until then the alternative has no text.
            alternative->productSource = 1;
            alternative->userThickness = entry->thickness;
        }
        alternatives.push_back(std::move(alternative));
    }
}
