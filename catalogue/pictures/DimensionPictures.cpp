// Dimension drawings for the selection report: each unit with the letters its dimension table lists.
#include "Pictures.h"
#include "Units.h"

#include <cmath>

namespace pictures
{

namespace
{

const Look drawing{false, true, Qt::white, Qt::white};

// A over all along the cut side, B across the body beyond the end that lies right on the sheet (the
// +x end of an upright unit), and leaders from the uncut side (`bubbleSide`, +1 or -1 in the unit's
// y) to the fittings at either end.
void dimensionUnit(QPainter& p, const QTransform& sheetBase, const Anchors& a, QChar minusLetter, QChar plusLetter,
                   double bubbleSide)
{
    const QTransform unitTransform = p.transform();
    const QTransform toSheet = unitTransform * sheetBase.inverted();
    p.setTransform(sheetBase);
    const auto at = [&](double x, double y) { return toSheet.map(QPointF(x, y)); };
    const double overall = -(a.radius + 26);
    dimension(p, at(a.minus.tip, -a.minus.tipRadius), at(a.plus.tip, -a.plus.tipRadius),
              at(a.minus.tip, overall), at(a.plus.tip, overall), 'A');
    const QPointF minusEnd = at(a.minus.tip, 0), plusEnd = at(a.plus.tip, 0);
    const bool plusFirst = std::abs(minusEnd.x() - plusEnd.x()) < 1e-6 || plusEnd.x() > minusEnd.x();
    const double across = plusFirst ? a.plus.tip + 36 : a.minus.tip - 36;
    const double diameterAt = plusFirst ? a.diameterAt : a.minus.tip + (a.plus.tip - a.diameterAt);
    dimension(p, at(diameterAt, -a.radius), at(diameterAt, a.radius), at(across, -a.radius),
              at(across, a.radius), 'B');
    const double s = bubbleSide;
    leader(p, at(a.minus.feature.x(), s * a.minus.feature.y()),
           at(a.minus.tip - 14, s * (a.minus.tipRadius + 14)), minusLetter);
    leader(p, at(a.plus.feature.x(), s * a.plus.feature.y()),
           at(a.plus.tip + 14, s * (a.plus.tipRadius + 14)), plusLetter);
    p.setTransform(unitTransform);
}

void pistonDrawing(Sheet& sheet, GasEnd gasEnd, const QString& title, bool piston = true)
{
    QPainter& p = sheet.painter();
    p.save();
    placeLevel(p, QPointF(232, 184));
    // Mirrored, so that the fluid port is on the left and the gas end on the right, as the CAD
    // drawing has them.
    p.scale(-1, 1);
    PistonUnit unit;
    unit.length = 240;
    unit.radius = 44;
    unit.gasEnd = gasEnd;
    unit.piston = piston;
    dimensionUnit(p, sheet.base(), drawPiston(p, unit, drawing), 'D', 'C', +1);
    p.restore();
    sheet.frame();
    sheet.titleBlock(title);
}

void bottleDrawing(Sheet& sheet, const BottleUnit& unit, QPointF at, const QString& title)
{
    QPainter& p = sheet.painter();
    p.save();
    placeUpright(p, at);
    dimensionUnit(p, sheet.base(), drawBottle(p, unit, drawing), 'C', 'D', -1);
    p.restore();
    sheet.frame();
    sheet.titleBlock(title);
}

} // namespace

void dimPiston(Sheet& sheet)
{
    pistonDrawing(sheet, GasEnd::Valve, QStringLiteral("Piston accumulator"));
}

void dimPistonGasPort(Sheet& sheet)
{
    pistonDrawing(sheet, GasEnd::Port, QStringLiteral("Piston accumulator, gas port"));
}

void dimPistonGasBottle(Sheet& sheet)
{
    // No piston: gas on both sides of the body, the port to the accumulator (C) and the valve (D).
    pistonDrawing(sheet, GasEnd::Valve, QStringLiteral("Piston-style gas bottle"), false);
}

void dimBladder(Sheet& sheet)
{
    BottleUnit unit;
    unit.length = 172;
    unit.radius = 52;
    bottleDrawing(sheet, unit, QPointF(215, 190), QStringLiteral("Bladder accumulator"));
}

void dimBladderHighFlow(Sheet& sheet)
{
    BottleUnit unit;
    unit.length = 172;
    unit.radius = 52;
    unit.bottom = Bottom::Flange;
    bottleDrawing(sheet, unit, QPointF(215, 190), QStringLiteral("Bladder accumulator, high flow"));
}

void dimDiaphragm(Sheet& sheet)
{
    QPainter& p = sheet.painter();
    p.save();
    placeUpright(p, QPointF(210, 182));
    dimensionUnit(p, sheet.base(), drawSphere(p, 86, drawing), 'C', 'D', -1);
    p.restore();
    sheet.frame();
    sheet.titleBlock(QStringLiteral("Diaphragm accumulator"));
}

void dimOvrisol(Sheet& sheet)
{
    // Upright on the reservoir's top plate: the reservoir connection below, the breather on top.
    BottleUnit unit;
    unit.length = 150;
    unit.radius = 62;
    unit.dome = 0.6;
    unit.top = Top::Port;
    unit.bottom = Bottom::Flange;
    bottleDrawing(sheet, unit, QPointF(215, 184), QStringLiteral("Reservoir isolator"));
}

void dimTransferBarrier(Sheet& sheet)
{
    // A bladder shell with a fluid port at either end.
    BottleUnit unit;
    unit.length = 184;
    unit.radius = 48;
    unit.top = Top::Port;
    unit.bottom = Bottom::Port;
    bottleDrawing(sheet, unit, QPointF(215, 188), QStringLiteral("Transfer barrier"));
}

void dimGasBottle(Sheet& sheet)
{
    BottleUnit unit;
    unit.length = 206;
    unit.radius = 42;
    unit.top = Top::Port;
    unit.bottom = Bottom::Port;
    unit.bladder = false;
    bottleDrawing(sheet, unit, QPointF(215, 186), QStringLiteral("Gas bottle"));
}

} // namespace pictures
