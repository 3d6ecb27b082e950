// Side views of accumulators, gas bottles and their fittings, drawn along the painter's x axis.
#include "Units.h"

#include "Drafting.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>

namespace pictures
{

QGradientStops materialStops(Material m)
{
    // Light from above (or from the left, upright): a highlight a third of the way across.
    switch (m)
    {
    case Material::Shell:
        return {{0.0, QColor(0x45, 0x60, 0x83)},
                {0.2, QColor(0x8f, 0xa9, 0xc8)},
                {0.36, QColor(0xd3, 0xdf, 0xeb)},
                {0.66, QColor(0x70, 0x8c, 0xae)},
                {1.0, QColor(0x33, 0x49, 0x66)}};
    case Material::Steel:
        return {{0.0, QColor(0x76, 0x7f, 0x88)},
                {0.22, QColor(0xd9, 0xde, 0xe3)},
                {0.38, QColor(0xfa, 0xfb, 0xfc)},
                {0.68, QColor(0xa6, 0xae, 0xb6)},
                {1.0, QColor(0x5c, 0x64, 0x6d)}};
    case Material::Rubber:
        return {{0.0, QColor(0x1c, 0x1e, 0x22)},
                {0.3, QColor(0x58, 0x5d, 0x64)},
                {0.42, QColor(0x69, 0x6e, 0x75)},
                {1.0, QColor(0x16, 0x18, 0x1b)}};
    case Material::Bronze:
        return {{0.0, QColor(0x8a, 0x66, 0x2c)},
                {0.25, QColor(0xe0, 0xc0, 0x7a)},
                {0.4, QColor(0xf6, 0xe3, 0xb0)},
                {0.7, QColor(0xbb, 0x92, 0x4a)},
                {1.0, QColor(0x74, 0x55, 0x22)}};
    }
    return {};
}

QPainterPath capsule(double x0, double x1, double r, double dome0, double dome1)
{
    QPainterPath path;
    path.moveTo(x0 + dome0, -r);
    path.lineTo(x1 - dome1, -r);
    path.arcTo(QRectF(x1 - 2 * dome1, -r, 2 * dome1, 2 * r), 90, -180);
    path.lineTo(x0 + dome0, r);
    path.arcTo(QRectF(x0, -r, 2 * dome0, 2 * r), 270, -180);
    path.closeSubpath();
    return path;
}

namespace
{

const QColor rubberInk{0x26, 0x29, 0x2e};

double outlineWidth(const Look& look)
{
    return look.shaded ? 1.0 : 1.2;
}

void drawPiece(QPainter& p, double x0, const Piece& piece, const Look& look)
{
    const double x1 = x0 + piece.length, r = piece.radius;
    switch (piece.shape)
    {
    case Shape::Round:
    {
        const double c = std::min(0.08 * r, 0.3 * piece.length);
        solid(p, rod(x0, x1, r, c, c), -r, r, Material::Steel, look);
        break;
    }
    case Shape::Hex:
    {
        // Seen across the corners: three faces, split by the two edges at half the radius.
        const double c = std::min(0.14 * r, 0.25 * piece.length);
        solid(p, rod(x0, x1, r, c, c), -r, r, Material::Steel, look);
        p.setPen(thinPen(0.7));
        p.drawLine(QPointF(x0, -0.5 * r), QPointF(x1, -0.5 * r));
        p.drawLine(QPointF(x0, 0.5 * r), QPointF(x1, 0.5 * r));
        break;
    }
    case Shape::Thread:
    {
        const QPainterPath body = rod(x0, x1, r, 0, 0.15 * r);
        solid(p, body, -r, r, Material::Steel, look);
        p.save();
        if (look.shaded)
        {
            // Crests, slightly slanted by the lead.
            p.setClipPath(body);
            p.setPen(QPen(QColor(0x3a, 0x40, 0x47, 120), 0.6));
            for (double x = x0 + 1.0; x < x1; x += 1.7)
                p.drawLine(QPointF(x, -r), QPointF(x + 0.7, r));
        }
        else
        {
            // The root diameter, drawn thin as a thread is in a drawing.
            p.setPen(thinPen(0.6));
            p.drawLine(QPointF(x0, -0.8 * r), QPointF(x1 - 0.15 * r, -0.8 * r));
            p.drawLine(QPointF(x0, 0.8 * r), QPointF(x1 - 0.15 * r, 0.8 * r));
        }
        p.restore();
        break;
    }
    case Shape::Cap:
    {
        const double c = std::min(0.35 * r, 0.5 * piece.length);
        QPainterPath cap;
        cap.moveTo(x0, -r);
        cap.lineTo(x1 - c, -r);
        cap.quadTo(x1, -r, x1, -r + c);
        cap.lineTo(x1, r - c);
        cap.quadTo(x1, r, x1 - c, r);
        cap.lineTo(x0, r);
        cap.closeSubpath();
        solid(p, cap, -r, r, Material::Steel, look);
        break;
    }
    case Shape::Knurl:
    {
        const QPainterPath body = rod(x0, x1, r, 0.1 * r, 0.1 * r);
        solid(p, body, -r, r, Material::Steel, look);
        p.save();
        p.setClipPath(body);
        p.setPen(QPen(QColor(0x3a, 0x40, 0x47, look.shaded ? 110 : 200), 0.5));
        for (double x = x0 - 2 * r; x < x1; x += 2.0)
        {
            p.drawLine(QPointF(x, -r), QPointF(x + 2 * r, r));
            p.drawLine(QPointF(x + 2 * r, -r), QPointF(x, r));
        }
        p.restore();
        p.setBrush(Qt::NoBrush);
        p.setPen(outlinePen(outlineWidth(look)));
        p.drawPath(body);
        break;
    }
    }
}

void endCap(QPainter& p, double tubeEnd, int outward, double R, double capR, double capLen, bool bolted,
            double litFrom, const Look& look)
{
    p.save();
    p.translate(tubeEnd, 0);
    p.scale(outward, 1);
    solid(p, rod(0, capLen, capR, 0, 0.12 * R), litFrom * capR / R, capR, Material::Shell, look);
    if (bolted)
    {
        // A flanged cap held by cap screws, whose heads stand proud of the end face.
        p.setPen(thinPen());
        p.drawLine(QPointF(0.4 * capLen, -capR), QPointF(0.4 * capLen, capR));
        for (double y : {-0.7 * capR, 0.7 * capR})
        {
            const double h = 0.12 * R;
            solid(p, rod(capLen, capLen + 0.16 * R, h, 0, 0.04 * R).translated(0, y), y - h, y + h,
                  Material::Steel, look);
        }
    }
    else
    {
        // Spanner flats milled into the screwed-in cap.
        QPainterPath flat;
        flat.addRoundedRect(QRectF(0.18 * capLen, -0.42 * R, 0.56 * capLen, 0.84 * R), 0.2 * capLen,
                            0.2 * capLen);
        p.setPen(thinPen());
        p.setBrush(look.shaded ? QColor(0xb4, 0xc6, 0xda) : QColor(Qt::white));
        p.drawPath(flat);
    }
    p.restore();
}

void capSection(QPainter& p, double tubeEnd, int inward, double R, double bore, double capR, double capLen,
                double spigot, double passage, const QColor& tint, const Look& look)
{
    p.save();
    p.translate(tubeEnd, 0);
    p.scale(inward, 1);
    const double chamfer = 0.12 * R;
    QPainterPath cap;
    cap.moveTo(-capLen, -passage);
    cap.lineTo(-capLen, -capR + chamfer);
    cap.lineTo(-capLen + chamfer, -capR);
    cap.lineTo(0, -capR);
    cap.lineTo(0, -bore);
    cap.lineTo(spigot, -bore);
    cap.lineTo(spigot, -passage);
    cap.closeSubpath();
    content(p, box(-capLen, spigot, -passage, 0), tint, bore, look);
    // Mirrored for the far cap, so both caps hatch against the tube.
    cutFace(p, cap, inward < 0, look);
    const double ring = std::max(1.6, 0.45 * (R - bore));
    p.setPen(Qt::NoPen);
    p.setBrush(rubberInk);
    p.drawEllipse(QPointF(0.55 * spigot, -bore), ring, ring);
    p.restore();
}

void pistonSection(QPainter& p, double x, double len, double bore, const Look& look)
{
    QPainterPath body;
    body.moveTo(x, -bore);
    body.lineTo(x + len, -bore);
    body.lineTo(x + len, 0);
    body.lineTo(x + 0.4 * len, 0);
    body.lineTo(x + 0.4 * len, -0.5 * bore);
    body.lineTo(x, -0.5 * bore);
    body.closeSubpath();
    cutFace(p, body, false, look);
    // Two seals and a wear band between them, each in its groove.
    const double depth = std::max(2.0, 0.09 * bore);
    p.setPen(outlinePen(0.6));
    p.setBrush(rubberInk);
    p.drawRect(QRectF(x + 0.1 * len, -bore, 0.13 * len, depth));
    p.drawRect(QRectF(x + 0.77 * len, -bore, 0.13 * len, depth));
    p.setBrush(look.shaded ? QColor(0xc9, 0xa2, 0x5c) : QColor(Qt::white));
    p.drawRect(QRectF(x + 0.42 * len, -bore, 0.16 * len, 0.6 * depth));
}

void bladder(QPainter& p, double top, double bottom, double r, double topDome, double neckTo, double neckR,
             double width, const Look& look)
{
    // The bag hangs from the gas valve, hugs the upper shell and leaves fluid round its sides and foot.
    const QPainterPath bag =
        capsule(bottom, top, r, 0.9 * r, topDome).united(rod(top - topDome, neckTo, neckR));
    p.setPen(Qt::NoPen);
    if (look.shaded)
    {
        // Not cut: the rubber is seen whole through the opening, lit near the axis.
        QLinearGradient skin(0, -0.4 * r, 0, r);
        skin.setStops(materialStops(Material::Rubber));
        p.setBrush(skin);
        p.drawPath(bag);
    }
    else
    {
        content(p, bag, look.gas, r, look);
    }
    // The valve stem vulcanised into the bag's neck.
    solid(p, rod(top - 0.5 * topDome, neckTo, 0.5 * neckR), -0.5 * neckR, 0.5 * neckR, Material::Steel, look);
    QPen skin = look.shaded ? outlinePen(1.0) : QPen(rubberInk, width);
    skin.setJoinStyle(Qt::RoundJoin);
    p.setPen(skin);
    p.setBrush(Qt::NoBrush);
    p.drawPath(bag);
}

void poppet(QPainter& p, double seat, double bore, double depth, const Look& look)
{
    // Mushroom head over the port, its stem and spring down the bore; closes when the bag reaches it.
    p.setPen(outlinePen(0.8));
    p.setBrush(rubberInk);
    const double coil = std::max(0.9, 0.08 * bore);
    for (double x = seat - 0.3 * bore; x > seat - depth; x -= 3.2 * coil)
        p.drawEllipse(QPointF(x, 0.62 * bore), coil, coil);
    solid(p, rod(seat - depth, seat, 0.22 * bore), -0.22 * bore, 0.22 * bore, Material::Steel, look);
    solid(p, rod(seat - 0.2 * bore, seat + 0.2 * bore, 1.12 * bore, 0.3 * bore, 0.05 * bore), -1.12 * bore,
          1.12 * bore, Material::Steel, look);
}

Fitting flangedPort(QPainter& p, double x, int dir, double r, const Look& look)
{
    // A square four-bolt flange face; its tapped holes show as hidden lines.
    const double thickness = 0.5 * r, half = 1.7 * r;
    const double face = stack(p, x, dir, {{Shape::Round, 0.25 * r, 1.05 * r}}, look);
    p.save();
    p.translate(face, 0);
    p.scale(dir, 1);
    solid(p, rod(0, thickness, half, 0.04 * r, 0.04 * r), -half, half, Material::Steel, look);
    QPen hidden = thinPen(0.7);
    hidden.setDashPattern({4 / 0.7, 2 / 0.7});
    p.setPen(hidden);
    for (double y : {-1.25 * r, 1.25 * r})
    {
        p.drawLine(QPointF(0.35 * thickness, y - 0.16 * r), QPointF(thickness, y - 0.16 * r));
        p.drawLine(QPointF(0.35 * thickness, y + 0.16 * r), QPointF(thickness, y + 0.16 * r));
    }
    p.drawLine(QPointF(-0.25 * r, -0.62 * r), QPointF(thickness, -0.62 * r));
    p.drawLine(QPointF(-0.25 * r, 0.62 * r), QPointF(thickness, 0.62 * r));
    p.restore();
    return {face + dir * thickness, half, QPointF(face + dir * 0.5 * thickness, half)};
}

Fitting shutOffValve(QPainter& p, double x, int dir, double s, const Look& look)
{
    // Brass valve body on the neck, outlet to the side, handwheel on top.
    const double body = stack(p, x, dir, {{Shape::Hex, 0.5 * s, 0.9 * s}}, look);
    p.save();
    p.translate(body, 0);
    p.scale(dir, 1);
    solid(p, box(0.3 * s, 0.9 * s, 0.9 * s, 1.75 * s), 0.9 * s, 1.75 * s, Material::Bronze, look);
    solid(p, rod(0, 1.3 * s, s, 0.1 * s, 0.1 * s), -s, s, Material::Bronze, look);
    p.restore();
    const double wheel = stack(p, body + dir * 1.3 * s, dir, {{Shape::Round, 0.5 * s, 0.22 * s}}, look);
    p.save();
    p.translate(wheel, 0);
    p.scale(dir, 1);
    solid(p, rod(0, 0.3 * s, 1.5 * s, 0.12 * s, 0.12 * s), -1.5 * s, 1.5 * s, Material::Rubber, look);
    p.restore();
    const double tip = stack(p, wheel + dir * 0.3 * s, dir, {{Shape::Cap, 0.25 * s, 0.3 * s}}, look);
    return {tip, 0.3 * s, QPointF(body + dir * 0.6 * s, 1.75 * s)};
}

void axis(QPainter& p, const Anchors& a, const Look& look)
{
    // A centre line belongs on a drawing or a cut, not across a painted shell.
    if (!look.shaded || look.section)
        centreLine(p, QPointF(a.minus.tip - 6, 0), QPointF(a.plus.tip + 6, 0));
}

} // namespace

QPainterPath rod(double x0, double x1, double r, double chamfer0, double chamfer1)
{
    QPainterPath path;
    path.moveTo(x0 + chamfer0, -r);
    path.lineTo(x1 - chamfer1, -r);
    path.lineTo(x1, -r + chamfer1);
    path.lineTo(x1, r - chamfer1);
    path.lineTo(x1 - chamfer1, r);
    path.lineTo(x0 + chamfer0, r);
    path.lineTo(x0, r - chamfer0);
    path.lineTo(x0, -r + chamfer0);
    path.closeSubpath();
    return path;
}

QPainterPath box(double x0, double x1, double y0, double y1)
{
    QPainterPath path;
    path.addRect(QRectF(QPointF(x0, y0), QPointF(x1, y1)).normalized());
    return path;
}

QBrush materialBrush(Material m, double y0, double y1, const Look& look)
{
    if (!look.shaded)
        return m == Material::Rubber ? QBrush(rubberInk) : QBrush(Qt::white);
    QLinearGradient gradient(0, y0, 0, y1);
    gradient.setStops(materialStops(m));
    return gradient;
}

void solid(QPainter& p, const QPainterPath& path, double y0, double y1, Material m, const Look& look)
{
    p.setBrush(materialBrush(m, y0, y1, look));
    p.setPen(outlinePen(outlineWidth(look)));
    p.drawPath(path);
}

void cutFace(QPainter& p, const QPainterPath& path, bool rising, const Look& look)
{
    p.setPen(Qt::NoPen);
    p.setBrush(look.shaded ? QColor(0xe4, 0xe8, 0xec) : QColor(Qt::white));
    p.drawPath(path);
    hatch(p, path, look.shaded ? 3.6 : 4.5, rising, look.shaded ? QColor(0x5a, 0x63, 0x6d) : ink::thin);
    p.setBrush(Qt::NoBrush);
    p.setPen(outlinePen(outlineWidth(look)));
    p.drawPath(path);
}

void content(QPainter& p, const QPainterPath& path, const QColor& tint, double r, const Look& look)
{
    p.setPen(Qt::NoPen);
    if (look.shaded)
    {
        // The inside of a bore is lit from the opening: darker towards the wall.
        QLinearGradient gradient(0, -r, 0, r);
        gradient.setColorAt(0.0, tint.darker(118));
        gradient.setColorAt(0.5, tint.lighter(103));
        gradient.setColorAt(1.0, tint.darker(118));
        p.setBrush(gradient);
    }
    else
    {
        p.setBrush(Qt::white);
    }
    p.drawPath(path);
}

void groundShadow(QPainter& p, QPointF centre, double rx, double ry)
{
    p.save();
    p.translate(centre);
    p.scale(1.0, ry / rx);
    QRadialGradient gradient(QPointF(0, 0), rx);
    gradient.setColorAt(0.0, QColor(0x14, 0x1e, 0x2d, 80));
    gradient.setColorAt(0.55, QColor(0x14, 0x1e, 0x2d, 36));
    gradient.setColorAt(1.0, QColor(0x14, 0x1e, 0x2d, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawEllipse(QPointF(0, 0), rx, rx);
    p.restore();
}

void placeUpright(QPainter& p, QPointF at)
{
    p.translate(at);
    p.rotate(-90);
}

void placeLevel(QPainter& p, QPointF at)
{
    p.translate(at);
}

void placeHanging(QPainter& p, QPointF at)
{
    // Mirrored as well as turned, so the highlight stays on the left.
    p.translate(at);
    p.rotate(90);
    p.scale(1, -1);
}

double stack(QPainter& p, double x, int dir, std::initializer_list<Piece> pieces, const Look& look)
{
    p.save();
    p.translate(x, 0);
    p.scale(dir, 1);
    double at = 0;
    for (const Piece& piece : pieces)
    {
        drawPiece(p, at, piece, look);
        at += piece.length;
    }
    p.restore();
    return x + dir * at;
}

Fitting gasValve(QPainter& p, double x, int dir, double s, const Look& look)
{
    const double tip = stack(
        p, x, dir,
        {{Shape::Hex, 0.8 * s, s}, {Shape::Thread, 0.6 * s, 0.5 * s}, {Shape::Cap, 1.1 * s, 0.7 * s}}, look);
    return {tip, 0.7 * s, QPointF(tip - dir * 0.55 * s, 0.7 * s)};
}

Fitting threadedPort(QPainter& p, double x, int dir, double r, const Look& look)
{
    const double tip =
        stack(p, x, dir, {{Shape::Hex, 0.55 * r, 1.15 * r}, {Shape::Thread, 0.9 * r, 0.8 * r}}, look);
    return {tip, 0.8 * r, QPointF(tip - dir * 0.45 * r, 0.8 * r)};
}

Anchors drawPiston(QPainter& p, const PistonUnit& u, const Look& look)
{
    const double R = u.radius, half = u.length / 2;
    const double wall = std::max(3.0, 0.14 * R);
    const double bore = R - wall;
    const double capR = u.boltedCaps ? 1.12 * R : R;
    const double capLen = (u.boltedCaps ? 0.46 : 0.4) * R;
    const double spigot = 0.42 * R;
    const double valve = std::clamp(0.2 * R, 5.0, 10.0);
    const double portR = 0.3 * R;
    const double gasFace = -half - capLen, fluidFace = half + capLen;

    // With the upper half cut away, the light falls on what is left of the lower half.
    const double litFrom = look.section ? -0.25 * R : -R;
    solid(p, rod(-half, half, R), litFrom, R, Material::Shell, look);
    endCap(p, -half, -1, R, capR, capLen, u.boltedCaps, litFrom, look);
    endCap(p, half, +1, R, capR, capLen, u.boltedCaps, litFrom, look);

    Anchors a;
    a.radius = capR;
    a.diameterAt = fluidFace - 0.2 * R;
    a.minus = u.gasEnd == GasEnd::Valve ? gasValve(p, gasFace, -1, valve, look)
                                        : threadedPort(p, gasFace, -1, 0.9 * valve, look);
    a.plus = threadedPort(p, fluidFace, +1, portR, look);

    if (look.section)
    {
        p.save();
        p.setClipRect(QRectF(gasFace, -capR - 1, fluidFace - gasFace, capR + 1));
        const double cavity0 = -half + spigot, cavity1 = half - spigot;
        const double pistonLen = 0.75 * R;
        const double px = cavity0 + u.pistonAt * (cavity1 - cavity0 - pistonLen);
        content(p, box(cavity0, cavity1, -bore, 0), look.gas, bore, look);
        if (u.piston)
            content(p, box(px + pistonLen, cavity1, -bore, 0), look.fluid, bore, look);
        cutFace(p, box(-half, half, -R, -bore), true, look);
        capSection(p, -half, +1, R, bore, capR, capLen, spigot, 0.35 * valve, look.gas, look);
        capSection(p, half, -1, R, bore, capR, capLen, spigot, 0.55 * portR, u.piston ? look.fluid : look.gas,
                   look);
        if (u.piston)
            pistonSection(p, px, pistonLen, bore, look);
        p.restore();
    }
    axis(p, a, look);
    return a;
}

Anchors drawBottle(QPainter& p, const BottleUnit& u, const Look& look)
{
    const double R = u.radius, half = u.length / 2;
    const double wall = u.wall > 0 ? u.wall : std::max(3.0, 0.09 * R);
    const double dome = u.dome * R;
    const double topR = (u.forged ? 0.36 : 0.28) * R, topLen = (u.forged ? 0.26 : 0.2) * R;
    const double bottomR = (u.bottom == Bottom::Flange ? 0.5 : u.bottom == Bottom::Poppet ? 0.4 : 0.26) * R;
    const double bottomLen = u.bottom == Bottom::Closed ? 0.0 : 0.24 * R;
    const double topBore = 0.5 * topR, bottomBore = 0.62 * bottomR;
    const double valve = std::clamp(0.18 * R, 5.0, 10.0);

    QPainterPath outer =
        capsule(-half, half, R, dome, dome).united(rod(half - 0.5 * dome, half + topLen, topR));
    if (u.bottom != Bottom::Closed)
        outer = outer.united(rod(-half - bottomLen, -half + 0.5 * dome, bottomR));
    solid(p, outer, -R, R, Material::Shell, look);

    Anchors a;
    a.radius = R;
    a.diameterAt = half - dome;
    const double topFace = half + topLen;
    switch (u.top)
    {
    case Top::Valve:
    {
        // A lock nut on the neck holds the bag's valve stem.
        const double nut = stack(p, topFace, +1, {{Shape::Hex, 0.4 * topR, 1.05 * topR}}, look);
        a.plus = gasValve(p, nut, +1, valve, look);
        break;
    }
    case Top::Port:
        a.plus = threadedPort(p, topFace, +1, 0.75 * topR, look);
        break;
    case Top::ShutOff:
        a.plus = shutOffValve(p, topFace, +1, 1.3 * topR, look);
        break;
    }
    const double bottomFace = -half - bottomLen;
    switch (u.bottom)
    {
    case Bottom::Port:
        a.minus = threadedPort(p, bottomFace, -1, 0.8 * bottomR, look);
        break;
    case Bottom::Poppet:
    {
        // A ring nut clamps the port body, which carries the poppet, into the shell.
        const double nut = stack(p, bottomFace, -1, {{Shape::Hex, 0.35 * bottomR, 1.3 * bottomR}}, look);
        a.minus = threadedPort(p, nut, -1, 0.75 * bottomR, look);
        break;
    }
    case Bottom::Flange:
        a.minus = flangedPort(p, bottomFace, -1, bottomR, look);
        break;
    case Bottom::Closed:
        a.minus = {-half, 0, QPointF(-half, 0)};
        break;
    }

    if (look.section)
    {
        p.save();
        p.setClipRect(QRectF(bottomFace, 0, topFace - bottomFace, R + 1));
        QPainterPath inner = capsule(-half + wall, half - wall, R - wall, dome - wall, dome - wall)
                                 .united(rod(half - dome, topFace + 1, topBore));
        if (u.bottom != Bottom::Closed)
            inner = inner.united(rod(bottomFace - 1, -half + dome, bottomBore));
        content(p, inner, u.bladder ? look.fluid : look.gas, R, look);
        if (u.bladder)
        {
            const double gap = 0.14 * R;
            bladder(p, half - wall - 0.5, -half + wall + 0.5 * R, R - wall - gap, dome - wall, topFace,
                    topBore, std::max(2.0, 0.045 * R), look);
        }
        if (u.bottom == Bottom::Poppet)
            poppet(p, -half + wall, bottomBore, bottomLen + wall, look);
        cutFace(p, outer.subtracted(inner), true, look);
        p.restore();
    }
    axis(p, a, look);
    return a;
}

Anchors drawSphere(QPainter& p, double R, const Look& look)
{
    const double wall = std::max(3.0, 0.08 * R);
    const double valveBoss = 0.17 * R, portBoss = 0.3 * R;
    const double valve = std::clamp(0.18 * R, 5.0, 10.0);
    QPainterPath sphere;
    sphere.addEllipse(QPointF(0, 0), R, R);
    const QPainterPath outer =
        sphere.united(rod(0.85 * R, 1.07 * R, valveBoss)).united(rod(-1.1 * R, -0.8 * R, portBoss));

    if (look.shaded)
    {
        // Lit from the upper left of the upright sphere.
        QRadialGradient light(QPointF(0.35 * R, -0.4 * R), 1.45 * R);
        light.setColorAt(0.0, QColor(0xdb, 0xe6, 0xf1));
        light.setColorAt(0.35, QColor(0x93, 0xac, 0xca));
        light.setColorAt(0.8, QColor(0x4a, 0x66, 0x89));
        light.setColorAt(1.0, QColor(0x2e, 0x43, 0x5f));
        p.setBrush(light);
    }
    else
    {
        p.setBrush(Qt::white);
    }
    p.setPen(outlinePen(outlineWidth(look)));
    p.drawPath(outer);
    // The weld bead round the equator.
    p.save();
    p.setClipPath(sphere);
    p.setPen(thinPen());
    p.drawLine(QPointF(-1.4, -R), QPointF(-1.4, R));
    p.drawLine(QPointF(1.4, -R), QPointF(1.4, R));
    p.restore();

    Anchors a;
    a.radius = R;
    a.diameterAt = 0;
    a.plus = gasValve(p, 1.07 * R, +1, valve, look);
    a.minus = threadedPort(p, -1.1 * R, -1, 0.22 * R, look);

    if (look.section)
    {
        p.save();
        p.setClipRect(QRectF(-1.1 * R, 0, 2.2 * R, R + 1));
        const double ri = R - wall;
        QPainterPath inner;
        inner.addEllipse(QPointF(0, 0), ri, ri);
        inner = inner.united(rod(0.8 * R, 1.1 * R, 0.35 * valveBoss))
                    .united(rod(-1.2 * R, -0.7 * R, 0.45 * portBoss));
        content(p, inner, look.gas, R, look);
        // The diaphragm is clamped at the seam and bulges towards the fluid port.
        const double dip = -0.55 * R;
        QPainterPath membrane;
        membrane.moveTo(0, ri);
        membrane.cubicTo(-0.3 * R, ri, dip, 0.55 * ri, dip, 0);
        QPainterPath below = membrane;
        below.lineTo(-2 * R, 0);
        below.lineTo(-2 * R, 2 * R);
        below.lineTo(0, 2 * R);
        below.closeSubpath();
        content(p, inner.intersected(below), look.fluid, R, look);
        QPen skin(rubberInk, std::max(2.2, 0.05 * R));
        skin.setCapStyle(Qt::FlatCap);
        p.setPen(skin);
        p.setBrush(Qt::NoBrush);
        p.drawPath(membrane);
        // The button that closes the port when the diaphragm is fully stretched.
        solid(p, rod(dip - 0.08 * R, dip, 0.2 * R, 0, 0.03 * R), -0.2 * R, 0.2 * R, Material::Steel, look);
        cutFace(p, outer.subtracted(inner), true, look);
        p.restore();
    }
    axis(p, a, look);
    return a;
}

} // namespace pictures
