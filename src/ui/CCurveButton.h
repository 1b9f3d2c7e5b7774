#pragma once

#include <QAbstractButton>
#include <QPixmap>

#include <array>

// Shows a product's conductivity curve as the user types its measured
// points: the cubic (or, in three-point mode, the quadratic) through the
// points over axes that the points choose, with a small square on each
// point. Every change of a point or of the mode fits the curve again.
class CCurveButton : public QAbstractButton {
    Q_OBJECT

public:
    static constexpr int pointCount = 4;
    using Points = std::array<float, pointCount>;

    // The axes of one drawing: each runs from its minimum to its maximum in
    // ticks of its step.
    struct Axes {
        float temperatureMin = 0.0f;
        float temperatureMax = 0.0f;
        float temperatureStep = 0.0f;
        float conductivityMin = 0.0f;
        float conductivityMax = 0.0f;
        float conductivityStep = 0.0f;
    };

    explicit CCurveButton(QWidget* parent = nullptr);

    // Fits the curve through the points and repaints. When no curve passes
    // through them (two points used share a temperature) the previous fit
    // and drawing stay. True when the points were fitted.
    bool SetPoints(const Points& temperatures, const Points& conductivities, bool threePoints);

    // The coefficients of the last successful fit; false when there was none.
    bool GetCoefficients(float& outA, float& outB, float& outC, float& outD) const;
    bool HasDrawing() const { return hasDrawing_; }
    // The axes of what the control shows now.
    const Axes& DrawnAxes() const { return drawn_.axes; }

    // The axes for a set of points (the first three of them in three-point mode).
    static Axes AxesFor(const Points& temperatures, const Points& conductivities, bool threePoints);
    // The pixel of a point on the given axes.
    static QPoint Map(const Axes& axes, float temperature, float conductivity);

    // The background of the control: the axis lines and their captions.
    static const QPixmap& Background();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Drawing {
        Axes axes;
        float a = 0.0f, b = 0.0f, c = 0.0f, d = 0.0f;
        Points temperatures{};
        Points conductivities{};
        int points = 0;
    };

    bool hasFit_ = false;
    float a_ = 0.0f, b_ = 0.0f, c_ = 0.0f, d_ = 0.0f;
    bool hasDrawing_ = false;
    Drawing drawn_;
};
