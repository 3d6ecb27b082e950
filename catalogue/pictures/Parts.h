// Pieces that several product and accessory pictures draw: pipes, boxes, gauges, clamps, blocks.
#pragma once

#include "Units.h"

#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include <vector>

namespace pictures
{

// Shaded and whole, as the catalogue illustrations are drawn.
inline const Look shadedLook{true, false};
inline const QColor rubberColour{0x27, 0x2a, 0x2f};

QBrush gradientAcross(Material m, QPointF from, QPointF to);
// A flexible line or pipe: dark edge, body colour, and a highlight along its upper side.
void pipe(QPainter& p, const QPainterPath& path, double width, const QColor& body);
// A box seen from the front, a little above and to the right: front face, top and right side.
void obliqueBox(QPainter& p, const QRectF& front, QPointF depth, const QColor& face);
// An upright cylinder seen from slightly above: its side, then the elliptical top face.
void uprightCylinder(QPainter& p, QPointF base, double r, double height, Material m);
// A pressure gauge face with bezel, scale and needle.
void gaugeDial(QPainter& p, QPointF c, double r);
// A two-piece clamp with rubber liner round a body of radius r, on its base plate.
void clampRing(QPainter& p, QPointF c, double r);
// A charging valve body with its gauge above, bleed knob to the left, valve chuck below and the
// hose outlet to the right.
void chargingValve(QPainter& p, const QRectF& body, double gaugeRadius);
// Gas bottles standing at the given x in a rack, their valves piped to a header with a gauge and
// a branch down to the accumulator (the last bottle must stand left of x = 237).
void bottleRack(QPainter& p, const std::vector<double>& xs);
// A safety and shut-off block: relief cartridge, shut-off lever, ports on the front.
void safetyBlock(QPainter& p, const QRectF& front);

} // namespace pictures
