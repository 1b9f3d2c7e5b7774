#pragma once

#include "CGraphicsItem.h"

#include <array>
#include <string>

// The free space to leave around a pipe or duct so that its insulation can
// be mounted: a picture of the object with the distances a to e marked and
// their values in mm beside it.
class CInsulationSpace : public CGraphicsItem {
    TEKVAR_DECLARE_CLASS(CInsulationSpace)

public:
    enum Kind { pipe = 0, circularDuct = 1, rectangularDuct = 2 };

    struct Distances {
        int a = 0;
        int b = 0;
        int c = 0;
        int d = 0;
        int e = 0;
        friend bool operator==(const Distances&, const Distances&) = default;
    };

    CInsulationSpace();

    // Outer dimensions in metres: d1 the diameter of a pipe or circular
    // duct, d2 × d3 the width and height of a rectangular duct. Any other
    // kind is refused and changes nothing.
    virtual void SetDimensions(int kind, float d1, float d2, float d3);

    void Draw(platform::Canvas& canvas, const platform::Rect& visible) override;
    void BeginPrint(const platform::Canvas& printer) override;
    void EndPrint() override;
    void SetPosition(float x, float y) override;

    int Kind() const { return kind_; }
    const Distances& Distance() const { return distances_; }
    // Diameter, width and height in whole mm.
    int Diameter() const { return diameter_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    const platform::Rect& PictureRect() const { return pictureRect_; }
    int TitleHeight() const { return titleHeight_; }
    int LineHeight() const { return lineHeight_; }
    int TextColumn() const { return textColumn_; }

    static Distances DistancesFor(int kind, int diameter, int width, int height);

private:
    void layout();

    float x_ = 0;
    float y_ = 0;
    int kind_ = pipe;
    Distances distances_;
    int diameter_ = 0;
    int width_ = 0;
    int height_ = 0;
    platform::Rect pictureRect_;
    int titleHeight_ = 0;
    int lineHeight_ = 0;
    int textColumn_ = 0;
};
