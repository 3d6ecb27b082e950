// Series pictures: each series' typical unit, shaded, cut open where the inside tells the series apart.
#include "Pictures.h"
#include "Units.h"

namespace pictures
{

namespace
{

const Look cutaway{true, true};
const Look whole{true, false};
constexpr double floorY = 212;

void finish(Sheet& sheet, const QString& caption)
{
    sheet.frame();
    sheet.caption(caption);
}

void pistonSeries(Sheet& sheet, const PistonUnit& unit, const QString& caption)
{
    sheet.studio();
    QPainter& p = sheet.painter();
    groundShadow(p, QPointF(160, 116 + unit.radius + 14), 128, 8);
    p.save();
    placeLevel(p, QPointF(160, 116));
    drawPiston(p, unit, cutaway);
    p.restore();
    finish(sheet, caption);
}

void bottleSeries(Sheet& sheet, const BottleUnit& unit, const Look& look, const QString& caption)
{
    sheet.studio();
    QPainter& p = sheet.painter();
    groundShadow(p, QPointF(160, floorY), 1.3 * unit.radius, 7);
    p.save();
    placeUpright(
        p, QPointF(160, floorY + measure([&](QPainter& q) { return drawBottle(q, unit, look); }).minus.tip));
    drawBottle(p, unit, look);
    p.restore();
    finish(sheet, caption);
}

} // namespace

void seriesPA(Sheet& sheet)
{
    PistonUnit unit;
    unit.length = 180;
    unit.radius = 40;
    pistonSeries(sheet, unit, QStringLiteral("Series PA \u00b7 piston, inch"));
}

void seriesPM(Sheet& sheet)
{
    PistonUnit unit;
    unit.length = 176;
    unit.radius = 40;
    unit.boltedCaps = true;
    pistonSeries(sheet, unit, QStringLiteral("Series PM \u00b7 piston, metric"));
}

void seriesBA(Sheet& sheet)
{
    BottleUnit unit;
    unit.length = 128;
    unit.radius = 40;
    bottleSeries(sheet, unit, cutaway, QStringLiteral("Series BA \u00b7 bladder"));
}

void seriesBH(Sheet& sheet)
{
    BottleUnit unit;
    unit.length = 118;
    unit.radius = 44;
    unit.wall = 0.17 * unit.radius;
    unit.dome = 0.9;
    unit.forged = true;
    bottleSeries(sheet, unit, cutaway, QStringLiteral("Series BH \u00b7 bladder, high pressure"));
}

void seriesDA(Sheet& sheet)
{
    sheet.studio();
    QPainter& p = sheet.painter();
    groundShadow(p, QPointF(160, floorY), 70, 7);
    p.save();
    placeUpright(
        p, QPointF(160, floorY + measure([](QPainter& q) { return drawSphere(q, 64, cutaway); }).minus.tip));
    drawSphere(p, 64, cutaway);
    p.restore();
    finish(sheet, QStringLiteral("Series DA \u00b7 diaphragm"));
}

void seriesGB(Sheet& sheet)
{
    BottleUnit unit;
    unit.length = 150;
    unit.radius = 30;
    unit.top = Top::ShutOff;
    unit.bottom = Bottom::Port;
    unit.bladder = false;
    bottleSeries(sheet, unit, whole, QStringLiteral("Series GB \u00b7 gas bottle"));
}

void seriesPG(Sheet& sheet)
{
    PistonUnit unit;
    unit.length = 180;
    unit.radius = 40;
    unit.gasEnd = GasEnd::Port;
    unit.piston = false;
    pistonSeries(sheet, unit, QStringLiteral("Series PG \u00b7 piston-type gas bottle"));
}

void seriesBG(Sheet& sheet)
{
    BottleUnit unit;
    unit.length = 132;
    unit.radius = 40;
    unit.top = Top::Port;
    unit.bottom = Bottom::Port;
    unit.bladder = false;
    bottleSeries(sheet, unit, cutaway, QStringLiteral("Series BG \u00b7 bladder-type gas bottle"));
}

} // namespace pictures
