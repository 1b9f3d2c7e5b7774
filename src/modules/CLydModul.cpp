#include "CLydModul.h"

#include "CatalogueLinks.h"
#include "RecordChecks.h"
#include "database/Reconciliation.h"
#include "doc/StringTable.h"
#include "platform/Services.h"

#include <algorithm>

TEKVAR_IMPLEMENT_CLASS(CLydModul, CVekModul)

namespace {
constexpr int changedThicknessMessage = 61258;
constexpr int missingThicknessMessage = 61259;

bool holds(const CAbsorpsjon& product, const CAbsorpsjonTykkelse* thickness)
{
    return std::any_of(product.thicknesses.begin(), product.thicknesses.end(),
                       [&](const auto& item) { return item.get() == thickness; });
}
} // namespace

CLydModul::CLydModul()
{
    resultTable.helpTopic = "::/html/lyd_restabell.htm";
    graph.helpTopic = "::/html/lyd_kurve.htm";
    inputTable.helpTopic = "::/html/lyd_inputtabell.htm";
    notes.helpTopic = "::/html/reslyd.htm";
    SetDefaults();
}

CLydModul::~CLydModul()
{
    SetProduct(nullptr, nullptr);
}

void CLydModul::SetProduct(CAbsorpsjon* newProduct, CAbsorpsjonTykkelse* thickness)
{
    Relink(this, product, newProduct);
    setThickness(thickness);
}

void CLydModul::setThickness(CAbsorpsjonTykkelse* thickness)
{
    CAbsorpsjonTykkelse* own = ownThickness.get();
    if (productThickness && productThickness != own && productThickness != thickness)
        productThickness->RemoveDependent(this);
    productThickness = thickness;
    if (thickness && thickness != own)
        thickness->AddDependent(this);
    if (own && thickness != own)
        ownThickness.reset();
}

float CLydModul::LiningThickness() const
{
    if (UsesUserProduct())
        return userThickness;
    return productThickness ? productThickness->thickness : 0.0f;
}

float CLydModul::LiningFactor(int band) const
{
    if (UsesUserProduct())
        return userFactors.at(std::size_t(band));
    return productThickness ? productThickness->Factor(band) : 0.0f;
}

void CLydModul::SetDefaults()
{
    static_cast<SoundInput&>(*this) = SoundInput{};
    resultTexts = {};
    SetProduct(nullptr, nullptr);
    inputTable.Define(20.0f, 20.0f, 4.0f, 2.0f, "%.0f", {62286, 62408}, {62286}, {}, 170.0f);
    resultTable.Define(20.0f, 65.0f, 4.0f, 2.0f, "%.1f", {62286, 62312},
                       {62274, 62275, 62276, 62280, 62281, 62282, 62301, 62300}, {}, 170.0f);
    // Blue (0x00BBGGRR); whole hertz and decibels on the axes, tenths of a
    // decibel in the copied values.
    graph.Set(20.0f, 65.0f, 125.0f, 60.0f, 62286, 62309, 62308, {62310}, {0xFF0000}, {"%.0f", "%.0f", "%.0f", "%.1f"},
              true);
    notes.Set(62564, {62563, 62565, 62566, 62567, 62596, 62597}, 0.0f, 0.0f);
    clearPage();
    resultsValid = false;
}

void CLydModul::Changed(CItem* item)
{
    if (!item)
        return;
    if (item->IsKindOf(CAbsorpsjon::classInfo)) {
        auto* replacement = static_cast<CAbsorpsjon*>(item);
        // The replacing product's copy of the thickness in use carries this
        // module among its dependents; the old thickness goes with the old
        // product, so the module must not keep it.
        CAbsorpsjonTykkelse* following = nullptr;
        for (const auto& thickness : replacement->thicknesses) {
            const auto& dependents = thickness->Dependents();
            if (std::find(dependents.begin(), dependents.end(), this) != dependents.end()) {
                following = thickness.get();
                break;
            }
        }
        if (!following && productThickness)
            following = FindByName(replacement->thicknesses, productThickness->name);
        if (!following && !replacement->thicknesses.empty())
            following = replacement->thicknesses.front().get();
        if (!following && productThickness && productThickness != ownThickness.get()) {
            // Nothing to choose from: keep the values the module had.
            auto kept = std::make_unique<CAbsorpsjonTykkelse>(*productThickness);
            setThickness(nullptr);
            ownThickness = std::move(kept);
            following = ownThickness.get();
        } else if (!following) {
            following = productThickness;
        }
        SetProduct(replacement, following);
    } else if (item->IsKindOf(CAbsorpsjonTykkelse::classInfo)) {
        // Only a thickness of the module's own product: a product editor
        // working on a copy of the database tells the thicknesses of that
        // copy, which may yet be thrown away.
        auto* thickness = static_cast<CAbsorpsjonTykkelse*>(item);
        if (product && holds(*product, thickness))
            setThickness(thickness);
    }
}

void CLydModul::Serialize(CArchive& ar)
{
    ar.Word(ductType);
    ar.Word(productSource);
    ar.Float(userThickness);
    ar.Float(width);
    ar.Float(height);
    ar.Float(ductDiameter);
    for (float& factor : userFactors)
        ar.Float(factor);
    ar.Text(userProductName);
    ar.Word(resultsValid);
    RequireChoice(ar, ductType, 4, "duct type");
    RequireChoice(ar, productSource, 2, "product source");

    if (ar.IsStoring()) {
        CDataBase::WriteReference(ar, product);
        if (product) {
            // The record always follows a product, so a reader stays in step.
            CAbsorpsjonTykkelse none;
            (productThickness ? *productThickness : none).Serialize(ar);
        }
        return;
    }
    readProduct(ar);
    // Results are never read: a calculated module calculates again.
    if (resultsValid)
        Calculate();
    else
        clearPage();
}

void CLydModul::readProduct(CArchive& ar)
{
    SetProduct(nullptr, nullptr);
    const bool circular = ductType == 0;
    CAbsorpsjon copy(circular ? CAbsorpsjon::circularDuct : CAbsorpsjon::rectangularDuct);
    const int list = circular ? CDataBase::circularAbsorbers : CDataBase::rectangularAbsorbers;
    std::string storedName;
    CAbsorpsjon* found = nullptr;
    if (ReadingLegacyReferences()) {
        found = ReadDatabaseReferenceOrCopyAs<CAbsorpsjon>(ar, list, copy);
        storedName = copy.name;
    } else {
        storedName = ReadCatalogueReference(ar);
        if (CDataBase* database = CDataBase::Current())
            found = ItemCast<CAbsorpsjon>(ResolveReference(database->lists[std::size_t(list)], storedName,
                                                           CDataBase::Info(list).missingMessage,
                                                           platform::ReplacementSource::Database));
    }
    // Whether a thickness record follows depends on what was written, not on
    // what the name resolves to now.
    if (storedName == noCatalogueItem)
        return;
    auto stored = std::make_unique<CAbsorpsjonTykkelse>();
    stored->Serialize(ar);
    if (!found)
        return;
    Relink(this, product, found);
    setThickness(resolveThickness(std::move(stored)));
}

CAbsorpsjonTykkelse* CLydModul::resolveThickness(std::unique_ptr<CAbsorpsjonTykkelse> stored)
{
    if (CAbsorpsjonTykkelse* listed = FindByName(product->thicknesses, stored->name)) {
        if (listed->ValuesDiffer(*stored))
            platform::prompter().Tell(LoadString(changedThicknessMessage));
        return listed;
    }
    if (product->thicknesses.empty()) {
        // Nothing to choose instead: the stored values stay in use.
        ownThickness = std::move(stored);
        return ownThickness.get();
    }
    return ChooseReplacement(product->thicknesses,
                             Sprintf(LoadString(missingThicknessMessage), stored->name.c_str(), product->name.c_str()),
                             platform::ReplacementSource::Database);
}
