#pragma once

#include "CTilleggsutstyr.h"
#include "PipeSelection.h"
#include "SectionInput.h"
#include "database/CEgendefIsoProdukt.h"
#include "database/CIsoProdukt.h"
#include "database/CMantling.h"
#include "doc/CItem.h"
#include "doc/CVekModul.h"
#include "doc/ItemList.h"
#include "report/CTabell.h"
#include "thermal/SectionBalance.h"

#include <memory>
#include <string>
#include <vector>

// One section of the flowing-medium run: a length of pipe or duct with its
// own cross-section, insulation, cladding, surroundings and flow. Its name is
// the section name. It stands in the dependents of every catalogue item it
// refers to.
class CSegment : public CListItem, public SectionInput {
    TEKVAR_DECLARE_CLASS(CSegment)

public:
    enum SectionType : int { pipeline = 0, circularDuct = 1, rectangularDuct = 2, insideInsulatedDuct = 3 };
    enum InsulationSource : int { catalogueProduct = 0, userDefinedProduct = 1, uninsulated = 2 };
    // The third LONG after the reserved words says the record has the
    // orientation block and the pipe dimension.
    static constexpr std::int32_t formatMarker = 1024;
    static constexpr int nameLimit = 60;

    explicit CSegment(int type = pipeline);
    CSegment(const CSegment& other);
    CSegment& operator=(const CSegment& other);
    ~CSegment() override;

    void Serialize(CArchive& ar) override;
    bool Edit() override;
    std::unique_ptr<CListItem> Clone() const override;
    // A section derived from this one with this one's type, not yet named.
    std::unique_ptr<CListItem> CreateNew() const override;
    // Re-points the reference the catalogue item replaces.
    void Changed(CItem* item) override;

    // "Ny sektion...": a section of the given type named "Sektion %d" with
    // the number, derived from the template or, without one, at its defaults.
    static std::unique_ptr<CSegment> CreateFromTemplate(const CSegment* templ, int type, int number);

    CIsoProdukt* Product() const { return product_; }
    CEgendefIsoProdukt* UserProduct() const { return userProduct_; }
    CIsoProdukt* Layer2Product() const { return layer2Product_; }
    CEgendefIsoProdukt* Layer2UserProduct() const { return layer2UserProduct_; }
    CMantling* Cladding() const { return cladding_; }
    CMantling* InnerCladding() const { return innerCladding_; }
    void SetProduct(CIsoProdukt* item);
    void SetUserProduct(CEgendefIsoProdukt* item);
    void SetLayer2Product(CIsoProdukt* item);
    void SetLayer2UserProduct(CEgendefIsoProdukt* item);
    void SetCladding(CMantling* item);
    void SetInnerCladding(CMantling* item);
    PipeSelection& Pipe() { return pipe_; }
    const PipeSelection& Pipe() const { return pipe_; }
    // The pipe's sizes and emissivity from the chosen dimension and material.
    void TakePipeValues();

    // The database list the outer cladding comes from.
    int CladdingList() const;
    // The products of the chosen sources; none for a layer not there.
    CIsoProdukt* ChosenLayer1Product() const;
    CIsoProdukt* ChosenLayer2Product() const;
    // The highest temperature the section stands at its inlet: layer 1's
    // product's, 10000 °C when uninsulated.
    float MaxUsableTemperature() const;
    // The emissivity of the outer surface: typed in (always with a given
    // coefficient), else the cladding's; an uninsulated section's own.
    float SurfaceEmissivity() const;
    // Metres of bare pipe the counted fittings stand for.
    float FittingLength() const;
    // What the checks need besides the numbers, with the names of the run's
    // other sections.
    SectionChoices Choices(std::vector<std::string> otherNames) const;

    // The heat balance's input with the medium entering at inletTemp; a
    // pipeline's liquid has volumetricHeatCapacity (ρ·c, J/(m³·K)).
    thermal::SectionInputs BalanceInputs(float inletTemp, float volumetricHeatCapacity) const;
    // The text beside the module dialog's section list.
    std::string Description() const;
    // The flow in its unit, as the description and the input table show it.
    std::string FlowText() const;
    // The picture beside it: layer 1's catalogue product on this type and
    // orientation, else the built-in picture of the type.
    ProductPicture Picture() const;
    // Builds the input table (position and page are the module's).
    void FillInputTable();
    // The input table and the tables it goes on in, in their order.
    std::vector<CTabell*> PageTables();
    // Equal in every stored field, the references and the fittings.
    bool SameAs(const CSegment& other) const;

    ItemList<CTilleggsutstyr> fittings;
    // The section's input on the module's page; rebuilt by every
    // calculation, never stored.
    CTabell sectionTable;
    // Where the input table is longer than a sheet holds, it goes on here.
    std::vector<std::unique_ptr<CTabell>> continuedTables;

private:
    void defineTable();
    void copyFrom(const CSegment& other);
    void setDefaultPipe();
    // A product slot pair: the one of the two the replacing item stands for.
    template <class T>
    void replaceProduct(T*& first, T*& second, T* item, int list);
    // Keeps the section in the dependents of every item it still uses after
    // one of two references to the same item was let go.
    void relinkAll();

    CIsoProdukt* product_ = nullptr;
    CEgendefIsoProdukt* userProduct_ = nullptr;
    CIsoProdukt* layer2Product_ = nullptr;
    CEgendefIsoProdukt* layer2UserProduct_ = nullptr;
    CMantling* cladding_ = nullptr;
    CMantling* innerCladding_ = nullptr;
    PipeSelection pipe_{*this};
};
