#pragma once

#include "database/CEgendefIsoProdukt.h"
#include "database/CIsoProdukt.h"
#include "doc/CItem.h"
#include "doc/CVekModul.h"
#include "thermal/Inputs.h"

#include <string>
#include <utility>
#include <vector>

// A product's conductivity and, for a maker's product, the temperature it
// may take, as the thermal kernel reads them (a user's own product never
// warns about its temperature); the kernel's defaults without a product.
thermal::LayerProduct LayerProductOf(const CIsoProdukt* product, bool userProduct);

// One insulation layer of a module: a product of the maker's catalogue or
// one of the user's own, and the layer's thickness for each of the two.
// The layer stands in the dependents of both products it refers to.
class CIsolasjon : public CItem {
    TEKVAR_DECLARE_CLASS(CIsolasjon)

public:
    enum Source : int {
        catalogueSource = 0, // "Norlam produkt"
        userSource = 1,      // "Annan produkt"
    };
    static constexpr float defaultThickness = 50.0f; // mm

    CIsolasjon() = default;
    CIsolasjon(int objectKind, bool askThickness);
    CIsolasjon(const CIsolasjon& other);
    CIsolasjon& operator=(const CIsolasjon& other);
    ~CIsolasjon() override;

    void Serialize(CArchive& ar) override;
    bool Edit() override;
    // A user's product becomes userProduct, any other product catalogueProduct.
    void Changed(CItem* item) override;

    // Source 0, both thicknesses 50 mm, no products.
    void Reset();

    CIsoProdukt* CatalogueProduct() const { return catalogueProduct_; }
    CEgendefIsoProdukt* UserProduct() const { return userProduct_; }
    void SetCatalogueProduct(CIsoProdukt* product);
    void SetUserProduct(CEgendefIsoProdukt* product);

    // The product and thickness (mm) of the current source.
    CIsoProdukt* Product() const;
    float Thickness() const;
    bool HasProduct() const { return Product() != nullptr; }
    bool UsesUserProduct() const { return source == userSource; }
    thermal::LayerProduct KernelProduct() const { return LayerProductOf(Product(), UsesUserProduct()); }

    // The text beside the layer buttons: empty without a product.
    std::string Summary(bool withThickness) const;
    // The four measured points of a user's product as input-table rows
    // (caption, value); none for a catalogue product.
    std::vector<std::pair<std::string, std::string>> ConductivityRows() const;

    // Equal in every stored field and in the products referred to.
    bool SameAs(const CIsolasjon& other) const;

    int source = catalogueSource;
    int objectKind = 0;       // the ObjectKind the products are offered for
    bool askThickness = true; // false when the module searches the thickness itself
    float userThickness = defaultThickness;      // mm
    float catalogueThickness = defaultThickness; // mm

private:
    CIsoProdukt* catalogueProduct_ = nullptr;
    CEgendefIsoProdukt* userProduct_ = nullptr;
};

// The picture of an object insulated with this first layer: the catalogue
// product's picture file for the object kind and orientation when it names
// one, else the built-in picture of the kind. The module's page header and
// its input dialog show the same picture.
ProductPicture LayerPicture(const CIsolasjon& layer1, int objectKind, bool vertical);
