#pragma once

#include "CTilleggsutstyr.h"
#include "PipeSelection.h"
#include "database/CEgendefIsoProdukt.h"
#include "database/CIsoProdukt.h"
#include "database/CMantling.h"
#include "doc/CItem.h"
#include "doc/ItemList.h"

#include <memory>

// One section of the flowing-medium run: a length of pipe or duct with its
// own cross-section, insulation, cladding, surroundings and flow. Its name is
// the section name. It stands in the dependents of every catalogue item it
// refers to.
class CSegment : public CListItem {
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
    // Equal in every stored field, the references and the fittings.
    bool SameAs(const CSegment& other) const;

    int sectionType = pipeline;
    float ductHeight = 200.0f;   // mm
    float ductWidth = 200.0f;    // mm
    float ductDiameter = 100.0f; // mm
    float length = 10.0f;        // m
    int insulationSource = catalogueProduct;
    float thickness = 50.0f;     // mm, layer 1 with a catalogue product
    float userThickness = 50.0f; // mm, layer 1 with a user's product
    bool twoLayers = false;
    int layer2Source = 0;        // 0 catalogue, 1 user's product
    float layer2Thickness = 50.0f;
    float layer2UserThickness = 50.0f;
    float ambientTemperature = 20.0f; // °C
    int surroundings = 0;
    float windSpeed = 2.0f;        // m/s
    float outerCoefficient = 5.0f; // W/(m²·K)
    bool innerCoefficientGiven = false;
    float innerCoefficient = 10.0f; // W/(m²·K)
    int flowUnit = 0;               // 0 m³/h, 1 l/s, 2 m/s
    float flow = 100.0f;
    bool ownEmissivity = false;
    float emissivity = 0.94f;
    bool innerCladdingEnabled = false;
    bool fittingsEnabled = false;
    ItemList<CTilleggsutstyr> fittings;
    int vertical = 0;
    bool uninsulatedSupports = false;
    bool ownPipeDimension = false;
    float pipeDiameter = 32.0f;  // mm
    float wallThickness = 2.0f;  // mm
    float bareEmissivity = 0.5f;

private:
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
