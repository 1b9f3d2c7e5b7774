#include "QtCanvas.h"

#include "QtPictures.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPolygon>

#include <cmath>

namespace {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Cell height (ascent + descent) of the face per pixel of its size, measured
// once: the page fonts are given by their cell height, Qt sizes by the em.
double cellPerPixel(const QFont& base)
{
    static QHash<QString, double> known;
    const QString key = base.family() + QString::number(base.weight());
    if (auto found = known.constFind(key); found != known.constEnd())
        return *found;
    QFont probe(base);
    probe.setPixelSize(200);
    const QFontMetricsF metrics(probe);
    const double ratio = metrics.height() > 0 ? (metrics.ascent() + metrics.descent()) / 200.0 : 1.0;
    known.insert(key, ratio);
    return ratio;
}

int rounded(double value)
{
    return int(std::lround(value));
}

} // namespace

QFont QtTextMeasure::ToQFont(const platform::Font& font)
{
    QFont qfont(QString::fromStdString(font.face));
    qfont.setStyleHint(QFont::SansSerif);
    qfont.setWeight(font.weight >= 700 ? QFont::Bold : QFont::Normal);
    const double perPixel = cellPerPixel(qfont);
    qfont.setPixelSize(std::max(1, rounded(font.height / perPixel)));
    // Same shapes on every device; the hinting of the screen would make the
    // widths of a text differ between view and paper.
    qfont.setHintingPreference(QFont::PreferNoHinting);
    return qfont;
}

QtTextMeasure::Measured& QtTextMeasure::measured(const platform::Font& font) const
{
    for (Measured& known : fonts_)
        if (known.font == font)
            return known;
    return fonts_.emplace_back(Measured{font, QFontMetricsF(ToQFont(font)), {}});
}

platform::Size QtTextMeasure::Extent(const platform::Font& font, std::string_view text) const
{
    Measured& known = measured(font);
    const int height = rounded(known.metrics.ascent() + known.metrics.descent());
    if (auto found = known.widths.find(text); found != known.widths.end())
        return {found->second, height};
    // A bound for a window open all day: start again rather than grow.
    if (known.widths.size() >= 20000)
        known.widths.clear();
    const int width = rounded(known.metrics.horizontalAdvance(toQString(text)));
    known.widths.emplace(text, width);
    return {width, height};
}

platform::FontMetrics QtTextMeasure::Metrics(const platform::Font& font) const
{
    const QFontMetricsF& metrics = measured(font).metrics;
    return {rounded(metrics.ascent() + metrics.descent()), rounded(metrics.averageCharWidth()),
            rounded(metrics.leading())};
}

QtCanvas::QtCanvas(QPainter* painter) : QtCanvas(painter, Device{}) {}

QtCanvas::QtCanvas(QPainter* painter, Device device) : device_(device)
{
    SetPainter(painter);
}

void QtCanvas::SetPainter(QPainter* painter)
{
    painter_ = painter;
    if (!painter_)
        return;
    painter_->setRenderHint(QPainter::Antialiasing, true);
    painter_->setRenderHint(QPainter::TextAntialiasing, true);
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter_->setBackgroundMode(Qt::TransparentMode);
    applyState();
}

QColor QtCanvas::ToQColor(platform::Colour colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

void QtCanvas::applyState()
{
    if (!painter_)
        return;
    painter_->setFont(QtTextMeasure::ToQFont(font_));
    QPen pen(ToQColor(pen_.colour));
    pen.setCapStyle(Qt::FlatCap);
    if (pen_.style == platform::PenStyle::Dotted) {
        // Dots of about a quarter millimetre whatever the device: a dot
        // pattern of single printer dots would print as a solid grey line.
        const double dotsPerMm = device_.resolution.width > 0 && device_.sheet.width > 0
                                     ? device_.resolution.width / double(device_.sheet.width)
                                     : 1 / 0.254;
        const double width = std::max(1, pen_.width);
        const double dot = std::max(1.0, std::round(dotsPerMm * 0.25));
        pen.setWidthF(width);
        pen.setDashPattern({dot / width, 2 * dot / width});
    } else {
        // A pen of one unit is the device's thinnest line (a hairline on paper).
        pen.setWidth(pen_.width <= 1 ? 0 : pen_.width);
    }
    painter_->setPen(pen);
    painter_->setBrush(hasBrush_ ? QBrush(ToQColor(brush_)) : QBrush(Qt::NoBrush));
}

void QtCanvas::SelectFont(const platform::Font& font)
{
    font_ = font;
    applyState();
}

void QtCanvas::SetPen(const platform::Pen& pen)
{
    pen_ = pen;
    applyState();
}

void QtCanvas::SetBrush(platform::Colour colour)
{
    hasBrush_ = true;
    brush_ = colour;
    applyState();
}

void QtCanvas::SetNoBrush()
{
    hasBrush_ = false;
    applyState();
}

void QtCanvas::DrawLine(platform::Point from, platform::Point to)
{
    if (painter_)
        painter_->drawLine(from.x, from.y, to.x, to.y);
}

void QtCanvas::DrawPolyline(std::span<const platform::Point> points)
{
    if (!painter_ || points.empty())
        return;
    QPolygon polygon;
    polygon.reserve(qsizetype(points.size()));
    for (const platform::Point& p : points)
        polygon << QPoint(p.x, p.y);
    painter_->drawPolyline(polygon);
}

void QtCanvas::DrawRectangle(const platform::Rect& rect)
{
    if (painter_)
        painter_->drawRect(QRectF(rect.left, rect.top, rect.Width(), rect.Height()));
}

void QtCanvas::FillRect(const platform::Rect& rect, platform::Colour colour)
{
    if (painter_)
        painter_->fillRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), ToQColor(colour));
}

void QtCanvas::DrawText(platform::Point anchor, std::string_view text, platform::TextAlign align)
{
    if (!painter_ || text.empty())
        return;
    const QString qtext = toQString(text);
    const QFontMetricsF metrics(painter_->font());
    double x = anchor.x;
    const double width = metrics.horizontalAdvance(qtext);
    if (align.h == platform::HAlign::Centre)
        x -= width / 2;
    else if (align.h == platform::HAlign::Right)
        x -= width;
    double top = anchor.y;
    if (align.v == platform::VAlign::Centre)
        top -= (metrics.ascent() + metrics.descent()) / 2;
    // Texts are black whatever pen the lines were drawn with.
    const QPen pen = painter_->pen();
    painter_->setPen(Qt::black);
    painter_->drawText(QPointF(x, top + metrics.ascent()), qtext);
    painter_->setPen(pen);
}

void QtCanvas::DrawTextInRect(const platform::Rect& rect, std::string_view text, platform::TextAlign align)
{
    platform::Point anchor{rect.left, rect.top};
    if (align.h == platform::HAlign::Centre)
        anchor.x = (rect.left + rect.right) / 2;
    else if (align.h == platform::HAlign::Right)
        anchor.x = rect.right;
    if (align.v == platform::VAlign::Centre)
        anchor.y = (rect.top + rect.bottom) / 2;
    DrawText(anchor, text, align);
}

void QtCanvas::DrawPicture(const platform::PictureRef& picture, const platform::Rect& target)
{
    if (!painter_ || target.IsEmpty())
        return;
    QtPictures::Draw(*painter_, picture, QRectF(target.left, target.top, target.Width(), target.Height()));
}
