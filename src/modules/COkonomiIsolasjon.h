#pragma once

#include "database/CEgendefIsoProdukt.h"
#include "database/CIsoProdukt.h"
#include "database/CMantling.h"
#include "doc/CItem.h"

#include <string>

// One insulation alternative of the economy module: a product and thickness,
// the surface over it and the installed cost. Its name is its display text.
class COkonomiIsolasjon : public CListItem {
    TEKVAR_DECLARE_CLASS(COkonomiIsolasjon)

public:
    COkonomiIsolasjon() = default;
    explicit COkonomiIsolasjon(int objectKind) : objectKind(objectKind) {}
    // A copy uses the same catalogue items and becomes their dependent too.
    COkonomiIsolasjon(const COkonomiIsolasjon& other);
    COkonomiIsolasjon& operator=(const COkonomiIsolasjon& other);
    ~COkonomiIsolasjon() override;

    // The record holds the name but not the description.
    void Serialize(CArchive& ar) override;
    bool Edit() override;
    void Changed(CItem* item) override;
    std::unique_ptr<CListItem> Clone() const override;

    CIsoProdukt* MakerProduct() const { return makerProduct; }
    CEgendefIsoProdukt* UserProduct() const { return userProduct; }
    CMantling* OuterCladding() const { return outerCladding; }
    CMantling* InnerCladding() const { return innerCladding; }
    void SetMakerProduct(CIsoProdukt* product);
    void SetUserProduct(CEgendefIsoProdukt* product);
    void SetOuterCladding(CMantling* cladding);
    void SetInnerCladding(CMantling* cladding);

    // The product and thickness of the chosen source.
    CIsoProdukt* Product() const;
    float Thickness() const;
    // The typed-in emissivity, or the outer cladding's (0 without one).
    float SurfaceEmissivity() const;

    // What costs are counted per: "m²" for surfaces, "m" otherwise.
    static std::string Unit(int objectKind);
    // "P, 50mm, 125.00 kr/m": product, thickness, cost and unit; empty
    // without a product.
    std::string DisplayText() const;

    int productSource = 0; // 0 maker's product, 1 user product
    int objectKind = 0;
    float makerThickness = 50.0f; // mm
    float userThickness = 50.0f;  // mm
    float cost = 100.0f;          // kr per m or m²
    int surfaceSource = 0;        // 0 cladding from the database, 1 typed-in emissivity
    float surfaceEmissivity = 0.94f;
    int innerCladdingEnabled = 0;

private:
    void releaseAll();
    void takeReferences(const COkonomiIsolasjon& other);

    CIsoProdukt* makerProduct = nullptr;
    CEgendefIsoProdukt* userProduct = nullptr;
    CMantling* outerCladding = nullptr;
    CMantling* innerCladding = nullptr;
};
