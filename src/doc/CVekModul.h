#pragma once

#include "CItem.h"

#include <string>

// Which picture shows a module's object: a picture file of the chosen
// product, or one of the built-in object pictures by number.
struct ProductPicture {
    int builtin = -1;
    std::string file;
    bool IsNone() const { return builtin < 0 && file.empty(); }
};

// The base of the eight calculation modules.
class CVekModul : public CListItem {
    TEKVAR_DECLARE_CLASS(CVekModul)

public:
    // A module's record holds only its own fields; nothing of the list item.
    void Serialize(CArchive& ar) override;
    // Opens the module's input dialog; after OK the dialog's values are taken
    // over and the module calculates.
    bool Edit() override;

    // Runs the module's calculation and rebuilds its result page. False when
    // it failed; the module has then shown its message and cleared its page.
    virtual bool Calculate() { return false; }
    virtual void SetDefaults() {}
    virtual ProductPicture GetProductPicture() const { return {}; }

    bool resultsValid = false;
};

// Formats one value with a format text of the string table.
void FormatValue(std::string& out, int formatId, float value);
std::string FormatValue(int formatId, float value);
// The text with every negative zero ("-0", "-0.0", "-0,00") written as a zero.
std::string WithoutNegativeZero(std::string text);
float CylinderSurface(float diameter, float length);
float RectangleSurface(float height, float width, float length);
