// Product group pictures: shaded catalogue illustrations of each group's typical items.
#include "Pictures.h"
#include "Units.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace pictures
{

namespace
{

const Look look{true, false};
const QColor rubber{0x27, 0x2a, 0x2f};
const QColor paint{0x7d, 0x97, 0xb6};

QBrush gradientAcross(Material m, QPointF from, QPointF to)
{
    QLinearGradient gradient(from, to);
    gradient.setStops(materialStops(m));
    return gradient;
}

// A flexible line or pipe: dark edge, body colour, and a highlight along its upper side.
void pipe(QPainter& p, const QPainterPath& path, double width, const QColor& body)
{
    p.setBrush(Qt::NoBrush);
    const auto stroke = [&](double w, const QColor& colour, double lift)
    {
        QPen pen(colour, w);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(pen);
        p.drawPath(path.translated(0, lift));
    };
    stroke(width + 2.0, ink::line, 0);
    stroke(width, body, 0);
    stroke(0.3 * width, body.lighter(150), -0.2 * width);
}

// A box seen from the front, a little above and to the right: front face, top and right side.
void obliqueBox(QPainter& p, const QRectF& front, QPointF depth, const QColor& face)
{
    const QPolygonF top{front.topLeft(), front.topRight(), front.topRight() + depth, front.topLeft() + depth};
    const QPolygonF side{front.topRight(), front.topRight() + depth, front.bottomRight() + depth,
                         front.bottomRight()};
    p.setPen(outlinePen(1.0));
    p.setBrush(face.lighter(120));
    p.drawPolygon(top);
    p.setBrush(face.darker(135));
    p.drawPolygon(side);
    QLinearGradient shade(front.topLeft(), front.bottomLeft());
    shade.setColorAt(0.0, face.lighter(112));
    shade.setColorAt(1.0, face.darker(110));
    p.setBrush(shade);
    p.drawRect(front);
}

// An upright cylinder seen from slightly above: its side, then the elliptical top face.
void uprightCylinder(QPainter& p, QPointF base, double r, double height, Material m)
{
    const double e = 0.35 * r;
    QPainterPath side;
    side.moveTo(base.x() - r, base.y() - height);
    side.lineTo(base.x() - r, base.y());
    side.arcTo(QRectF(base.x() - r, base.y() - e, 2 * r, 2 * e), 180, 180);
    side.lineTo(base.x() + r, base.y() - height);
    side.closeSubpath();
    p.setPen(outlinePen(1.0));
    p.setBrush(gradientAcross(m, QPointF(base.x() - r, 0), QPointF(base.x() + r, 0)));
    p.drawPath(side);
    p.setBrush(m == Material::Rubber ? QColor(0x4a, 0x4f, 0x56) : QColor(0xe9, 0xed, 0xf1));
    p.drawEllipse(QPointF(base.x(), base.y() - height), r, e);
}

void gaugeDial(QPainter& p, QPointF c, double r)
{
    QRadialGradient bezel(c - QPointF(0.35 * r, 0.35 * r), 1.5 * r);
    bezel.setColorAt(0.0, QColor(0xfb, 0xfc, 0xfd));
    bezel.setColorAt(0.6, QColor(0xa9, 0xb1, 0xb9));
    bezel.setColorAt(1.0, QColor(0x5c, 0x64, 0x6d));
    p.setPen(outlinePen(1.0));
    p.setBrush(bezel);
    p.drawEllipse(c, r, r);
    p.setPen(thinPen(0.8));
    p.setBrush(QColor(0xfc, 0xfc, 0xfa));
    p.drawEllipse(c, 0.83 * r, 0.83 * r);
    // A 270 degree scale, red at its top end.
    const double degree = std::numbers::pi / 180;
    const auto towards = [&](double angle)
    { return QPointF(std::cos(angle * degree), -std::sin(angle * degree)); };
    QPen red(QColor(0xc2, 0x32, 0x2b), 0.09 * r);
    red.setCapStyle(Qt::FlatCap);
    p.setPen(red);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - 0.7 * r, c.y() - 0.7 * r, 1.4 * r, 1.4 * r), -45 * 16, 45 * 16);
    for (int i = 0; i <= 40; ++i)
    {
        const double angle = 225 - i * 270.0 / 40;
        const double inner = i % 10 == 0 ? 0.56 : i % 5 == 0 ? 0.63 : 0.68;
        p.setPen(QPen(ink::line, i % 5 == 0 ? 0.9 : 0.5));
        p.drawLine(c + towards(angle) * inner * r, c + towards(angle) * 0.76 * r);
    }
    const QPointF needle = towards(225 - 0.62 * 270);
    const QPointF across(-needle.y(), needle.x());
    const QPointF hand[] = {c + needle * 0.7 * r, c + across * 0.05 * r - needle * 0.15 * r,
                            c - across * 0.05 * r - needle * 0.15 * r};
    p.setPen(Qt::NoPen);
    p.setBrush(ink::line);
    p.drawPolygon(hand, 3);
    p.drawEllipse(c, 0.09 * r, 0.09 * r);
}

void oRing(QPainter& p, QPointF c, double rx, double ry, double thickness)
{
    QPainterPath ring;
    ring.addEllipse(c, rx, ry);
    QPainterPath hole;
    hole.addEllipse(c, rx - thickness, ry - 0.8 * thickness);
    ring = ring.subtracted(hole);
    p.setPen(outlinePen(0.8));
    p.setBrush(rubber);
    p.drawPath(ring);
    // A highlight running round the top of the section.
    QPen shine(QColor(0x8a, 0x90, 0x98), 0.28 * thickness);
    shine.setCapStyle(Qt::RoundCap);
    p.setPen(shine);
    p.setBrush(Qt::NoBrush);
    const double mx = rx - 0.55 * thickness, my = ry - 0.5 * thickness;
    p.drawArc(QRectF(c.x() - mx, c.y() - my - 0.15 * thickness, 2 * mx, 2 * my), 200 * 16, 110 * 16);
    shine.setColor(QColor(0x5a, 0x5f, 0x66));
    p.setPen(shine);
    p.drawArc(QRectF(c.x() - mx, c.y() - my - 0.15 * thickness, 2 * mx, 2 * my), 30 * 16, 120 * 16);
}

// A ring of rectangular section lying flat, seen from above at an angle.
void sealRing(QPainter& p, QPointF c, double rx, double ry, double height, double width, const QColor& colour)
{
    const double ix = rx - width, iy = ry - width * ry / rx;
    QPainterPath outerTop;
    outerTop.addEllipse(c, rx, ry);
    QPainterPath body = outerTop;
    body.addRect(QRectF(c.x() - rx, c.y(), 2 * rx, height));
    QPainterPath outerBottom;
    outerBottom.addEllipse(c + QPointF(0, height), rx, ry);
    body = body.united(outerBottom);
    QLinearGradient side(c.x() - rx, 0, c.x() + rx, 0);
    side.setColorAt(0.0, colour.darker(150));
    side.setColorAt(0.3, colour.lighter(115));
    side.setColorAt(1.0, colour.darker(170));
    p.setPen(outlinePen(0.8));
    p.setBrush(side);
    p.drawPath(body);
    p.setBrush(colour.lighter(108));
    p.drawEllipse(c, rx, ry);
    // Through the hole: the far inner wall, then the floor beyond.
    QPainterPath innerTop;
    innerTop.addEllipse(c, ix, iy);
    p.setBrush(colour.darker(140));
    p.drawPath(innerTop);
    QPainterPath through;
    through.addEllipse(c + QPointF(0, height), ix, iy);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xf6, 0xf8));
    p.drawPath(innerTop.intersected(through));
    p.setPen(outlinePen(0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(innerTop);
}

void clampRing(QPainter& p, QPointF c, double r)
{
    const double band = 0.24 * r, outer = r + band;
    // Base plate and the web that carries the lower half of the clamp.
    p.setPen(outlinePen(1.0));
    p.setBrush(
        gradientAcross(Material::Steel, QPointF(0, c.y() + outer + 10), QPointF(0, c.y() + outer + 18)));
    p.drawRect(QRectF(c.x() - 1.6 * r, c.y() + outer + 10, 3.2 * r, 8));
    p.setBrush(gradientAcross(Material::Steel, QPointF(c.x() - 8, 0), QPointF(c.x() + 8, 0)));
    p.drawRect(QRectF(c.x() - 8, c.y() + outer - 4, 16, 14));
    // Two half rings meeting at bolted ears.
    for (const double side : {-1.0, 1.0})
    {
        QPainterPath halfRing;
        halfRing.addEllipse(c, outer, outer);
        QPainterPath hole;
        hole.addEllipse(c, r, r);
        halfRing = halfRing.subtracted(hole).intersected(
            box(c.x() - 2 * r, c.x() + 2 * r, c.y(), c.y() + side * 2 * r));
        for (const double ear : {-1.0, 1.0})
            halfRing = halfRing.united(box(c.x() + ear * (outer + 12), c.x() + ear * (r + 0.5 * band),
                                           c.y() + side * 0.8, c.y() + side * 9));
        p.setPen(outlinePen(1.0));
        p.setBrush(gradientAcross(Material::Steel, c - QPointF(outer, outer), c + QPointF(outer, outer)));
        p.drawPath(halfRing);
    }
    QPainterPath liner;
    liner.addEllipse(c, r, r);
    QPainterPath bore;
    bore.addEllipse(c, r - 3, r - 3);
    p.setBrush(rubber);
    p.drawPath(liner.subtracted(bore));
    for (const double ear : {-1.0, 1.0})
    {
        p.save();
        placeHanging(p, QPointF(c.x() + ear * (outer + 6), c.y()));
        stack(p, -9, -1, {{Shape::Hex, 5, 5.5}}, look);
        stack(p, 9, +1, {{Shape::Hex, 5, 5.5}, {Shape::Thread, 4, 3}}, look);
        p.restore();
    }
}

void safetyBlock(QPainter& p, const QRectF& front)
{
    const QPointF depth(16, -10);
    obliqueBox(p, front, depth, QColor(0xb8, 0xc1, 0xca));
    // Relief valve cartridge with its adjusting screw, and the shut-off valve with its lever.
    p.save();
    placeUpright(p, QPointF(front.left() + 20, front.top() - 5));
    stack(p, 0, +1, {{Shape::Hex, 7, 9}, {Shape::Round, 17, 7}, {Shape::Thread, 6, 4}, {Shape::Cap, 6, 5}},
          look);
    p.restore();
    p.save();
    const QPointF stem(front.right() - 18, front.top() - 5);
    placeUpright(p, stem);
    stack(p, 0, +1, {{Shape::Hex, 5, 7}, {Shape::Round, 7, 3}}, look);
    p.restore();
    QPainterPath lever;
    lever.addRoundedRect(QRectF(stem.x() - 6, stem.y() - 17, 44, 6), 3, 3);
    solid(p, lever, stem.y() - 17, stem.y() - 11, Material::Steel, look);
    QPainterPath grip;
    grip.addRoundedRect(QRectF(stem.x() + 20, stem.y() - 18, 20, 8), 4, 4);
    p.setBrush(QColor(0xb5, 0x2d, 0x27));
    p.drawPath(grip);
    // Ports on the front face.
    for (int i = 0; i < 3; ++i)
    {
        const QPointF port(front.left() + 16 + i * 22, front.center().y() + 4);
        p.setPen(outlinePen(0.9));
        p.setBrush(QColor(0xe8, 0xec, 0xf0));
        p.drawEllipse(port, 6.5, 6.5);
        p.setBrush(QColor(0x3b, 0x41, 0x48));
        p.drawEllipse(port, 4, 4);
    }
}

} // namespace

void productAccumulators(Sheet& sheet)
{
    sheet.studio();
    QPainter& p = sheet.painter();
    const double floor = 214;
    groundShadow(p, QPointF(58, floor), 30, 5);
    groundShadow(p, QPointF(140, floor), 42, 6);
    groundShadow(p, QPointF(240, floor), 50, 6);

    PistonUnit piston;
    piston.length = 150;
    piston.radius = 19;
    p.save();
    placeHanging(
        p, QPointF(58, floor - measure([&](QPainter& q) { return drawPiston(q, piston, look); }).plus.tip));
    drawPiston(p, piston, look);
    p.restore();

    BottleUnit bladder;
    bladder.length = 126;
    bladder.radius = 30;
    p.save();
    placeUpright(
        p,
        QPointF(140, floor + measure([&](QPainter& q) { return drawBottle(q, bladder, look); }).minus.tip));
    drawBottle(p, bladder, look);
    p.restore();

    p.save();
    placeUpright(
        p, QPointF(240, floor + measure([](QPainter& q) { return drawSphere(q, 44, look); }).minus.tip));
    drawSphere(p, 44, look);
    p.restore();

    sheet.frame();
    sheet.caption(QStringLiteral("Hydraulic accumulators"));
}

void productGasBottles(Sheet& sheet)
{
    sheet.studio();
    QPainter& p = sheet.painter();
    const double xs[] = {92, 156, 220};
    const double floor = 210, header = 30;
    groundShadow(p, QPointF(156, floor), 120, 7);
    BottleUnit bottle;
    bottle.length = 140;
    bottle.radius = 25;
    bottle.top = Top::ShutOff;
    bottle.bottom = Bottom::Closed;
    bottle.bladder = false;
    // Each valve's outlet rises to a common header.
    QPainterPath lines;
    double firstRiser = 0;
    for (const double x : xs)
    {
        p.save();
        // Each bottle stands a little down in the base channel.
        placeUpright(p, QPointF(x, floor - 6 - bottle.length / 2));
        const QPointF outlet = p.transform().map(drawBottle(p, bottle, look).plus.feature);
        p.restore();
        lines.moveTo(outlet);
        lines.lineTo(outlet.x() + 6, outlet.y());
        lines.lineTo(outlet.x() + 6, header);
        if (x == xs[0])
            firstRiser = outlet.x() + 6;
    }
    lines.moveTo(firstRiser, header);
    lines.lineTo(268, header);
    lines.moveTo(262, header);
    lines.lineTo(262, 78);
    pipe(p, lines, 4, QColor(0xb8, 0xc0, 0xc8));
    // The header ends in a gauge; its branch down to the accumulator ends in a union.
    p.save();
    placeLevel(p, QPointF(268, header));
    stack(p, 0, +1, {{Shape::Hex, 5, 5}, {Shape::Round, 4, 2.5}}, look);
    p.restore();
    gaugeDial(p, QPointF(290, header), 13);
    p.save();
    placeHanging(p, QPointF(262, 78));
    stack(p, 0, +1, {{Shape::Hex, 6, 6}, {Shape::Thread, 6, 4}}, look);
    p.restore();
    // Rack: two straps and a base channel.
    for (const double y : {92.0, 168.0})
    {
        QPainterPath strap;
        strap.addRoundedRect(QRectF(xs[0] - 30, y, xs[2] - xs[0] + 60, 8), 2, 2);
        solid(p, strap, y, y + 8, Material::Steel, look);
        for (const double x : {xs[0] - 34.0, xs[2] + 30.0})
        {
            p.save();
            placeLevel(p, QPointF(x, y + 4));
            stack(p, 0, +1, {{Shape::Hex, 4, 5}}, look);
            p.restore();
        }
    }
    solid(p, box(xs[0] - 40, xs[2] + 40, floor - 12, floor), floor - 12, floor, Material::Shell, look);
    p.setPen(thinPen());
    p.drawLine(QPointF(xs[0] - 40, floor - 9), QPointF(xs[2] + 40, floor - 9));
    sheet.frame();
    sheet.caption(QStringLiteral("Gas bottles"));
}

void productReservoirIsolators(Sheet& sheet)
{
    sheet.studio();
    QPainter& p = sheet.painter();
    const QRectF front(40, 84, 184, 112);
    const QPointF depth(48, -30);
    groundShadow(p, QPointF(164, front.bottom() + 8), 150, 10);
    for (const double x : {54.0, 194.0})
        solid(p,
              box(x + 0.8 * depth.x(), x + 0.8 * depth.x() + 14, front.bottom() + 0.8 * depth.y(),
                  front.bottom() + 0.8 * depth.y() + 9),
              front.bottom(), front.bottom() + 9, Material::Steel, look);
    obliqueBox(p, front, depth, paint);
    for (const double x : {54.0, 194.0})
        solid(p, box(x, x + 14, front.bottom(), front.bottom() + 9), front.bottom(), front.bottom() + 9,
              Material::Steel, look);

    // Cut-away in the front wall, with a broken edge on the left. Seen from above and to the right, the
    // wall's thickness shows along the lower and left edges of the opening.
    QPainterPath opening;
    opening.moveTo(94, 92);
    opening.cubicTo(124, 86, 150, 98, 180, 91);
    opening.cubicTo(196, 88, 206, 92, 212, 90);
    opening.lineTo(212, 186);
    opening.lineTo(84, 186);
    opening.cubicTo(72, 160, 104, 128, 94, 92);
    const QPointF thickness(4.5, -2.8);
    const QPainterPath inside = opening.intersected(opening.translated(thickness));
    p.setPen(outlinePen(1.0));
    p.setBrush(QColor(0xe4, 0xe8, 0xec));
    p.drawPath(opening);
    // The tank is full: fluid all round the bag, the far walls' edges seen through it.
    QLinearGradient fluid(0, front.top(), 0, front.bottom());
    fluid.setColorAt(0.0, QColor(0xf5, 0xdc, 0x92));
    fluid.setColorAt(1.0, QColor(0xd8, 0xa6, 0x3c));
    p.setPen(Qt::NoPen);
    p.setBrush(fluid);
    p.drawPath(inside);
    p.save();
    p.setClipPath(inside);
    const QPointF backCorner = front.bottomLeft() + depth;
    p.setPen(QPen(QColor(0xa8, 0x7c, 0x26), 0.9));
    p.drawLine(backCorner, QPointF(front.right() + depth.x(), backCorner.y()));
    p.drawLine(backCorner, QPointF(backCorner.x(), front.top() + depth.y()));
    p.drawLine(backCorner, front.bottomLeft());
    const double cx = front.center().x() + 0.5 * depth.x();
    const double top = front.top() + 0.5 * depth.y();
    QPainterPath bag;
    bag.moveTo(cx - 8, top);
    bag.lineTo(cx - 8, top + 14);
    bag.cubicTo(cx - 8, top + 24, cx - 30, top + 24, cx - 30, top + 40);
    bag.lineTo(cx - 31, top + 94);
    bag.cubicTo(cx - 31, top + 112, cx + 31, top + 112, cx + 31, top + 94);
    bag.lineTo(cx + 30, top + 40);
    bag.cubicTo(cx + 30, top + 24, cx + 8, top + 24, cx + 8, top + 14);
    bag.lineTo(cx + 8, top);
    bag.closeSubpath();
    p.setPen(outlinePen(1.0));
    p.setBrush(gradientAcross(Material::Rubber, QPointF(cx - 31, 0), QPointF(cx + 31, 0)));
    p.drawPath(bag);
    // Lengthwise pleats let the bag fold flat as the fluid level rises.
    p.setPen(QPen(QColor(0x8a, 0x90, 0x98), 0.8));
    p.setBrush(Qt::NoBrush);
    for (const double dx : {-19.0, -7.0, 5.0, 17.0})
    {
        QPainterPath pleat;
        pleat.moveTo(cx + 0.3 * dx, top + 22);
        pleat.cubicTo(cx + dx, top + 32, cx + dx, top + 40, cx + dx, top + 50);
        pleat.lineTo(cx + dx, top + 98);
        p.drawPath(pleat);
    }
    // Seen through the fluid.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe0, 0xa8, 0x38, 50));
    p.drawPath(bag);
    p.restore();
    p.setPen(outlinePen(1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(inside);

    // On top: the bolted cover, the isolator's flange and breather, and the filler cap.
    const auto onTop = [&](double u, double v)
    { return front.topLeft() + QPointF(u * front.width(), 0) + v * depth; };
    const QPolygonF cover{onTop(0.06, 0.12), onTop(0.94, 0.12), onTop(0.94, 0.88), onTop(0.06, 0.88)};
    p.setPen(outlinePen(0.9));
    p.setBrush(paint.lighter(128));
    p.drawPolygon(cover);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4a, 0x55, 0x62));
    for (const double u : {0.1, 0.3, 0.7, 0.9})
        for (const double v : {0.22, 0.78})
            p.drawEllipse(onTop(u, v), 1.6, 1.1);
    const QPointF port = onTop(0.5, 0.5);
    uprightCylinder(p, port + QPointF(0, 2), 17, 5, Material::Steel);
    uprightCylinder(p, port + QPointF(0, -3), 9, 16, Material::Steel);
    uprightCylinder(p, port + QPointF(0, -19), 11, 5, Material::Rubber);
    const QPointF filler = onTop(0.18, 0.5);
    uprightCylinder(p, filler + QPointF(0, 1), 8, 7, Material::Rubber);
    // Level glass at the left, outlet on the side.
    QPainterPath glass;
    glass.addRoundedRect(QRectF(front.left() + 12, 112, 9, 62), 4, 4);
    p.setPen(outlinePen(1.0));
    p.setBrush(QColor(0xdf, 0xe4, 0xe9));
    p.drawPath(glass);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe6, 0xb8, 0x4e));
    p.drawRoundedRect(QRectF(front.left() + 14, 116, 5, 54), 2.5, 2.5);
    p.save();
    placeLevel(p, front.bottomRight() + 0.5 * depth + QPointF(0, -22));
    stack(p, 0, +1, {{Shape::Round, 3, 11}, {Shape::Hex, 7, 9}, {Shape::Thread, 9, 6.5}}, look);
    p.restore();
    sheet.frame();
    sheet.caption(QStringLiteral("Reservoir isolators"));
}

void productAccessories(Sheet& sheet)
{
    sheet.studio();
    QPainter& p = sheet.painter();
    groundShadow(p, QPointF(100, 214), 80, 6);
    groundShadow(p, QPointF(250, 212), 60, 5);

    // Charging and gauging assembly: gauge on the valve body, bleed knob, chuck below, hose to the bottle.
    const QRectF body(58, 106, 44, 24);
    QPainterPath hose;
    hose.moveTo(body.right() + 12, body.center().y());
    hose.cubicTo(160, body.center().y(), 176, 168, 154, 192);
    hose.cubicTo(140, 207, 114, 206, 96, 206);
    pipe(p, hose, 6, QColor(0x3a, 0x3e, 0x44));
    p.save();
    placeUpright(p, QPointF(body.center().x(), body.top()));
    stack(p, 0, +1, {{Shape::Hex, 6, 7}, {Shape::Round, 12, 3.5}}, look);
    p.restore();
    gaugeDial(p, QPointF(body.center().x(), 56), 29);
    solid(p, box(body.left(), body.right(), body.top(), body.bottom()), body.top(), body.bottom(),
          Material::Steel, look);
    p.save();
    placeLevel(p, QPointF(body.left(), body.center().y()));
    stack(p, 0, -1, {{Shape::Hex, 5, 6}, {Shape::Round, 5, 3}, {Shape::Knurl, 9, 7}}, look);
    p.restore();
    p.save();
    placeHanging(p, QPointF(body.center().x(), body.bottom()));
    stack(p, 0, +1, {{Shape::Hex, 6, 8}, {Shape::Round, 8, 4}, {Shape::Knurl, 12, 9}, {Shape::Round, 4, 5}},
          look);
    p.restore();
    p.save();
    placeLevel(p, QPointF(body.right(), body.center().y()));
    stack(p, 0, +1, {{Shape::Hex, 7, 7}, {Shape::Round, 5, 4.5}}, look);
    p.restore();
    p.save();
    placeLevel(p, QPointF(96, 206));
    stack(p, 0, -1, {{Shape::Round, 6, 4.5}, {Shape::Hex, 8, 7}, {Shape::Thread, 8, 5}}, look);
    p.restore();

    clampRing(p, QPointF(244, 58), 26);
    safetyBlock(p, QRectF(198, 170, 78, 38));
    sheet.frame();
    sheet.caption(QStringLiteral("Accessories"));
}

void productRepairKits(Sheet& sheet)
{
    sheet.studio();
    QPainter& p = sheet.painter();
    // The spare bladder, lying down, valve stem to the left.
    groundShadow(p, QPointF(165, 104), 125, 7);
    p.save();
    placeLevel(p, QPointF(0, 70));
    // Lying on the bench the bag sags a little: flatter underneath, a soft waist along the top.
    QPainterPath bag;
    bag.moveTo(66, -9);
    bag.cubicTo(78, -26, 96, -28, 124, -27);
    bag.cubicTo(168, -23, 204, -31, 244, -29);
    bag.cubicTo(276, -27, 288, -14, 288, 0);
    bag.cubicTo(288, 18, 272, 26, 244, 26);
    bag.lineTo(124, 26);
    bag.cubicTo(96, 26, 78, 24, 66, 9);
    bag.closeSubpath();
    solid(p, bag.united(rod(52, 70, 9)), -29, 26, Material::Rubber, look);
    p.setPen(QPen(QColor(0x7c, 0x82, 0x8a), 0.8));
    p.setBrush(Qt::NoBrush);
    for (const double x : {136.0, 196.0, 248.0})
    {
        QPainterPath fold;
        fold.moveTo(x, -24);
        fold.cubicTo(x + 6, -16, x - 4, -8, x + 2, 2);
        p.drawPath(fold);
    }
    stack(p, 52, -1, {{Shape::Round, 4, 7}, {Shape::Thread, 10, 5}, {Shape::Hex, 5, 7}, {Shape::Cap, 8, 5}},
          look);
    p.restore();

    // O-rings of three sizes, and the seals, wear band and wiper.
    groundShadow(p, QPointF(160, 190), 140, 8);
    oRing(p, QPointF(66, 164), 36, 14, 5.5);
    oRing(p, QPointF(74, 198), 22, 8.5, 4);
    oRing(p, QPointF(128, 186), 16, 6, 3.5);
    sealRing(p, QPointF(196, 146), 34, 12.5, 9, 6, QColor(0x3f, 0x74, 0xb0));
    sealRing(p, QPointF(258, 176), 26, 9.5, 7, 5, QColor(0xc1, 0x8f, 0x46));
    sealRing(p, QPointF(180, 190), 22, 8, 4, 3.5, QColor(0xee, 0xec, 0xe4));
    sheet.frame();
    sheet.caption(QStringLiteral("Repair kits"));
}

void productTransferBarriers(Sheet& sheet)
{
    sheet.studio();
    QPainter& p = sheet.painter();
    const QPointF centre(160, 132);
    PistonUnit barrier;
    barrier.length = 196;
    barrier.radius = 36;
    barrier.gasEnd = GasEnd::Port;
    barrier.pistonAt = 0.5;
    const double floor = 190;
    groundShadow(p, QPointF(160, floor), 130, 7);
    // Cradles under the tube, behind it.
    for (const double x : {centre.x() - 64, centre.x() + 64})
    {
        p.setPen(outlinePen(1.0));
        p.setBrush(gradientAcross(Material::Steel, QPointF(x - 14, 0), QPointF(x + 14, 0)));
        p.drawPath(box(x - 14, x + 14, centre.y() + 0.5 * barrier.radius, floor - 5));
        solid(p, box(x - 20, x + 20, floor - 5, floor), floor - 5, floor, Material::Steel, look);
    }
    Look cut = look;
    cut.section = true;
    // A second fluid, not gas, behind the barrier.
    cut.gas = QColor(0xa9, 0xd3, 0xe6);
    p.save();
    placeLevel(p, centre);
    drawPiston(p, barrier, cut);
    p.restore();
    sheet.frame();
    sheet.caption(QStringLiteral("Transfer barriers"));
}

} // namespace pictures
