// Drafting conventions shared by every picture: the sheet, pens, hatching, centre lines, dimensions.
#include "Drafting.h"

#include <QImageWriter>
#include <QLinearGradient>
#include <cmath>

namespace pictures
{

namespace
{

QPointF unit(QPointF v)
{
    const double length = std::hypot(v.x(), v.y());
    return length > 0 ? v / length : QPointF(0, 0);
}

constexpr double calloutRadius = 8.0;

} // namespace

QPen outlinePen(double width)
{
    QPen pen(ink::line, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QPen thinPen(double width)
{
    QPen pen(ink::thin, width);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

QPen centrePen()
{
    // Qt counts dash lengths in pen widths; these are long dash, gap, dot, gap in pixels.
    const double width = 0.6;
    QPen pen(ink::thin, width);
    pen.setDashPattern({14 / width, 3 / width, 2 / width, 3 / width});
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

QFont sheetFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

Sheet::Sheet(int width, int height, int scale)
    : scale_(scale), image_(width * scale, height * scale, QImage::Format_RGB32),
      base_(QTransform::fromScale(scale, scale))
{
    image_.fill(Qt::white);
    painter_.begin(&image_);
    painter_.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter_.setTransform(base_);
}

void Sheet::studio()
{
    QLinearGradient backdrop(0, 0, 0, height());
    backdrop.setColorAt(0.0, QColor(0xff, 0xff, 0xff));
    backdrop.setColorAt(0.6, QColor(0xf9, 0xfa, 0xfb));
    backdrop.setColorAt(1.0, QColor(0xec, 0xef, 0xf2));
    painter_.fillRect(QRectF(0, 0, width(), height()), backdrop);
}

void Sheet::frame()
{
    painter_.save();
    painter_.setTransform(base_);
    painter_.setPen(QPen(ink::caption, 1.0));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(3.5, 3.5, width() - 7, height() - 7));
    painter_.restore();
}

void Sheet::caption(const QString& text)
{
    painter_.save();
    painter_.setTransform(base_);
    painter_.setFont(sheetFont(9));
    painter_.setPen(ink::caption);
    painter_.drawText(QRectF(8, height() - 20, width() - 16, 13), Qt::AlignRight | Qt::AlignVCenter, text);
    painter_.restore();
}

void Sheet::titleBlock(const QString& title)
{
    // Two rows in the lower right corner, sharing the frame's edges: maker and title, then the note.
    const double w = 232, rowHeight = 15;
    const QRectF box(width() - 3.5 - w, height() - 3.5 - 2 * rowHeight, w, 2 * rowHeight);
    const double split = box.left() + 58;
    painter_.save();
    painter_.setTransform(base_);
    painter_.setPen(QPen(ink::caption, 1.0));
    painter_.setBrush(Qt::white);
    painter_.drawRect(box);
    painter_.drawLine(QPointF(box.left(), box.top() + rowHeight),
                      QPointF(box.right(), box.top() + rowHeight));
    painter_.drawLine(QPointF(split, box.top()), QPointF(split, box.top() + rowHeight));
    painter_.setFont(sheetFont(9, true));
    painter_.setPen(ink::brand);
    painter_.drawText(QRectF(box.left(), box.top(), split - box.left(), rowHeight), Qt::AlignCenter,
                      QStringLiteral("DALROW"));
    painter_.setFont(sheetFont(9));
    painter_.setPen(ink::line);
    painter_.drawText(QRectF(split + 5, box.top(), box.right() - split - 5, rowHeight),
                      Qt::AlignLeft | Qt::AlignVCenter, title);
    painter_.setFont(sheetFont(8));
    painter_.setPen(ink::caption);
    painter_.drawText(QRectF(box.left() + 5, box.top() + rowHeight, w - 10, rowHeight),
                      Qt::AlignLeft | Qt::AlignVCenter,
                      QStringLiteral("Dimensions A\u2013D: see report \u00b7 not to scale"));
    painter_.restore();
}

bool Sheet::save(const QString& path)
{
    painter_.end();
    QImageWriter writer(path, "jpeg");
    writer.setQuality(90);
    return writer.write(image_);
}

void hatch(QPainter& p, const QPainterPath& region, double spacing, bool rising, const QColor& colour)
{
    p.save();
    p.setClipPath(region, Qt::IntersectClip);
    p.setPen(QPen(colour, 0.6));
    const QRectF box = region.boundingRect();
    // Start on a multiple of the spacing, so neighbouring regions with the same hatch line up.
    const double first = std::floor((box.left() - box.height()) / spacing) * spacing;
    for (double x = first; x <= box.right(); x += spacing)
    {
        if (rising)
            p.drawLine(QPointF(x, box.bottom()), QPointF(x + box.height(), box.top()));
        else
            p.drawLine(QPointF(x, box.top()), QPointF(x + box.height(), box.bottom()));
    }
    p.restore();
}

void centreLine(QPainter& p, QPointF from, QPointF to)
{
    p.save();
    p.setPen(centrePen());
    p.drawLine(from, to);
    p.restore();
}

void arrowHead(QPainter& p, QPointF tip, QPointF from)
{
    const QPointF along = unit(tip - from);
    const QPointF across(-along.y(), along.x());
    const double length = 7.0, halfWidth = 2.2;
    const QPointF points[] = {tip, tip - along * length + across * halfWidth,
                              tip - along * length - across * halfWidth};
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(ink::line);
    p.drawPolygon(points, 3);
    p.restore();
}

void callout(QPainter& p, QPointF centre, QChar letter)
{
    p.save();
    p.setPen(QPen(ink::line, 0.9));
    p.setBrush(Qt::white);
    p.drawEllipse(centre, calloutRadius, calloutRadius);
    p.setFont(sheetFont(10, true));
    p.setPen(ink::line);
    const QRectF box(centre.x() - calloutRadius, centre.y() - calloutRadius, 2 * calloutRadius,
                     2 * calloutRadius);
    p.drawText(box.translated(0.2, 0.3), Qt::AlignCenter, QString(letter));
    p.restore();
}

void dimension(QPainter& p, QPointF featureFrom, QPointF featureTo, QPointF lineFrom, QPointF lineTo,
               QChar letter)
{
    p.save();
    p.setPen(thinPen());
    // Extension lines leave a small gap at the part and run just past the dimension line.
    const auto extension = [&](QPointF feature, QPointF onLine)
    {
        const QPointF out = unit(onLine - feature);
        p.drawLine(feature + out * 2.5, onLine + out * 4.0);
    };
    extension(featureFrom, lineFrom);
    extension(featureTo, lineTo);
    p.drawLine(lineFrom, lineTo);
    arrowHead(p, lineFrom, lineTo);
    arrowHead(p, lineTo, lineFrom);
    callout(p, (lineFrom + lineTo) / 2, letter);
    p.restore();
}

void leader(QPainter& p, QPointF target, QPointF bubble, QChar letter)
{
    p.save();
    p.setPen(thinPen());
    p.drawLine(bubble + unit(target - bubble) * calloutRadius, target);
    arrowHead(p, target, bubble);
    callout(p, bubble, letter);
    p.restore();
}

} // namespace pictures
