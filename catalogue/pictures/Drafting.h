// Drafting conventions shared by every picture: the sheet, pens, hatching, centre lines, dimensions.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QString>
#include <QTransform>

namespace pictures
{

namespace ink
{
inline const QColor line{0x1b, 0x20, 0x26};
inline const QColor thin{0x34, 0x3b, 0x43};
inline const QColor caption{0x55, 0x5d, 0x66};
inline const QColor brand{0x14, 0x3a, 0x6c};
} // namespace ink

QPen outlinePen(double width = 1.2);
QPen thinPen(double width = 0.7);
QPen centrePen();
QFont sheetFont(int pixelSize, bool bold = false);

// Owns one picture's image and painter, so the drawing functions only paint.
class Sheet
{
public:
    // A sheet of width x height drawing units, drawn at `scale` pixels per unit: the report's
    // drawings print sharp at 300 dpi only with more pixels than the screen pictures need.
    Sheet(int width, int height, int scale = 1);

    QPainter& painter() { return painter_; }
    int width() const { return image_.width() / scale_; }
    int height() const { return image_.height() / scale_; }
    // The painter's transform for the sheet's own units, where others reset theirs.
    const QTransform& base() const { return base_; }

    // A very light backdrop that fades towards the floor, for the shaded catalogue illustrations.
    void studio();
    void frame();
    void caption(const QString& text);
    void titleBlock(const QString& title);
    bool save(const QString& path);

private:
    int scale_;
    QImage image_;
    QTransform base_;
    QPainter painter_;
};

// Parallel lines across a region, spaced along x; rising lines go up to the right.
void hatch(QPainter& p, const QPainterPath& region, double spacing, bool rising, const QColor& colour);
void centreLine(QPainter& p, QPointF from, QPointF to);
void arrowHead(QPainter& p, QPointF tip, QPointF from);
void callout(QPainter& p, QPointF centre, QChar letter);

// A dimension between two features: extension lines from each feature to the dimension line, which runs
// between `lineFrom` and `lineTo` with arrowheads and its letter in a circle at the middle.
void dimension(QPainter& p, QPointF featureFrom, QPointF featureTo, QPointF lineFrom, QPointF lineTo,
               QChar letter);
void leader(QPainter& p, QPointF target, QPointF bubble, QChar letter);

} // namespace pictures
