// Side views of accumulators, gas bottles and their fittings, drawn along the painter's x axis.
#pragma once

#include <QBrush>
#include <QColor>
#include <QGradient>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <initializer_list>

namespace pictures
{

// Every unit is drawn with its axis on the painter's x axis and y as the radius, so one drawing serves
// upright and level placements alike.

enum class Material
{
    Shell,
    Steel,
    Rubber,
    Bronze
};

// Shaded catalogue illustration or plain line drawing; whole, or cut open down to the axis.
struct Look
{
    bool shaded = true;
    bool section = false;
    QColor gas{0xe8, 0xef, 0xf6};
    QColor fluid{0xf0, 0xcb, 0x6c};
};

QPainterPath rod(double x0, double x1, double r, double chamfer0 = 0.0, double chamfer1 = 0.0);
QPainterPath box(double x0, double x1, double y0, double y1);
// A cylinder with elliptical heads of the given depths.
QPainterPath capsule(double x0, double x1, double r, double dome0, double dome1);
QGradientStops materialStops(Material m);
QBrush materialBrush(Material m, double y0, double y1, const Look& look);
void solid(QPainter& p, const QPainterPath& path, double y0, double y1, Material m, const Look& look);
// The face left by the cut: hatched, in the other direction on touching parts.
void cutFace(QPainter& p, const QPainterPath& path, bool rising, const Look& look);
void content(QPainter& p, const QPainterPath& path, const QColor& tint, double r, const Look& look);
void groundShadow(QPainter& p, QPointF centre, double rx, double ry);

// Turns the painter so a unit's +x axis points up, right or down from `at`, lit from the upper left.
void placeUpright(QPainter& p, QPointF at);
void placeLevel(QPainter& p, QPointF at);
void placeHanging(QPainter& p, QPointF at);

enum class Shape
{
    Round,
    Hex,
    Thread,
    Cap,
    Knurl
};

struct Piece
{
    Shape shape;
    double length;
    double radius;
};

// Where a fitting ends, and a point on its outline (radius positive) a leader can point at.
struct Fitting
{
    double tip = 0;
    double tipRadius = 0;
    QPointF feature;
};

// Pieces stacked along the axis from x, outwards in direction dir (+1 or -1); returns the far end.
double stack(QPainter& p, double x, int dir, std::initializer_list<Piece> pieces, const Look& look);
Fitting gasValve(QPainter& p, double x, int dir, double size, const Look& look);
Fitting threadedPort(QPainter& p, double x, int dir, double r, const Look& look);

// Features of a drawn unit in its own coordinates, for the dimension drawings.
struct Anchors
{
    Fitting minus;         // fitting at the -x end
    Fitting plus;          // fitting at the +x end
    double radius = 0;     // largest body radius, dimensioned as B
    double diameterAt = 0; // axial station where B is taken
};

enum class GasEnd
{
    Valve,
    Port
};

// Gas end at -x, fluid port at +x.
struct PistonUnit
{
    double length = 200; // tube
    double radius = 40;
    bool boltedCaps = false;
    GasEnd gasEnd = GasEnd::Valve;
    bool piston = true;
    double pistonAt = 0.45; // along the bore, from the gas end
};
Anchors drawPiston(QPainter& p, const PistonUnit& u, const Look& look);

enum class Top
{
    Valve,
    Port,
    ShutOff
};

enum class Bottom
{
    Port,
    Poppet,
    Flange,
    Closed
};

// Gas end at +x, fluid end at -x.
struct BottleUnit
{
    double length = 200; // shell, over the domes
    double radius = 50;
    double wall = 0;   // 0 picks an ordinary wall for the radius
    double dome = 0.8; // dome depth in radii
    Top top = Top::Valve;
    Bottom bottom = Bottom::Poppet;
    bool bladder = true;
    bool forged = false; // heavier neck for the high-pressure series
};
Anchors drawBottle(QPainter& p, const BottleUnit& u, const Look& look);

// Gas valve at +x, fluid port at -x, welded at the equator.
Anchors drawSphere(QPainter& p, double radius, const Look& look);

// Draws on a scratch image to learn where a unit's features fall, e.g. to stand it on the floor.
template <class Draw> Anchors measure(Draw draw)
{
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter p(&scratch);
    return draw(p);
}

} // namespace pictures
