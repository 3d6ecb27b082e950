// Accessory pictures: one shaded illustration of each kind of accessory the catalogue offers.
#include "Parts.h"
#include "Pictures.h"

namespace pictures
{

namespace
{

const Look look = shadedLook;

void finish(Sheet& sheet, const QString& caption)
{
    sheet.frame();
    sheet.caption(caption);
}

// A spare fitting lying on the floor, axis level.
void looseFitting(QPainter& p, QPointF at, std::initializer_list<Piece> pieces)
{
    p.save();
    placeLevel(p, at);
    stack(p, 0, +1, pieces, look);
    p.restore();
}

} // namespace

void accChargingKit(Sheet& sheet)
{
    sheet.studio();
    QPainter& p = sheet.painter();
    groundShadow(p, QPointF(150, 214), 120, 7);
    // The valve with its gauge, and the hose down to the nitrogen bottle connection.
    const QRectF body(70, 122, 48, 26);
    QPainterPath hose;
    hose.moveTo(body.right() + 12, body.center().y());
    hose.cubicTo(206, body.center().y(), 286, 150, 262, 186);
    hose.cubicTo(248, 204, 214, 204, 196, 204);
    pipe(p, hose, 7, QColor(0x3a, 0x3e, 0x44));
    chargingValve(p, body, 36);
    looseFitting(p, QPointF(196, 204), {{Shape::Round, 7, 5}, {Shape::Hex, 10, 9}, {Shape::Thread, 9, 6}});
    // Adapters for other valve threads.
    looseFitting(p, QPointF(30, 204), {{Shape::Hex, 8, 7}, {Shape::Thread, 8, 5}});
    looseFitting(p, QPointF(136, 208), {{Shape::Thread, 6, 4}, {Shape::Hex, 7, 6}, {Shape::Cap, 6, 4}});
    finish(sheet, QStringLiteral("Charging and gauging assembly"));
}

void accGasGauge(Sheet& sheet)
{
    sheet.studio();
    QPainter& p = sheet.painter();
    groundShadow(p, QPointF(130, 214), 60, 6);
    // Valve stem adapter, tee body and the charging port with its cap, standing upright.
    const QPointF foot(130, 206);
    p.save();
    placeUpright(p, foot);
    stack(p, 0, +1,
          {{Shape::Thread, 14, 7}, {Shape::Hex, 10, 12}, {Shape::Round, 30, 11}, {Shape::Hex, 8, 9},
           {Shape::Thread, 10, 6}, {Shape::Cap, 12, 8}},
          look);
    p.restore();
    // The gauge on the tee's side outlet.
    const QPointF outlet(141, foot.y() - 39);
    p.save();
    placeLevel(p, outlet);
    stack(p, 0, +1, {{Shape::Round, 8, 4}, {Shape::Hex, 8, 7}, {Shape::Round, 12, 4}}, look);
    p.restore();
    gaugeDial(p, QPointF(outlet.x() + 28 + 48, outlet.y() - 30), 48);
    finish(sheet, QStringLiteral("Gas pressure gauge with valve adapter"));
}

void accMountingClamp(Sheet& sheet)
{
    sheet.studio();
    QPainter& p = sheet.painter();
    groundShadow(p, QPointF(160, 206), 110, 7);
    clampRing(p, QPointF(160, 96), 56);
    finish(sheet, QStringLiteral("Mounting clamp"));
}

void accBaseBracket(Sheet& sheet)
{
    sheet.studio();
    QPainter& p = sheet.painter();
    groundShadow(p, QPointF(170, 206), 130, 8);
    // Base plate, four legs, the steel ring and its rubber support ring on top.
    const QRectF plate(48, 180, 206, 14);
    const QPointF depth(34, -22);
    obliqueBox(p, plate, depth, QColor(0xb8, 0xc1, 0xca));
    const QPointF centre(168, 120);
    for (const double dx : {-46.0, 46.0})
        solid(p, box(centre.x() + dx - 6, centre.x() + dx + 6, centre.y() + 8, plate.top() - 4), centre.y(),
              plate.top(), Material::Steel, look);
    uprightCylinder(p, centre + QPointF(0, 14), 60, 16, Material::Steel);
    uprightCylinder(p, centre + QPointF(0, -2), 50, 7, Material::Rubber);
    for (const double dx : {-52.0, 52.0})
        solid(p, box(centre.x() + dx - 6, centre.x() + dx + 6, centre.y() + 22, plate.top() + 4), centre.y(),
              plate.top(), Material::Steel, look);
    // Bolt holes in the plate.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4a, 0x55, 0x62));
    for (const QPointF hole : {QPointF(62, 187), QPointF(240, 187), QPointF(86, 168), QPointF(264, 168)})
        p.drawEllipse(hole, 4, 2.5);
    finish(sheet, QStringLiteral("Base bracket with support ring"));
}

void accSafetyBlock(Sheet& sheet)
{
    sheet.studio();
    QPainter& p = sheet.painter();
    groundShadow(p, QPointF(150, 210), 120, 8);
    // Drawn at twice the size of the group picture's block.
    p.save();
    p.translate(-30, -186);
    p.scale(2.0, 2.0);
    safetyBlock(p, QRectF(45, 150, 78, 38));
    p.restore();
    // A gauge on the block's gauge port.
    p.save();
    placeLevel(p, QPointF(230, 150));
    stack(p, 0, +1, {{Shape::Hex, 8, 8}, {Shape::Round, 14, 4}}, look);
    p.restore();
    gaugeDial(p, QPointF(276, 150), 30);
    finish(sheet, QStringLiteral("Safety and shut-off block"));
}

void accBladderTool(Sheet& sheet)
{
    sheet.studio();
    QPainter& p = sheet.painter();
    groundShadow(p, QPointF(160, 120), 140, 6);
    groundShadow(p, QPointF(160, 206), 130, 6);
    // The pull rod: T-handle, long rod, threaded end that takes the adapters.
    p.save();
    placeLevel(p, QPointF(40, 100));
    solid(p, rod(0, 236, 4, 0, 1), -4, 4, Material::Steel, look);
    stack(p, 236, +1, {{Shape::Thread, 14, 4}}, look);
    p.restore();
    p.save();
    placeUpright(p, QPointF(40, 132));
    solid(p, rod(0, 64, 5, 2, 2), -5, 5, Material::Steel, look);
    p.restore();
    // Adapters for the valve stems of the bladder sizes, a valve core tool and the mouth protector.
    looseFitting(p, QPointF(40, 196), {{Shape::Hex, 10, 9}, {Shape::Thread, 12, 6}});
    looseFitting(p, QPointF(82, 196), {{Shape::Hex, 12, 11}, {Shape::Thread, 14, 8}});
    looseFitting(p, QPointF(130, 196), {{Shape::Hex, 14, 13}, {Shape::Thread, 16, 10}});
    looseFitting(p, QPointF(182, 198), {{Shape::Knurl, 16, 7}, {Shape::Round, 30, 2.5}, {Shape::Round, 4, 1.5}});
    uprightCylinder(p, QPointF(270, 204), 26, 20, Material::Rubber);
    finish(sheet, QStringLiteral("Bladder installation tool set"));
}

void accGasRack(Sheet& sheet)
{
    sheet.studio();
    bottleRack(sheet.painter(), {56, 112, 168, 224});
    finish(sheet, QStringLiteral("Gas bottle rack with gas manifold"));
}

} // namespace pictures
