// The brands heading the selection report: a mark beside the name and a trade line.
#include "Pictures.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace pictures
{

namespace
{

constexpr double kMarkWidth = 34;

// The name and trade line with the mark drawn to their left (in a 34 px wide box from `left`),
// both centred together on the sheet.
template <class Mark> void brand(Sheet& sheet, const QString& name, const QString& trade, Mark mark)
{
    QPainter& p = sheet.painter();
    QFont nameFont = sheetFont(34, true);
    nameFont.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
    QFont lineFont = sheetFont(8, true);
    lineFont.setLetterSpacing(QFont::AbsoluteSpacing, 1.4);
    const double gap = 12;
    const double textWidth = std::max(QFontMetricsF(nameFont).horizontalAdvance(name),
                                      QFontMetricsF(lineFont).horizontalAdvance(trade));
    const double left = std::round((sheet.width() - kMarkWidth - gap - textWidth) / 2);
    mark(p, left);

    const double textLeft = left + kMarkWidth + gap;
    p.setFont(nameFont);
    p.setPen(ink::brand);
    p.drawText(QRectF(textLeft, 10, textWidth + 4, 42), Qt::AlignLeft | Qt::AlignVCenter, name);
    p.setFont(lineFont);
    p.drawText(QRectF(textLeft + 1, 52, textWidth + 4, 14), Qt::AlignLeft | Qt::AlignVCenter, trade);
}

} // namespace

void brandDalrow(Sheet& sheet)
{
    // An accumulator shell, its lower part full of fluid under the separating line.
    brand(sheet, QStringLiteral("DALROW"), QStringLiteral("HYDRAULIC ACCUMULATORS"),
          [](QPainter& p, double left)
          {
              QPen shell(ink::brand, 4.0);
              shell.setJoinStyle(Qt::RoundJoin);
              p.setPen(shell);
              p.setBrush(Qt::NoBrush);
              p.drawRoundedRect(QRectF(left + 2, 18, 30, 52), 15, 15);
              p.setPen(Qt::NoPen);
              p.setBrush(ink::brand);
              p.drawRect(QRectF(left + 12, 9, 10, 7));
              QPainterPath fluid;
              fluid.addRoundedRect(QRectF(left + 8, 24, 18, 40), 9, 9);
              QPainterPath lower;
              lower.addRect(QRectF(left + 6, 47, 22, 20));
              p.drawPath(fluid.intersected(lower));
              p.drawRect(QRectF(left + 8, 41, 18, 3));
          });
}

void brandOstrel(Sheet& sheet)
{
    // A reservoir wall with the isolator's bag hanging into it from the breather, fluid round it.
    brand(sheet, QStringLiteral("OSTREL"), QStringLiteral("ISOLATORS & BARRIERS"),
          [](QPainter& p, double left)
          {
              QPen wall(ink::brand, 4.0);
              wall.setJoinStyle(Qt::RoundJoin);
              wall.setCapStyle(Qt::RoundCap);
              p.setPen(wall);
              p.setBrush(Qt::NoBrush);
              QPainterPath tank;
              tank.moveTo(left + 2, 20);
              tank.lineTo(left + 2, 68);
              tank.lineTo(left + 32, 68);
              tank.lineTo(left + 32, 20);
              p.drawPath(tank);
              p.drawLine(QPointF(left + 2, 20), QPointF(left + 11, 20));
              p.drawLine(QPointF(left + 23, 20), QPointF(left + 32, 20));
              p.setPen(Qt::NoPen);
              p.setBrush(ink::brand);
              p.drawRect(QRectF(left + 13, 9, 8, 9));
              // Fluid up to the line, the bag white inside it.
              QPainterPath fluid;
              fluid.addRect(QRectF(left + 6, 40, 22, 24));
              QPainterPath bag;
              bag.addRoundedRect(QRectF(left + 10, 22, 14, 34), 7, 7);
              p.drawPath(fluid.subtracted(bag));
              p.setPen(QPen(ink::brand, 2.0));
              p.setBrush(Qt::NoBrush);
              p.drawPath(bag);
          });
}

} // namespace pictures
