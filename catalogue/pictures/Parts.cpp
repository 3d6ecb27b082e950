// Pieces that several product and accessory pictures draw.
#include "Parts.h"

#include "Drafting.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>
#include <numbers>
#include <vector>

namespace pictures
{

QBrush gradientAcross(Material m, QPointF from, QPointF to)
{
    QLinearGradient gradient(from, to);
    gradient.setStops(materialStops(m));
    return gradient;
}

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
    p.setBrush(rubberColour);
    p.drawPath(liner.subtracted(bore));
    for (const double ear : {-1.0, 1.0})
    {
        p.save();
        placeHanging(p, QPointF(c.x() + ear * (outer + 6), c.y()));
        stack(p, -9, -1, {{Shape::Hex, 5, 5.5}}, shadedLook);
        stack(p, 9, +1, {{Shape::Hex, 5, 5.5}, {Shape::Thread, 4, 3}}, shadedLook);
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
          shadedLook);
    p.restore();
    p.save();
    const QPointF stem(front.right() - 18, front.top() - 5);
    placeUpright(p, stem);
    stack(p, 0, +1, {{Shape::Hex, 5, 7}, {Shape::Round, 7, 3}}, shadedLook);
    p.restore();
    QPainterPath lever;
    lever.addRoundedRect(QRectF(stem.x() - 6, stem.y() - 17, 44, 6), 3, 3);
    solid(p, lever, stem.y() - 17, stem.y() - 11, Material::Steel, shadedLook);
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

void chargingValve(QPainter& p, const QRectF& body, double gaugeRadius)
{
    p.save();
    placeUpright(p, QPointF(body.center().x(), body.top()));
    stack(p, 0, +1, {{Shape::Hex, 6, 7}, {Shape::Round, 12, 3.5}}, shadedLook);
    p.restore();
    gaugeDial(p, QPointF(body.center().x(), body.top() - 21 - gaugeRadius), gaugeRadius);
    solid(p, box(body.left(), body.right(), body.top(), body.bottom()), body.top(), body.bottom(),
          Material::Steel, shadedLook);
    p.save();
    placeLevel(p, QPointF(body.left(), body.center().y()));
    stack(p, 0, -1, {{Shape::Hex, 5, 6}, {Shape::Round, 5, 3}, {Shape::Knurl, 9, 7}}, shadedLook);
    p.restore();
    p.save();
    placeHanging(p, QPointF(body.center().x(), body.bottom()));
    stack(p, 0, +1, {{Shape::Hex, 6, 8}, {Shape::Round, 8, 4}, {Shape::Knurl, 12, 9}, {Shape::Round, 4, 5}},
          shadedLook);
    p.restore();
    p.save();
    placeLevel(p, QPointF(body.right(), body.center().y()));
    stack(p, 0, +1, {{Shape::Hex, 7, 7}, {Shape::Round, 5, 4.5}}, shadedLook);
    p.restore();
}

void bottleRack(QPainter& p, const std::vector<double>& xs)
{
    const double floor = 210, header = 30;
    groundShadow(p, QPointF((xs.front() + xs.back()) / 2, floor), (xs.back() - xs.front()) / 2 + 56, 7);
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
        const QPointF outlet = p.transform().map(drawBottle(p, bottle, shadedLook).plus.feature);
        p.restore();
        lines.moveTo(outlet);
        lines.lineTo(outlet.x() + 6, outlet.y());
        lines.lineTo(outlet.x() + 6, header);
        if (x == xs.front())
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
    stack(p, 0, +1, {{Shape::Hex, 5, 5}, {Shape::Round, 4, 2.5}}, shadedLook);
    p.restore();
    gaugeDial(p, QPointF(290, header), 13);
    p.save();
    placeHanging(p, QPointF(262, 78));
    stack(p, 0, +1, {{Shape::Hex, 6, 6}, {Shape::Thread, 6, 4}}, shadedLook);
    p.restore();
    // Rack: two straps and a base channel.
    for (const double y : {92.0, 168.0})
    {
        QPainterPath strap;
        strap.addRoundedRect(QRectF(xs[0] - 30, y, xs.back() - xs[0] + 60, 8), 2, 2);
        solid(p, strap, y, y + 8, Material::Steel, shadedLook);
        for (const double x : {xs[0] - 34.0, xs.back() + 30.0})
        {
            p.save();
            placeLevel(p, QPointF(x, y + 4));
            stack(p, 0, +1, {{Shape::Hex, 4, 5}}, shadedLook);
            p.restore();
        }
    }
    solid(p, box(xs[0] - 40, xs.back() + 40, floor - 12, floor), floor - 12, floor, Material::Shell, shadedLook);
    p.setPen(thinPen());
    p.drawLine(QPointF(xs[0] - 40, floor - 9), QPointF(xs.back() + 40, floor - 9));
}

} // namespace pictures
