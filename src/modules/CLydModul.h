#pragma once

#include "database/CAbsorpsjon.h"
#include "doc/CVekModul.h"

#include <array>
#include <memory>
#include <string>

// The module for sound attenuation of lined ducts.
class CLydModul : public CVekModul {
    TEKVAR_DECLARE_CLASS(CLydModul)

public:
    static constexpr int bandCount = CAbsorpsjonTykkelse::bandCount;

    CLydModul() = default;
    ~CLydModul() override;
    CLydModul(const CLydModul&) = delete;
    CLydModul& operator=(const CLydModul&) = delete;

    void Serialize(CArchive& ar) override;
    void SetDefaults() override;
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

    float userThickness = 50.0f; // mm
    float width = 400.0f;        // mm
    float height = 400.0f;       // mm
    float ductDiameter = 400.0f; // mm
    std::array<float, bandCount> userFactors{0.25f, 0.65f, 0.95f, 1.0f, 1.0f, 1.0f};
    int productSource = 0; // 0 database product, 1 the user's own
    std::string userProductName;
    std::array<std::string, 8> resultTexts; // formatted by the calculation; never stored
    int ductType = 0;                       // 0 circular, 1 rectangular, 2 lined top and bottom, 3 lined at the sides

private:
    void setThickness(CAbsorpsjonTykkelse* thickness);
    void readProduct(CArchive& ar);
    CAbsorpsjonTykkelse* resolveThickness(std::unique_ptr<CAbsorpsjonTykkelse> stored);

    CAbsorpsjonTykkelse* productThickness = nullptr;
    CAbsorpsjon* product = nullptr;
    // A stored thickness kept because its product offers none to choose
    // instead; productThickness then points here.
    std::unique_ptr<CAbsorpsjonTykkelse> ownThickness;
};
