#pragma once

#include "SoundInput.h"
#include "database/CAbsorpsjon.h"
#include "doc/CVekModul.h"
#include "report/CGraph.h"
#include "report/CTabell.h"
#include "report/CText.h"

#include <array>
#include <memory>
#include <string>

// The module for sound attenuation of lined ducts. Its input is a
// SoundInput; the absorption product and its thickness are the catalogue's.
class CLydModul : public CVekModul, public SoundInput {
    TEKVAR_DECLARE_CLASS(CLydModul)

public:
    static_assert(bandCount == CAbsorpsjonTykkelse::bandCount);

    CLydModul();
    ~CLydModul() override;
    CLydModul(const CLydModul&) = delete;
    CLydModul& operator=(const CLydModul&) = delete;

    void Serialize(CArchive& ar) override;
    void SetDefaults() override;
    // The attenuation in each band with its graph, the result and input
    // tables and the validity notes on page 6. Input that the dialog would
    // refuse is refused with its message; the page is then cleared.
    bool Calculate() override;
    // The product's picture for the duct type, else the program's own.
    ProductPicture GetProductPicture() const override;
    // Re-points the product or the thickness; does not recalculate.
    void Changed(CItem* item) override;

    CAbsorpsjon* Product() const { return product; }
    CAbsorpsjonTykkelse* ProductThickness() const { return productThickness; }
    // Sets the product and its thickness together: the thickness must be one
    // of the product's (or none when the product is none).
    void SetProduct(CAbsorpsjon* newProduct, CAbsorpsjonTykkelse* thickness);

    // The lining in use: the chosen thickness of the database product, or
    // the user's own product.
    float LiningThickness() const;
    float LiningFactor(int band) const;

    // The six attenuations, the critical frequency and the acoustic cross
    // dimension as the last calculation formatted them; never stored.
    std::array<std::string, 8> resultTexts;

    // The result page's items; rebuilt by every calculation, never stored.
    CTabell resultTable;
    CGraph graph;
    CTabell inputTable;
    CText notes;

    // The page the module's items stand on.
    static constexpr int pageIndex = 6;

private:
    void fillInputTable(float lining, const std::array<float, bandCount>& factors);
    void showResults(const SoundAttenuation& attenuation);
    void clearPage();
    void setThickness(CAbsorpsjonTykkelse* thickness);
    void readProduct(CArchive& ar);
    CAbsorpsjonTykkelse* resolveThickness(std::unique_ptr<CAbsorpsjonTykkelse> stored);

    CAbsorpsjonTykkelse* productThickness = nullptr;
    CAbsorpsjon* product = nullptr;
    // A stored thickness kept because its product offers none to choose
    // instead; productThickness then points here.
    std::unique_ptr<CAbsorpsjonTykkelse> ownThickness;
};

// The picture of a lined duct: with the maker's product, its picture for the
// duct type when it has one, else the program's own lined duct.
ProductPicture SoundPicture(const CAbsorpsjon* product, bool userProduct, int ductType);
