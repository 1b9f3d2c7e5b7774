#include "ShellPictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

namespace {

// A pipe seen from its end: steel, insulation, a thin cladding.
void drawPipeSection(QPainter& painter, QPointF centre, qreal radius)
{
    painter.setPen(QPen(QColor(90, 90, 90), radius * 0.04));
    painter.setBrush(QColor(210, 210, 215));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(236, 196, 70));
    painter.drawEllipse(centre, radius * 0.9, radius * 0.9);
    painter.setBrush(QColor(120, 120, 125));
    painter.drawEllipse(centre, radius * 0.42, radius * 0.42);
    painter.setBrush(QColor(200, 60, 40));
    painter.drawEllipse(centre, radius * 0.34, radius * 0.34);
}

} // namespace

Season SeasonOfMonth(int month)
{
    return month == 12 || month <= 3 ? Season::winter : Season::summer;
}

QImage LandscapePicture(Season season, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    const bool winter = season == Season::winter;

    QLinearGradient sky(0, 0, 0, h * 0.65);
    sky.setColorAt(0, winter ? QColor(120, 145, 175) : QColor(70, 140, 220));
    sky.setColorAt(1, winter ? QColor(215, 225, 235) : QColor(185, 220, 250));
    painter.fillRect(QRectF(0, 0, w, h), sky);

    if (winter) {
        painter.setBrush(QColor(250, 235, 200));
    } else {
        painter.setBrush(QColor(255, 215, 60));
    }
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(w * 0.82, h * 0.2), h * 0.09, h * 0.09);

    // Hills, then the ground the pipe runs over.
    QPainterPath hills;
    hills.moveTo(0, h * 0.62);
    hills.cubicTo(w * 0.25, h * 0.42, w * 0.45, h * 0.62, w * 0.65, h * 0.5);
    hills.cubicTo(w * 0.8, h * 0.42, w * 0.9, h * 0.55, w, h * 0.5);
    hills.lineTo(w, h);
    hills.lineTo(0, h);
    painter.setBrush(winter ? QColor(235, 240, 248) : QColor(95, 160, 75));
    painter.drawPath(hills);
    painter.setBrush(winter ? QColor(250, 252, 255) : QColor(120, 185, 90));
    painter.drawRect(QRectF(0, h * 0.72, w, h * 0.28));

    // Trees: dark firs in winter, round leaf trees in summer.
    for (int i = 0; i < 4; ++i) {
        const qreal x = w * (0.08 + 0.13 * i);
        const qreal base = h * (0.6 - 0.03 * (i % 2));
        painter.setBrush(QColor(100, 70, 40));
        painter.drawRect(QRectF(x - w * 0.006, base - h * 0.05, w * 0.012, h * 0.06));
        if (winter) {
            QPolygonF fir{{x, base - h * 0.25}, {x - w * 0.04, base - h * 0.04}, {x + w * 0.04, base - h * 0.04}};
            painter.setBrush(QColor(40, 80, 60));
            painter.drawPolygon(fir);
            painter.setBrush(QColor(250, 252, 255));
            painter.drawPolygon(QPolygonF{{x, base - h * 0.25}, {x - w * 0.015, base - h * 0.18}, {x + w * 0.015, base - h * 0.18}});
        } else {
            painter.setBrush(QColor(50, 125, 50));
            painter.drawEllipse(QPointF(x, base - h * 0.11), w * 0.04, h * 0.09);
        }
    }

    // The insulated pipe on its supports, running into the picture.
    const qreal pipeY = h * 0.7;
    const qreal radius = h * 0.1;
    painter.setBrush(QColor(110, 110, 115));
    for (qreal x : {w * 0.3, w * 0.55})
        painter.drawRect(QRectF(x, pipeY, w * 0.015, h * 0.14));
    QLinearGradient cladding(0, pipeY - radius, 0, pipeY + radius);
    cladding.setColorAt(0, QColor(240, 240, 245));
    cladding.setColorAt(0.5, QColor(190, 192, 200));
    cladding.setColorAt(1, QColor(130, 132, 140));
    painter.setBrush(cladding);
    painter.drawRect(QRectF(w * 0.12, pipeY - radius, w * 0.56, 2 * radius));
    drawPipeSection(painter, QPointF(w * 0.68, pipeY), radius);
    if (winter) {
        painter.setBrush(QColor(252, 253, 255));
        painter.drawRoundedRect(QRectF(w * 0.12, pipeY - radius - h * 0.025, w * 0.56, h * 0.035), 4, 4);
        // Snow falling, the same flakes every time.
        QRandomGenerator flakes(2024);
        painter.setBrush(Qt::white);
        for (int i = 0; i < 90; ++i)
            painter.drawEllipse(QPointF(flakes.bounded(w), flakes.bounded(h * 0.9)), 1.6, 1.6);
    }

    QFont font(QStringLiteral("Sans Serif"));
    font.setBold(true);
    font.setPixelSize(int(h * 0.13));
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 0, 90));
    painter.drawText(QRectF(w * 0.05 + 2, h * 0.05 + 2, w * 0.6, h * 0.2), Qt::AlignLeft, QString::fromUtf8("Tekvar®"));
    painter.setPen(winter ? QColor(20, 50, 100) : QColor(255, 255, 255));
    painter.drawText(QRectF(w * 0.05, h * 0.05, w * 0.6, h * 0.2), Qt::AlignLeft, QString::fromUtf8("Tekvar®"));
    font.setBold(false);
    font.setPixelSize(int(h * 0.055));
    painter.setFont(font);
    painter.drawText(QRectF(w * 0.05, h * 0.2, w * 0.7, h * 0.1), Qt::AlignLeft,
                     QString::fromUtf8("Beräkningar för teknisk isolering"));
    return image;
}

QImage PipeEmblem(QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal radius = std::min(size.width(), size.height()) * 0.46;
    drawPipeSection(painter, QPointF(size.width() / 2.0, size.height() / 2.0), radius);
    return image;
}

namespace {

void drawSheet(QPainter& p, QRectF r)
{
    const qreal fold = r.width() * 0.3;
    QPolygonF sheet{r.topLeft(), {r.right() - fold, r.top()}, {r.right(), r.top() + fold}, r.bottomRight(), r.bottomLeft()};
    p.setPen(QPen(QColor(70, 70, 80), 1.2));
    p.setBrush(Qt::white);
    p.drawPolygon(sheet);
    p.drawPolyline(QPolygonF{{r.right() - fold, r.top()}, {r.right() - fold, r.top() + fold}, {r.right(), r.top() + fold}});
}

void drawLines(QPainter& p, QRectF r, int count)
{
    p.setPen(QPen(QColor(120, 130, 150), 1.2));
    for (int i = 0; i < count; ++i) {
        const qreal y = r.top() + (i + 1) * r.height() / (count + 1);
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }
}

} // namespace

QIcon DrawnToolIcon(const QString& name)
{
    QImage image(24, 24, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor blue(40, 90, 170);
    if (name == "document-new") {
        drawSheet(p, {5, 2, 14, 20});
        p.setPen(QPen(QColor(230, 170, 0), 2));
        p.drawLine(QPointF(16, 14), QPointF(22, 14));
        p.drawLine(QPointF(19, 11), QPointF(19, 17));
    } else if (name == "document-open") {
        p.setPen(QPen(QColor(150, 110, 30), 1.2));
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(2, 6, 20, 15));
        p.setBrush(QColor(250, 220, 120));
        p.drawPolygon(QPolygonF{{2, 21}, {6, 11}, {23, 11}, {20, 21}});
    } else if (name == "document-save") {
        p.setPen(QPen(QColor(30, 50, 90), 1.2));
        p.setBrush(blue);
        p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 3, 10, 7));
        p.setBrush(QColor(200, 200, 210));
        p.drawRect(QRectF(6, 13, 12, 8));
    } else if (name == "document-print" || name == "document-print-preview") {
        drawSheet(p, {6, 2, 12, 10});
        p.setPen(QPen(QColor(60, 60, 70), 1.2));
        p.setBrush(QColor(170, 170, 180));
        p.drawRoundedRect(QRectF(2, 10, 20, 9), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6, 16, 12, 6));
        if (name == "document-print-preview") {
            p.setPen(QPen(blue, 2));
            p.setBrush(QColor(255, 255, 255, 200));
            p.drawEllipse(QPointF(15, 9), 5, 5);
            p.drawLine(QPointF(18.5, 12.5), QPointF(22, 16));
        }
    } else if (name == "edit-copy") {
        drawSheet(p, {3, 2, 12, 15});
        drawSheet(p, {9, 7, 12, 15});
        drawLines(p, {11, 10, 7, 10}, 3);
    } else if (name == "input") {
        drawSheet(p, {3, 2, 15, 20});
        drawLines(p, {6, 5, 9, 14}, 4);
        p.setPen(QPen(QColor(200, 80, 30), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 19), QPointF(21, 8));
    } else if (name == "project") {
        p.setPen(QPen(QColor(60, 60, 70), 1.2));
        p.setBrush(QColor(250, 245, 225));
        p.drawRoundedRect(QRectF(2, 4, 20, 16), 2, 2);
        p.setBrush(blue);
        p.drawEllipse(QPointF(8, 10), 3, 3);
        p.drawChord(QRectF(3, 13, 10, 8), 0, 180 * 16);
        drawLines(p, {13, 7, 7, 10}, 3);
    } else if (name == "database") {
        p.setPen(QPen(QColor(40, 70, 40), 1.2));
        p.setBrush(QColor(110, 170, 100));
        p.drawRect(QRectF(4, 6, 16, 13));
        p.drawEllipse(QRectF(4, 16, 16, 6));
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(4.6, 6, 14.8, 13));
        p.setPen(QPen(QColor(40, 70, 40), 1.2));
        p.setBrush(QColor(150, 200, 140));
        p.drawEllipse(QRectF(4, 3, 16, 6));
        p.drawLine(QPointF(4, 6), QPointF(4, 19));
        p.drawLine(QPointF(20, 6), QPointF(20, 19));
    } else if (name == "help-contents") {
        p.setPen(Qt::NoPen);
        p.setBrush(blue);
        p.drawEllipse(QRectF(2, 2, 20, 20));
        QFont font(QStringLiteral("Sans Serif"));
        font.setBold(true);
        font.setPixelSize(16);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, QStringLiteral("?"));
    } else {
        return {};
    }
    p.end();
    return QIcon(QPixmap::fromImage(image));
}
