#pragma once

#include "database/CRordimensjon.h"
#include "database/CRormaterial.h"
#include "thermal/Inputs.h"

// The pipe that a module or a section uses: a pipe material of the
// catalogue, the owner's own record of the chosen dimension, and the
// catalogue dimension that record stands for. A record that no dimension of
// the material matches by name and values is a dimension of the user's own;
// documents never change the catalogue's dimensions.
// The owner stands in the dependents of the material and of the matched
// dimension.
class PipeSelection {
public:
    explicit PipeSelection(CItem& owner);
    ~PipeSelection();
    PipeSelection(const PipeSelection&) = delete;
    PipeSelection& operator=(const PipeSelection&) = delete;

    // Takes the other's material, record and match.
    void CopyFrom(const PipeSelection& other);

    CRormaterial* Material() const { return material_; }
    const CRordimensjon* CatalogueDimension() const { return matched_; }
    const CRordimensjon& Record() const { return record_; }
    // The bare pipe's emissivity: the material's, or a material's default
    // without one.
    float Emissivity() const;
    // The pipe wall of the given thickness (mm) with the material's
    // conductivity; without a material the wall conducts as the default.
    thermal::PipeWall Wall(float thicknessMm) const;

    // The catalogue's first material and its first dimension; without pipe
    // materials no material and an empty record.
    void SetDefaults();
    // The material; with firstDimension also its first dimension, otherwise
    // the record stays and is matched again.
    void SetMaterial(CRormaterial* material, bool firstDimension);
    // The record takes the dimension's name and values.
    void SetDimension(const CRordimensjon& dimension);
    // From a database edit: a material or a dimension of the material in use
    // takes the place of the one it replaces. False for other items.
    bool Changed(CItem* item);

    // The record itself (no class tag); reading matches it again.
    void SerializeRecord(CArchive& ar);
    void WriteMaterial(CArchive& ar) const;
    void ReadMaterial(CArchive& ar);
    // For records stored without their material: the first material whose
    // dimensions hold the record, else the first material. The record stays.
    void RestoreMaterialFromRecord();

    bool SameAs(const PipeSelection& other) const;

private:
    void match();
    void setMatched(CRordimensjon* dimension);

    CItem& owner_;
    CRormaterial* material_ = nullptr;
    CRordimensjon* matched_ = nullptr;
    CRordimensjon record_;
};

// The dimension of the material with the record's name and values, or none.
CRordimensjon* MatchingDimension(const CRormaterial* material, const CRordimensjon& record);
