// Product group pictures: shaded catalogue illustrations of each group's typical items.
#include "Parts.h"
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

const Look look = shadedLook;
const QColor paint{0x7d, 0x97, 0xb6};

void oRing(QPainter& p, QPointF c, double rx, double ry, double thickness)
{
    QPainterPath ring;
    ring.addEllipse(c, rx, ry);
    QPainterPath hole;
    hole.addEllipse(c, rx - thickness, ry - 0.8 * thickness);
    ring = ring.subtracted(hole);
    p.setPen(outlinePen(0.8));
    p.setBrush(rubberColour);
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
    bottleRack(sheet.painter(), {92, 156, 220});
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
    chargingValve(p, body, 29);
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
    const double floor = 212;
    // A bladder shell with a fluid port at both ends, cut open: a second fluid, not gas, in the bladder.
    BottleUnit barrier;
    barrier.length = 132;
    barrier.radius = 40;
    barrier.top = Top::Port;
    barrier.bottom = Bottom::Port;
    Look cut = look;
    cut.section = true;
    cut.gas = QColor(0xa9, 0xd3, 0xe6);
    groundShadow(p, QPointF(160, floor), 56, 7);
    p.save();
    placeUpright(p,
                 QPointF(160, floor + measure([&](QPainter& q) { return drawBottle(q, barrier, cut); }).minus.tip));
    drawBottle(p, barrier, cut);
    p.restore();
    sheet.frame();
    sheet.caption(QStringLiteral("Transfer barriers"));
}

} // namespace pictures
