// Painting the drawing's entities layer by layer with pens like those of the plotted sheet.
#include "outputs/CadPainter.h"

#include "outputs/CadDrawing.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace
{
struct SLayerPen
{
    ECadLayer eLayer;
    QColor colour;
    double dWidthMm;
    Qt::PenStyle eStyle;
};

const SLayerPen kPens[] = {
    {ECadLayer::Border, QColor(0, 0, 0), 0.35, Qt::SolidLine},
    {ECadLayer::Mounting, QColor(139, 0, 139), 0.25, Qt::DashDotDotLine},
    {ECadLayer::Center, QColor(178, 34, 34), 0.18, Qt::DashDotLine},
    {ECadLayer::Hidden, QColor(31, 78, 158), 0.25, Qt::DashLine},
    {ECadLayer::Outline, QColor(0, 0, 0), 0.5, Qt::SolidLine},
    {ECadLayer::Dimension, QColor(0, 100, 0), 0.18, Qt::SolidLine},
    {ECadLayer::Text, QColor(0, 0, 0), 0.18, Qt::SolidLine},
};

class CMapper
{
public:
    CMapper(const CCadDrawing& d, const QRectF& sheet) : m_d(d), m_sheet(sheet), m_k(sheet.width() / d.m_dSheetWidth) {}
    QPointF At(const SCadPoint& model) const
    {
        const SCadPoint p = m_d.ToPaper(model);
        return {m_sheet.left() + p.x * m_k, m_sheet.bottom() - p.y * m_k};
    }
    double Length(double dModel) const { return dModel / m_d.m_dScale * m_k; }
    double PerMm() const { return m_k; }

private:
    const CCadDrawing& m_d;
    QRectF m_sheet;
    double m_k; // device units per paper millimetre
};

void PaintText(QPainter& painter, const CMapper& map, const SCadText& t, const QColor& colour)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    // The text height is its capitals' height: about 0.72 of the font's size.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(map.Length(t.dHeight) / 0.72))));
    painter.setFont(font);
    painter.setPen(colour);
    const QString strText = QString::fromStdString(t.strText);
    const double dWidth = QFontMetricsF(font).horizontalAdvance(strText);
    const double dShift = t.eAlign == ECadAlign::Left ? 0.0 : t.eAlign == ECadAlign::Centre ? -dWidth / 2.0 : -dWidth;
    painter.save();
    painter.translate(map.At(t.anchor));
    painter.rotate(-t.dRotationDeg);
    painter.drawText(QPointF(dShift, 0.0), strText);
    painter.restore();
}
} // namespace

QRectF CadSheetRect(const CCadDrawing& drawing, const QRectF& target)
{
    const double dRatio = drawing.m_dSheetWidth / drawing.m_dSheetHeight;
    QRectF sheet = target;
    if (target.width() / target.height() > dRatio)
        sheet.setWidth(target.height() * dRatio);
    else
        sheet.setHeight(target.width() / dRatio);
    sheet.moveCenter(target.center());
    return sheet;
}

void PaintCadDrawing(QPainter& painter, const CCadDrawing& d, const QRectF& target)
{
    const QRectF sheet = CadSheetRect(d, target);
    const CMapper map(d, sheet);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(sheet, Qt::white);
    for (const SLayerPen& layer : kPens)
    {
        QPen pen(layer.colour, std::max(1.0, layer.dWidthMm * map.PerMm()), layer.eStyle);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        for (const SCadLine& l : d.m_lines)
            if (l.eLayer == layer.eLayer)
                painter.drawLine(map.At(l.a), map.At(l.b));
        for (const SCadCircle& c : d.m_circles)
            if (c.eLayer == layer.eLayer)
                painter.drawEllipse(map.At(c.centre), map.Length(c.dRadius), map.Length(c.dRadius));
        for (const SCadArc& a : d.m_arcs)
        {
            if (a.eLayer != layer.eLayer)
                continue;
            double dSweep = a.dEndDeg - a.dStartDeg;
            while (dSweep <= 0.0)
                dSweep += 360.0;
            const double r = map.Length(a.dRadius);
            const QPointF centre = map.At(a.centre);
            // Qt's angles turn counter-clockwise on the screen, as the drawing's do on paper.
            painter.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r),
                            static_cast<int>(std::lround(a.dStartDeg * 16)), static_cast<int>(std::lround(dSweep * 16)));
        }
        painter.setBrush(layer.colour);
        painter.setPen(Qt::NoPen);
        for (const SCadSolid& s : d.m_solids)
            if (s.eLayer == layer.eLayer)
                painter.drawPolygon(QPolygonF({map.At(s.a), map.At(s.b), map.At(s.c)}));
        for (const SCadText& t : d.m_texts)
            if (t.eLayer == layer.eLayer)
                PaintText(painter, map, t, layer.colour);
    }
    painter.restore();
}
