#include "QtPictures.h"

#include "report/ObjectPictures.h"

#include <QCache>
#include <QFont>
#include <QPainterPath>
#include <QtMath>

#include <functional>
#include <map>

namespace {

// The drawing palette: restrained colours that still tell the layers apart
// when printed in grey.
const QColor ink(30, 30, 30);
const QColor steel(150, 156, 162);
const QColor steelDark(110, 116, 122);
const QColor sheet(190, 195, 200);
const QColor wool(246, 228, 160);   // mineral wool
const QColor woolLine(196, 160, 70);
const QColor cladding(215, 218, 222);
const QColor medium(206, 228, 246);  // liquid or air inside
const QColor mediumLine(70, 130, 190);
const QColor lining(200, 226, 190);  // sound absorption
const QColor liningLine(110, 160, 100);
const QColor concrete(225, 225, 225);
const QColor heat(205, 70, 40);

QPen line(double width, QColor colour = ink)
{
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// Parallel strokes across an area, clipped to it: the hatching of a cut
// material, drawn as lines so that it prints as sharply as the outline.
void hatch(QPainter& p, const QPainterPath& area, double spacing, double angleDegrees, QPen pen)
{
    p.save();
    p.setClipPath(area, Qt::IntersectClip);
    p.setPen(pen);
    const QRectF box = area.boundingRect();
    const double reach = box.width() + box.height();
    const QPointF centre = box.center();
    p.translate(centre);
    p.rotate(angleDegrees);
    for (double offset = -reach; offset <= reach; offset += spacing)
        p.drawLine(QPointF(-reach, offset), QPointF(reach, offset));
    p.restore();
}

// Fills an area with a material: colour, hatching and outline.
void material(QPainter& p, const QPainterPath& area, QColor fill, const QPen* strokes, double spacing, double angle,
              double outline = 1.6)
{
    p.fillPath(area, fill);
    if (strokes)
        hatch(p, area, spacing, angle, *strokes);
    p.strokePath(area, line(outline));
}

QPainterPath ring(QPointF centre, double outer, double inner)
{
    QPainterPath path;
    path.addEllipse(centre, outer, outer);
    QPainterPath hole;
    hole.addEllipse(centre, inner, inner);
    return path.subtracted(hole);
}

QPainterPath frame(const QRectF& outer, const QRectF& inner)
{
    QPainterPath path;
    path.addRect(outer);
    QPainterPath hole;
    hole.addRect(inner);
    return path.subtracted(hole);
}

QPainterPath disc(QPointF centre, double r)
{
    QPainterPath path;
    path.addEllipse(centre, r, r);
    return path;
}

QPainterPath box(const QRectF& rect)
{
    QPainterPath path;
    path.addRect(rect);
    return path;
}

void arrowHead(QPainter& p, QPointF tip, QPointF from, double size, QColor colour)
{
    const QLineF back(tip, from);
    const double angle = qDegreesToRadians(back.angle());
    const double spread = qDegreesToRadians(18.0);
    QPolygonF head;
    head << tip << tip + QPointF(std::cos(angle + spread) * size, -std::sin(angle + spread) * size)
         << tip + QPointF(std::cos(angle - spread) * size, -std::sin(angle - spread) * size);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(head);
    p.setBrush(Qt::NoBrush);
}

void arrow(QPainter& p, QPointF from, QPointF to, double width, QColor colour)
{
    p.setPen(line(width, colour));
    const QLineF shaft(from, to);
    p.drawLine(QLineF(from, shaft.pointAt(std::max(0.0, 1 - 3.2 * width / std::max(1.0, shaft.length())))));
    arrowHead(p, to, from, 4.5 * width, colour);
}

QFont labelFont(double size, bool bold = false, bool italic = false)
{
    QFont font("Arial");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, int(size)));
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void label(QPainter& p, QPointF centre, const QString& text, double size, QColor colour = ink, bool bold = false)
{
    p.setFont(labelFont(size, bold, true));
    p.setPen(colour);
    QRectF rect(centre.x() - 40, centre.y() - size, 80, 2 * size);
    p.drawText(rect, Qt::AlignCenter, text);
}

// A dimension: a thin line with an arrow at both ends and its letter on a
// white ground at the middle, as on a drawing.
void dimension(QPainter& p, QPointF from, QPointF to, const QString& letter)
{
    const QColor colour(20, 60, 140);
    p.setPen(line(1.1, colour));
    p.drawLine(from, to);
    arrowHead(p, from, to, 8, colour);
    arrowHead(p, to, from, 8, colour);
    const QPointF middle = (from + to) / 2;
    const QRectF ground(middle.x() - 9, middle.y() - 10, 18, 20);
    p.fillRect(ground, Qt::white);
    label(p, middle, letter, 17, colour, true);
}

void extension(QPainter& p, QPointF from, QPointF to)
{
    p.setPen(line(0.8, QColor(20, 60, 140)));
    p.drawLine(from, to);
}

void centreLines(QPainter& p, QPointF centre, double reach)
{
    QPen pen = line(0.8, QColor(90, 90, 90));
    pen.setDashPattern({10, 3, 2, 3});
    p.setPen(pen);
    p.drawLine(QPointF(centre.x() - reach, centre.y()), QPointF(centre.x() + reach, centre.y()));
    p.drawLine(QPointF(centre.x(), centre.y() - reach), QPointF(centre.x(), centre.y() + reach));
}

// A fixed building surface (ceiling or wall) with the short strokes on its
// solid side.
void buildingEdge(QPainter& p, QPointF from, QPointF to, bool strokesUpOrLeft)
{
    p.setPen(line(2.2));
    p.drawLine(from, to);
    p.setPen(line(1.0));
    const QLineF edge(from, to);
    const double length = edge.length();
    const QPointF along = (to - from) / length;
    const QPointF normal = strokesUpOrLeft ? QPointF(along.y(), -along.x()) : QPointF(-along.y(), along.x());
    for (double s = 6; s < length; s += 12) {
        const QPointF base = from + along * s;
        p.drawLine(base, base + normal * 9 - along * 7);
    }
}

const QPen woolStrokes = line(0.9, woolLine);
const QPen steelStrokes = line(0.9, steelDark);
const QPen liningStrokes = line(0.9, liningLine);

// --- object pictures, 320 × 320 ---------------------------------------------

// One layer of a cylinder seen obliquely from the right: its mantle from
// x0 to x1 and its end face at x1, as a foreshortened ellipse.
void cylinderLayer(QPainter& p, double x0, double x1, double cy, double r, QColor fill, const QPen* strokes)
{
    const double rx = r * 0.32;
    QPainterPath mantle;
    mantle.moveTo(x0, cy - r);
    mantle.lineTo(x1, cy - r);
    mantle.arcTo(QRectF(x1 - rx, cy - r, 2 * rx, 2 * r), 90, -180);
    mantle.lineTo(x0, cy + r);
    mantle.arcTo(QRectF(x0 - rx, cy - r, 2 * rx, 2 * r), 270, -180);
    mantle.closeSubpath();
    material(p, mantle, fill.darker(104), nullptr, 0, 0);
    QPainterPath face;
    face.addEllipse(QRectF(x1 - rx, cy - r, 2 * rx, 2 * r));
    material(p, face, fill, strokes, 7, 60);
}

// A run of pipe or duct with its layers cut back step by step.
struct Layer {
    double r;
    double end;
    QColor fill;
    const QPen* strokes;
};

void cutawayRun(QPainter& p, double cy, const std::vector<Layer>& layers, double innerR, QColor inner)
{
    double start = 46;
    for (const Layer& layer : layers) {
        cylinderLayer(p, start, layer.end, cy, layer.r, layer.fill, layer.strokes);
        start = layer.end;
    }
    const double rx = innerR * 0.32;
    QPainterPath bore;
    bore.addEllipse(QRectF(start - rx, cy - innerR, 2 * rx, 2 * innerR));
    material(p, bore, inner, nullptr, 0, 0, 1.2);
}

void drawPipe(QPainter& p)
{
    cutawayRun(p, 160,
               {{96, 165, cladding, nullptr}, {92, 245, wool, &woolStrokes}, {40, 292, steel, nullptr}}, 32,
               medium);
}

void drawCircularDuct(QPainter& p)
{
    cutawayRun(p, 160, {{108, 215, wool, &woolStrokes}, {72, 288, sheet, nullptr}}, 69, medium);
}

// A rectangular duct in oblique view: its cut end in front, its length
// running back up to the left.
void drawRectangularDuct(QPainter& p, bool insulatedInside)
{
    const QPointF depth(-70, -55);
    const QRectF outer(110, 110, 180, 150);
    const double t = 26; // insulation thickness
    const double s = 4;  // sheet metal
    // The length of the duct, behind the cut.
    QPolygonF top;
    top << outer.topLeft() << outer.topLeft() + depth << outer.topRight() + depth << outer.topRight();
    QPolygonF side;
    side << outer.topLeft() << outer.topLeft() + depth << outer.bottomLeft() + depth << outer.bottomLeft();
    const QColor outside = insulatedInside ? sheet : wool;
    p.setPen(line(1.6));
    p.setBrush(outside.darker(108));
    p.drawPolygon(top);
    p.setBrush(outside.darker(118));
    p.drawPolygon(side);
    p.setBrush(Qt::NoBrush);

    const QRectF sheetOuter = insulatedInside ? outer : outer.adjusted(t, t, -t, -t);
    const QRectF sheetInner = sheetOuter.adjusted(s, s, -s, -s);
    if (insulatedInside) {
        material(p, frame(sheetOuter, sheetInner), sheet, nullptr, 0, 0);
        const QRectF woolInner = sheetInner.adjusted(t, t, -t, -t);
        material(p, frame(sheetInner, woolInner), wool, &woolStrokes, 7, 60);
        material(p, box(woolInner), medium, nullptr, 0, 0, 1.2);
    } else {
        material(p, frame(outer, sheetOuter), wool, &woolStrokes, 7, 60);
        material(p, frame(sheetOuter, sheetInner), sheet, nullptr, 0, 0);
        material(p, box(sheetInner), medium, nullptr, 0, 0, 1.2);
    }
}

// A flat wall seen cut through: the medium on the left, then the wall and
// the insulation on its outer (right) or inner (left) side.
void drawFlatSurface(QPainter& p, bool insulatedInside)
{
    const double top = 40;
    const double bottom = 280;
    auto slab = [&](double x0, double x1) { return box(QRectF(x0, top, x1 - x0, bottom - top)); };
    // The medium side, open towards the left.
    p.fillRect(QRectF(20, top, 80, bottom - top), medium);
    p.setPen(line(1.2, mediumLine));
    for (double y = top + 30; y < bottom; y += 40) {
        QPainterPath wave;
        wave.moveTo(30, y);
        wave.cubicTo(45, y - 8, 60, y + 8, 75, y);
        p.drawPath(wave);
    }
    if (insulatedInside) {
        material(p, slab(100, 104), cladding, nullptr, 0, 0);
        material(p, slab(104, 190), wool, &woolStrokes, 8, 60);
        material(p, slab(190, 240), concrete, &steelStrokes, 10, -45);
    } else {
        material(p, slab(100, 150), concrete, &steelStrokes, 10, -45);
        material(p, slab(150, 236), wool, &woolStrokes, 8, 60);
        material(p, slab(236, 240), cladding, nullptr, 0, 0);
    }
    // Heat leaves through the wall to the surroundings on the right.
    arrow(p, QPointF(254, 160), QPointF(300, 160), 3, heat);
}

// A window cut through a tank's insulation: the steel wall around the
// liquid and its level.
void tankWindow(QPainter& p, const QRectF& window, double wall)
{
    material(p, box(window), steel, nullptr, 0, 0);
    const QRectF liquid = window.adjusted(wall, wall, -wall, -wall);
    material(p, box(liquid), medium, nullptr, 0, 0, 1.2);
    p.setPen(line(1.2, mediumLine));
    const double level = liquid.top() + 2 * wall + 2;
    p.drawLine(QPointF(liquid.left(), level), QPointF(liquid.right(), level));
}

void drawTankBox(QPainter& p)
{
    const QRectF front(60, 110, 170, 170);
    const QPointF depth(60, -60);
    QPolygonF top;
    top << front.topLeft() << front.topLeft() + depth << front.topRight() + depth << front.topRight();
    QPolygonF side;
    side << front.topRight() << front.topRight() + depth << front.bottomRight() + depth << front.bottomRight();
    p.setPen(line(1.6));
    p.setBrush(wool.darker(106));
    p.drawPolygon(top);
    p.setBrush(wool.darker(118));
    p.drawPolygon(side);
    p.setBrush(Qt::NoBrush);
    material(p, box(front), wool, &woolStrokes, 9, 60);
    tankWindow(p, QRectF(95, 150, 100, 100), 8);
}

void drawTankCylinder(QPainter& p)
{
    const double cx = 160;
    const double r = 95;
    const double ry = 28;
    const double top = 60;
    const double bottom = 270;
    QPainterPath body;
    body.moveTo(cx - r, top);
    body.lineTo(cx - r, bottom);
    body.arcTo(QRectF(cx - r, bottom - ry, 2 * r, 2 * ry), 180, 180);
    body.lineTo(cx + r, top);
    body.closeSubpath();
    material(p, body, wool, &woolStrokes, 9, 60);
    QPainterPath lid;
    lid.addEllipse(QRectF(cx - r, top - ry, 2 * r, 2 * ry));
    material(p, lid, wool.lighter(104), nullptr, 0, 0);
    tankWindow(p, QRectF(cx - 30, top + 60, 60, 120), 7);
}

void drawTankSphere(QPainter& p)
{
    const QPointF centre(160, 150);
    // Legs first, behind the sphere.
    p.setPen(line(5, steelDark));
    p.drawLine(QPointF(100, 200), QPointF(88, 295));
    p.drawLine(QPointF(220, 200), QPointF(232, 295));
    p.drawLine(QPointF(160, 230), QPointF(160, 300));
    material(p, ring(centre, 120, 98), wool, &woolStrokes, 9, 60);
    material(p, ring(centre, 98, 90), steel, nullptr, 0, 0);
    material(p, disc(centre, 90), medium, nullptr, 0, 0, 1.2);
    p.setPen(line(1.2, mediumLine));
    p.drawLine(QPointF(centre.x() - 84, centre.y() - 30), QPointF(centre.x() + 84, centre.y() - 30));
    p.setPen(line(1.5));
    p.drawLine(QPointF(40, 300), QPointF(280, 300));
}

// Sound waves leaving the middle of a lined duct towards its lining.
void soundWaves(QPainter& p, QPointF centre, double first, double step)
{
    p.setPen(line(2.2, QColor(40, 80, 150)));
    for (int i = 0; i < 3; ++i) {
        const double r = first + i * step;
        p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), -40 * 16, 80 * 16);
        p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 140 * 16, 80 * 16);
    }
    p.setBrush(QColor(40, 80, 150));
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, 6, 6);
    p.setBrush(Qt::NoBrush);
}

void drawSoundCircular(QPainter& p)
{
    const QPointF centre(160, 160);
    material(p, ring(centre, 130, 124), sheet, nullptr, 0, 0);
    material(p, ring(centre, 124, 84), lining, &liningStrokes, 7, 45);
    material(p, disc(centre, 84), medium, nullptr, 0, 0, 1.2);
    soundWaves(p, centre, 22, 20);
}

void drawSoundRectangular(QPainter& p)
{
    const QRectF outer(30, 60, 260, 200);
    const QRectF inner = outer.adjusted(6, 6, -6, -6);
    const QRectF air = inner.adjusted(36, 36, -36, -36);
    material(p, frame(outer, inner), sheet, nullptr, 0, 0);
    material(p, frame(inner, air), lining, &liningStrokes, 7, 45);
    material(p, box(air), medium, nullptr, 0, 0, 1.2);
    soundWaves(p, air.center(), 20, 20);
}

// --- installation-space pictures, 360 × 240 ------------------------------

// Two objects side by side under a ceiling and beside a wall, with the free
// space a and b around them and the distances c, d and e to their centres.
void drawSpace(QPainter& p, int kind)
{
    const double ceiling = 34;
    const double wall = 30;
    const double a = 46;
    const double b = 40;
    const bool rectangular = kind == 2;
    const double halfW = rectangular ? 52 : 42;
    const double halfH = rectangular ? 36 : 42;
    const double x1 = wall + a + halfW;
    const double x2 = x1 + 2 * halfW + a;
    const double cy = ceiling + b + halfH;

    buildingEdge(p, QPointF(wall, ceiling), QPointF(350, ceiling), true);
    buildingEdge(p, QPointF(wall, ceiling), QPointF(wall, 232), true);

    for (double cx : {x1, x2}) {
        const QPointF centre(cx, cy);
        if (rectangular) {
            const QRectF outer(cx - halfW, cy - halfH, 2 * halfW, 2 * halfH);
            material(p, frame(outer, outer.adjusted(3, 3, -3, -3)), sheet, nullptr, 0, 0, 1.4);
            material(p, box(outer.adjusted(3, 3, -3, -3)), medium, nullptr, 0, 0, 1.0);
        } else if (kind == 0) {
            material(p, ring(centre, halfW, halfW - 7), steel, nullptr, 0, 0, 1.4);
            material(p, disc(centre, halfW - 7), medium, nullptr, 0, 0, 1.0);
        } else {
            material(p, ring(centre, halfW, halfW - 3), sheet, nullptr, 0, 0, 1.4);
            material(p, disc(centre, halfW - 3), medium, nullptr, 0, 0, 1.0);
        }
        centreLines(p, centre, halfW + 10);
    }

    // b and c from the ceiling, beside the second object.
    const double bx = x2 + halfW * 0.45;
    dimension(p, QPointF(bx, ceiling), QPointF(bx, cy - halfH), "b");
    const double cxLine = x2 + halfW + 18;
    extension(p, QPointF(x2 + halfW * 0.2, cy), QPointF(cxLine + 6, cy));
    dimension(p, QPointF(cxLine, ceiling), QPointF(cxLine, cy), "c");
    // a from the wall and between the objects.
    const double ay = cy + halfH * 0.55;
    dimension(p, QPointF(wall, ay), QPointF(x1 - halfW, ay), "a");
    dimension(p, QPointF(x1 + halfW, ay), QPointF(x2 - halfW, ay), "a");
    // e from the wall to the first centre, d between the centres.
    const double ey = cy + halfH + 24;
    const double dy = ey + 26;
    extension(p, QPointF(x1, cy + halfH * 0.2), QPointF(x1, dy + 6));
    extension(p, QPointF(x2, cy + halfH * 0.2), QPointF(x2, dy + 6));
    dimension(p, QPointF(wall, ey), QPointF(x1, ey), "e");
    dimension(p, QPointF(x1, dy), QPointF(x2, dy), "d");
}

// --- header pictures -------------------------------------------------------

void drawLogo(QPainter& p)
{
    // 300 × 102. Kept clear of the bottom strip, where the page header
    // writes its caption under the logo.
    const QPointF centre(44, 44);
    material(p, ring(centre, 38, 35), cladding, nullptr, 0, 0, 1.4);
    material(p, ring(centre, 35, 17), wool, &woolStrokes, 5, 60, 1.4);
    material(p, ring(centre, 17, 12), steel, nullptr, 0, 0, 1.4);
    material(p, disc(centre, 12), medium, nullptr, 0, 0, 1.0);
    p.setFont(labelFont(46, true));
    p.setPen(QColor(20, 50, 110));
    p.drawText(QPointF(94, 58), "NORLAM");
    p.fillRect(QRectF(95, 68, 195, 4), QColor(196, 160, 70));
}

// The module pictures, 100 × 100.
void insulatedSection(QPainter& p, QPointF centre, double outer, double inner, QColor core)
{
    material(p, ring(centre, outer, inner + 3), wool, &woolStrokes, 4, 60, 1.2);
    material(p, ring(centre, inner + 3, inner), steel, nullptr, 0, 0, 1.2);
    material(p, disc(centre, inner), core, nullptr, 0, 0, 1.0);
}

void drawModule(QPainter& p, int module)
{
    const QPointF centre(50, 50);
    switch (module) {
    case 0: // heat loss: heat leaving an insulated pipe
        insulatedSection(p, centre, 26, 12, QColor(240, 190, 170));
        for (int i = 0; i < 4; ++i) {
            const double angle = qDegreesToRadians(45.0 + 90 * i);
            const QPointF dir(std::cos(angle), -std::sin(angle));
            arrow(p, centre + dir * 30, centre + dir * 46, 2.4, heat);
        }
        break;
    case 1: // flowing medium: temperature along a run
        material(p, box(QRectF(6, 30, 88, 40)), wool, &woolStrokes, 4, 60, 1.2);
        material(p, box(QRectF(6, 40, 88, 20)), medium, nullptr, 0, 0, 1.2);
        arrow(p, QPointF(14, 50), QPointF(86, 50), 2.4, mediumLine);
        label(p, QPointF(18, 20), "T1", 13, heat, true);
        label(p, QPointF(82, 20), "T2", 13, mediumLine, true);
        break;
    case 2: { // tank: temperature over time
        QPainterPath tank;
        tank.addRoundedRect(QRectF(14, 22, 46, 66), 8, 8);
        material(p, tank, wool, &woolStrokes, 4, 60, 1.2);
        material(p, box(QRectF(22, 42, 30, 38)), medium, nullptr, 0, 0, 1.0);
        const QPointF clock(74, 34);
        material(p, disc(clock, 18), Qt::white, nullptr, 0, 0, 1.6);
        p.setPen(line(2));
        p.drawLine(clock, clock + QPointF(0, -12));
        p.drawLine(clock, clock + QPointF(9, 4));
        break;
    }
    case 3: // external condensation: drops on a cold surface
    case 4: { // internal condensation: drops inside a duct
        const bool inside = module == 4;
        if (inside) {
            material(p, frame(QRectF(8, 18, 84, 64), QRectF(20, 30, 60, 40)), wool, &woolStrokes, 4, 60, 1.2);
            material(p, box(QRectF(20, 30, 60, 40)), medium, nullptr, 0, 0, 1.0);
        } else {
            insulatedSection(p, centre, 26, 13, medium);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(mediumLine);
        const QPointF drops[] = {inside ? QPointF(34, 44) : QPointF(14, 24), inside ? QPointF(52, 58) : QPointF(84, 30),
                                 inside ? QPointF(68, 42) : QPointF(80, 82)};
        for (QPointF d : drops) {
            QPainterPath drop;
            drop.moveTo(d + QPointF(0, -8));
            drop.cubicTo(d + QPointF(6, 0), d + QPointF(5, 6), d + QPointF(0, 6));
            drop.cubicTo(d + QPointF(-5, 6), d + QPointF(-6, 0), d + QPointF(0, -8));
            p.drawPath(drop);
        }
        p.setBrush(Qt::NoBrush);
        break;
    }
    case 5: // frost protection: ice in a pipe
        insulatedSection(p, centre, 30, 18, medium);
        p.setPen(line(2, mediumLine));
        for (int i = 0; i < 3; ++i) {
            const double angle = qDegreesToRadians(60.0 * i);
            const QPointF dir(std::cos(angle) * 13, std::sin(angle) * 13);
            p.drawLine(centre - dir, centre + dir);
        }
        break;
    case 6: // sound attenuation: a lined duct
        material(p, frame(QRectF(8, 22, 84, 56), QRectF(18, 32, 64, 36)), lining, &liningStrokes, 4, 45, 1.2);
        material(p, box(QRectF(18, 32, 64, 36)), medium, nullptr, 0, 0, 1.0);
        soundWaves(p, centre, 8, 7);
        break;
    case 7: { // economic insulation: the total cost and its minimum
        p.setPen(line(1.6));
        p.drawLine(QPointF(14, 10), QPointF(14, 86));
        p.drawLine(QPointF(14, 86), QPointF(94, 86));
        QPainterPath cost;
        cost.moveTo(20, 18);
        cost.cubicTo(36, 76, 60, 78, 90, 40);
        p.setPen(line(2.4, heat));
        p.drawPath(cost);
        p.setBrush(QColor(20, 60, 140));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(47, 64.5), 4.5, 4.5);
        p.setBrush(Qt::NoBrush);
        QPen dashed = line(1, QColor(20, 60, 140));
        dashed.setDashPattern({3, 3});
        p.setPen(dashed);
        p.drawLine(QPointF(47, 68), QPointF(47, 86));
        break;
    }
    default:
        break;
    }
}

struct Drawing {
    QSizeF size;
    std::function<void(QPainter&)> draw;
};

// A picture of a horizontal object stood upright: the same drawing turned a
// quarter to the left.
std::function<void(QPainter&)> upright(std::function<void(QPainter&)> draw)
{
    return [draw](QPainter& p) {
        p.translate(0, 320);
        p.rotate(-90);
        draw(p);
    };
}

const std::map<std::string, Drawing>& drawings()
{
    static const std::map<std::string, Drawing> all = [] {
        std::map<std::string, Drawing> map;
        const QSizeF object(320, 320);
        const std::function<void(QPainter&)> kinds[6] = {
            drawPipe,
            drawCircularDuct,
            [](QPainter& p) { drawRectangularDuct(p, false); },
            [](QPainter& p) { drawRectangularDuct(p, true); },
            [](QPainter& p) { drawFlatSurface(p, false); },
            [](QPainter& p) { drawFlatSurface(p, true); },
        };
        auto numbered = [](int number) { return "picture-" + std::to_string(number); };
        for (int k = 0; k < 6; ++k) {
            map[numbered(objectpictures::ForKind(k, false))] = {object, kinds[k]};
            map[numbered(objectpictures::ForKind(k, true))] = {object, upright(kinds[k])};
        }
        map[numbered(objectpictures::tankBox)] = {object, drawTankBox};
        map[numbered(objectpictures::tankCylinder)] = {object, drawTankCylinder};
        map[numbered(objectpictures::tankSphere)] = {object, drawTankSphere};
        map[numbered(objectpictures::soundRectangular)] = {object, drawSoundRectangular};
        map[numbered(objectpictures::soundCircular)] = {object, drawSoundCircular};
        for (int kind = 0; kind < 3; ++kind)
            map["space-" + std::to_string(kind)] = {QSizeF(360, 240), [kind](QPainter& p) { drawSpace(p, kind); }};
        for (int module = 0; module < 8; ++module)
            map["module-" + std::to_string(module)] = {QSizeF(100, 100),
                                                      [module](QPainter& p) { drawModule(p, module); }};
        map["logo"] = {QSizeF(300, 102), drawLogo};
        return map;
    }();
    return all;
}

// Product pictures are read once per file; a file that does not load is
// remembered as such, so a missing picture costs one attempt.
const QImage* loadFile(const std::string& file)
{
    static QCache<QString, QImage> cache(64);
    const QString path = QString::fromStdString(file);
    if (QImage* found = cache.object(path))
        return found->isNull() ? nullptr : found;
    auto* image = new QImage(path);
    cache.insert(path, image);
    return image->isNull() ? nullptr : image;
}

} // namespace

namespace QtPictures {

bool IsBuiltIn(const std::string& name)
{
    return drawings().count(name) > 0;
}

bool Draw(QPainter& painter, const platform::PictureRef& picture, const QRectF& target)
{
    if (!picture.file.empty())
        if (const QImage* image = loadFile(picture.file)) {
            painter.drawImage(target, *image);
            return true;
        }
    const auto found = drawings().find(picture.resource);
    if (found == drawings().end())
        return false;
    const Drawing& drawing = found->second;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setClipRect(target, Qt::IntersectClip);
    painter.translate(target.topLeft());
    painter.scale(target.width() / drawing.size.width(), target.height() / drawing.size.height());
    drawing.draw(painter);
    painter.restore();
    return true;
}

QImage Image(const platform::PictureRef& picture, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    if (!Draw(painter, picture, QRectF(QPointF(0, 0), QSizeF(size))))
        return {};
    return image;
}

} // namespace QtPictures
