#include "CCurveButton.h"

#include "database/CEgendefIsoProdukt.h"
#include "doc/StringTable.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Where the axes lie in the control: the temperature axis from x 60 to 560
// along y 350, the conductivity axis from y 350 up to 50 along x 60.
constexpr int originX = 60;
constexpr int originY = 350;
constexpr int axisWidth = 500;
constexpr int axisHeight = 300;
constexpr int backgroundWidth = 600;
constexpr int backgroundHeight = 400;
constexpr int tickLength = 10;
constexpr int curveSteps = 20;

struct ConductivityScale {
    float above; // the span this row applies above
    float step;
    float rounding;
    float margin;
};

// The finer the span of the points, the finer the ticks and the margins.
constexpr ConductivityScale conductivityScales[] = {
    {25.0f, 2.5f, 50.0f, 2.5f},     {10.0f, 1.0f, 50.0f, 1.0f},      {5.0f, 0.5f, 50.0f, 0.5f},
    {2.5f, 0.25f, 50.0f, 0.25f},    {1.0f, 0.1f, 50.0f, 0.1f},       {0.5f, 0.1f, 50.0f, 0.1f},
    {0.25f, 0.05f, 50.0f, 0.05f},   {0.1f, 0.02f, 50.0f, 0.02f},     {0.05f, 0.01f, 100.0f, 0.01f},
    {0.025f, 0.005f, 200.0f, 0.005f},
};
constexpr ConductivityScale finestScale{0.0f, 0.002f, 500.0f, 0.002f};

int toPixel(float value)
{
    // A curve far off the axes still has to become a pixel; the painter clips it.
    return int(std::clamp(std::trunc(value), -100000.0f, 100000.0f));
}

bool usable(const CCurveButton::Axes& axes)
{
    const float temperatureSpan = axes.temperatureMax - axes.temperatureMin;
    const float conductivitySpan = axes.conductivityMax - axes.conductivityMin;
    return std::isfinite(temperatureSpan) && std::isfinite(conductivitySpan) && temperatureSpan != 0.0f &&
           conductivitySpan != 0.0f && axes.temperatureStep > 0.0f && axes.conductivityStep > 0.0f;
}

// The ticks of an axis: from its minimum in steps up to its maximum. Counted
// rather than summed, so that rounding cannot drop the last tick.
template <class Action>
void forEachTick(float min, float max, float step, Action action)
{
    const int count = int(std::floor((max - min) / step + 0.5f));
    for (int i = 0; i <= count; ++i)
        action(min + float(i) * step);
}

// A label on a white ground, placed by its alignment at the given point.
void drawLabel(QPainter& painter, const QString& text, QPoint at, Qt::Alignment alignment)
{
    const QFontMetrics metrics(painter.font());
    QRect box(QPoint(0, 0), QSize(metrics.horizontalAdvance(text), metrics.height()));
    if (alignment & Qt::AlignHCenter)
        box.moveLeft(at.x() - box.width() / 2);
    else if (alignment & Qt::AlignRight)
        box.moveRight(at.x());
    else
        box.moveLeft(at.x());
    box.moveTop(at.y());
    painter.fillRect(box, Qt::white);
    painter.drawText(box, Qt::AlignCenter, text);
}

} // namespace

CCurveButton::CCurveButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(Background().size());
}

QSize CCurveButton::sizeHint() const
{
    return Background().size();
}

const QPixmap& CCurveButton::Background()
{
    static const QPixmap background = [] {
        QPixmap pixmap(backgroundWidth, backgroundHeight);
        pixmap.fill(Qt::white);
        QPainter painter(&pixmap);
        painter.setPen(QColor(160, 160, 160));
        painter.drawRect(0, 0, backgroundWidth - 1, backgroundHeight - 1);
        painter.setPen(Qt::black);
        painter.drawLine(originX, originY - axisHeight - 10, originX, originY);
        painter.drawLine(originX, originY, originX + axisWidth + 10, originY);
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(9);
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(QRect(originX - 50, 8, 200, 20), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromUtf8("λ [W/mK]"));
        painter.drawText(QRect(originX, backgroundHeight - 22, axisWidth, 20), Qt::AlignHCenter | Qt::AlignVCenter,
                         QString::fromUtf8("Temperatur [°C]"));
        return pixmap;
    }();
    return background;
}

CCurveButton::Axes CCurveButton::AxesFor(const Points& temperatures, const Points& conductivities,
                                         bool threePoints)
{
    const int used = threePoints ? 3 : pointCount;
    const auto tRange = std::minmax_element(temperatures.begin(), temperatures.begin() + used);
    const auto lRange = std::minmax_element(conductivities.begin(), conductivities.begin() + used);

    Axes axes;
    const float tLow = *tRange.first;
    const float tHigh = *tRange.second;
    const float tSpan = tHigh - tLow;
    const float step = tSpan > 800.0f ? 200.0f
                       : tSpan > 400.0f ? 100.0f
                       : tSpan > 200.0f ? 50.0f
                       : tSpan > 100.0f ? 25.0f
                                        : 10.0f;
    axes.temperatureStep = step;
    axes.temperatureMin = std::trunc(tLow / step) * step - step;
    axes.temperatureMax = std::trunc(tHigh / step) * step + step;

    const float lLow = *lRange.first;
    const float lHigh = *lRange.second;
    const float lSpan = lHigh - lLow;
    ConductivityScale scale = finestScale;
    for (const ConductivityScale& row : conductivityScales) {
        if (lSpan > row.above) {
            scale = row;
            break;
        }
    }
    axes.conductivityStep = scale.step;
    axes.conductivityMin = std::trunc(lLow * scale.rounding) / scale.rounding - scale.margin;
    axes.conductivityMax = std::trunc(lHigh * scale.rounding) / scale.rounding + scale.margin;
    return axes;
}

QPoint CCurveButton::Map(const Axes& axes, float temperature, float conductivity)
{
    const float x = float(axisWidth) * (temperature - axes.temperatureMin) /
                    (axes.temperatureMax - axes.temperatureMin);
    const float y = float(axisHeight) * (conductivity - axes.conductivityMin) /
                    (axes.conductivityMax - axes.conductivityMin);
    return {originX + toPixel(x), originY - toPixel(y)};
}

bool CCurveButton::SetPoints(const Points& temperatures, const Points& conductivities, bool threePoints)
{
    float a = 0.0f, b = 0.0f, c = 0.0f, d = 0.0f;
    if (!CEgendefIsoProdukt::FitCoefficients(temperatures, conductivities, threePoints, a, b, c, d))
        return false;
    a_ = a;
    b_ = b;
    c_ = c;
    d_ = d;
    hasFit_ = true;

    // An axis without extent has no scale to draw on: the picture stays as it was.
    const Axes axes = AxesFor(temperatures, conductivities, threePoints);
    if (usable(axes)) {
        drawn_ = {axes, a, b, c, d, temperatures, conductivities, threePoints ? 3 : pointCount};
        hasDrawing_ = true;
    }
    update();
    return true;
}

bool CCurveButton::GetCoefficients(float& outA, float& outB, float& outC, float& outD) const
{
    if (!hasFit_)
        return false;
    outA = a_;
    outB = b_;
    outC = c_;
    outD = d_;
    return true;
}

void CCurveButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, Background());
    if (!hasDrawing_)
        return;

    const Axes& axes = drawn_.axes;
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    painter.setFont(font);
    painter.setPen(Qt::black);

    const int bottom = Map(axes, axes.temperatureMin, axes.conductivityMin).y();
    forEachTick(axes.temperatureMin, axes.temperatureMax, axes.temperatureStep, [&](float t) {
        const int x = Map(axes, t, axes.conductivityMin).x();
        painter.drawLine(x, bottom - tickLength / 2, x, bottom + tickLength / 2);
        drawLabel(painter, QString::fromStdString(Sprintf("%.0f", double(t))), {x, bottom + tickLength},
                  Qt::AlignHCenter);
    });
    const int left = Map(axes, axes.temperatureMin, axes.conductivityMin).x();
    forEachTick(axes.conductivityMin, axes.conductivityMax, axes.conductivityStep, [&](float lambda) {
        const int y = Map(axes, axes.temperatureMin, lambda).y();
        painter.drawLine(left - tickLength / 2, y, left + tickLength / 2, y);
        drawLabel(painter, QString::fromStdString(Sprintf("%.3f", double(lambda))), {left - tickLength, y - 5},
                  Qt::AlignRight);
    });

    // 0x00FF0000 in the program's colour order: blue.
    painter.setPen(QPen(QColor(0, 0, 255), 1));
    const auto curveAt = [&](float t) {
        return Map(axes, t, drawn_.a * t * t * t + drawn_.b * t * t + drawn_.c * t + drawn_.d);
    };
    const float stepWidth = (axes.temperatureMax - axes.temperatureMin) / float(curveSteps);
    QPoint previous = curveAt(axes.temperatureMin);
    for (int i = 1; i <= curveSteps; ++i) {
        const QPoint next = curveAt(axes.temperatureMin + float(i) * stepWidth);
        painter.drawLine(previous, next);
        previous = next;
    }
    for (int i = 0; i < drawn_.points; ++i) {
        const QPoint p = Map(axes, drawn_.temperatures[std::size_t(i)], drawn_.conductivities[std::size_t(i)]);
        painter.drawRect(QRect(p.x() - 2, p.y() - 2, 4, 4));
    }
}
