#include "COkonomiModul.h"

#include "COkoIsolasjon.h"
#include "database/CDataBase.h"
#include "doc/CVekDoc.h"
#include "doc/StringTable.h"
#include "platform/Services.h"

TEKVAR_IMPLEMENT_CLASS(COkonomiModul, CVekModul)

namespace {
constexpr int firstLayoutMessage = 62619;
}

COkonomiModul::~COkonomiModul()
{
    ClearList(alternatives);
}

void COkonomiModul::SetDefaults()
{
    mediumTemperature = 50.0f;
    ambientTemperature = 10.0f;
    ductDiameter = 100.0f;
    height = 200.0f;
    width = 200.0f;
    surroundings = 0;
    windSpeed = 2.0f;
    givenCoefficient = 5.0f;
    operatingHours = 8760.0f;
    energyPrice = 60.0f;
    interestRate = 7.0f;
    priceIncrease = 0.0f;
    depreciationTime = 20.0f;
    ClearList(alternatives);
    objectKind = 0;
    flowUnit = 0;
    flow = 10.0f;
    orientation = 0;
    co2Factor = 750.0f;
    pipe.SetDefaults();
    ownPipeDimension = 0;
    pipeDiameter = pipe.Record().outerDiameter;
    wallThickness = pipe.Record().wallThickness;
    bareEmissivity = pipe.Emissivity();
    resultsValid = false;
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
    ar.Word(surroundings);
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
    ar.Long(ownPipeDimension);
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
        if (hasPipe) {
            serializePipe(ar);
            pipe.ReadMaterial(ar);
        }
    } else {
        readFirstLayout(ar, leading);
    }
    if (resultsValid)
        Calculate();
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
    ar.Word(surroundings);
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
