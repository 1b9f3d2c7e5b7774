#include "PipeSelection.h"

#include "CatalogueLinks.h"

PipeSelection::PipeSelection(CItem& owner) : owner_(owner)
{
    record_.name.clear();
}

PipeSelection::~PipeSelection()
{
    setMatched(nullptr);
    Relink<CRormaterial>(&owner_, material_, nullptr);
}

CRordimensjon* MatchingDimension(const CRormaterial* material, const CRordimensjon& record)
{
    if (!material)
        return nullptr;
    for (const auto& dimension : material->dimensions)
        if (dimension->name == record.name && dimension->outerDiameter == record.outerDiameter &&
            dimension->wallThickness == record.wallThickness)
            return dimension.get();
    return nullptr;
}

void PipeSelection::setMatched(CRordimensjon* dimension)
{
    Relink<CRordimensjon>(&owner_, matched_, dimension);
}

void PipeSelection::match()
{
    setMatched(MatchingDimension(material_, record_));
}

void PipeSelection::CopyFrom(const PipeSelection& other)
{
    if (this == &other)
        return;
    setMatched(nullptr);
    Relink<CRormaterial>(&owner_, material_, other.material_);
    record_.name = other.record_.name;
    record_.description = other.record_.description;
    record_.outerDiameter = other.record_.outerDiameter;
    record_.wallThickness = other.record_.wallThickness;
    setMatched(other.matched_);
}

void PipeSelection::SetDefaults()
{
    SetMaterial(FirstCatalogueItem<CRormaterial>(CDataBase::pipeMaterials), true);
}

void PipeSelection::SetMaterial(CRormaterial* material, bool firstDimension)
{
    setMatched(nullptr);
    Relink<CRormaterial>(&owner_, material_, material);
    if (!firstDimension) {
        match();
        return;
    }
    if (material_ && !material_->dimensions.empty()) {
        SetDimension(*material_->dimensions.front());
    } else {
        // Nothing to choose from: an empty record with the usual sizes.
        const CRordimensjon empty;
        record_.name.clear();
        record_.description.clear();
        record_.outerDiameter = empty.outerDiameter;
        record_.wallThickness = empty.wallThickness;
    }
}

void PipeSelection::SetDimension(const CRordimensjon& dimension)
{
    record_.name = dimension.name;
    record_.description = dimension.description;
    record_.outerDiameter = dimension.outerDiameter;
    record_.wallThickness = dimension.wallThickness;
    match();
}

bool PipeSelection::Changed(CItem* item)
{
    if (!item)
        return false;
    if (item->IsKindOf(CRormaterial::classInfo)) {
        SetMaterial(static_cast<CRormaterial*>(item), false);
        return true;
    }
    if (item->IsKindOf(CRordimensjon::classInfo)) {
        // Only a dimension of the material in use: the material editor's
        // working copies are not ours to hold on to.
        auto* dimension = static_cast<CRordimensjon*>(item);
        if (material_)
            for (const auto& own : material_->dimensions)
                if (own.get() == dimension) {
                    SetDimension(*dimension);
                    return true;
                }
        return true;
    }
    return false;
}

void PipeSelection::SerializeRecord(CArchive& ar)
{
    // The record is the owner's; its dependents are nobody's business.
    record_.Serialize(ar);
    if (ar.IsLoading())
        match();
}

void PipeSelection::WriteMaterial(CArchive& ar) const
{
    CDataBase::WriteReference(ar, material_);
}

void PipeSelection::ReadMaterial(CArchive& ar)
{
    SetMaterial(ReadDatabaseReferenceAs<CRormaterial>(ar, CDataBase::pipeMaterials), false);
}

void PipeSelection::RestoreMaterialFromRecord()
{
    for (CRormaterial* material : CDataBase::SystemItems<CRormaterial>(CDataBase::pipeMaterials))
        if (MatchingDimension(material, record_)) {
            SetMaterial(material, false);
            return;
        }
    SetMaterial(FirstCatalogueItem<CRormaterial>(CDataBase::pipeMaterials), false);
}

bool PipeSelection::SameAs(const PipeSelection& other) const
{
    return material_ == other.material_ && matched_ == other.matched_ && record_.name == other.record_.name &&
           record_.description == other.record_.description &&
           record_.outerDiameter == other.record_.outerDiameter &&
           record_.wallThickness == other.record_.wallThickness;
}

float PipeSelection::Emissivity() const
{
    return material_ ? material_->emissivity : CRormaterial().emissivity;
}

thermal::PipeWall PipeSelection::Wall(float thicknessMm) const
{
    thermal::PipeWall wall;
    wall.thickness = thicknessMm / 1000.0f;
    if (material_) {
        wall.conductivity0 = material_->conductivityAtZero;
        wall.slope = material_->temperatureCoefficient;
    }
    return wall;
}
