// draw_background FILE: the step panel's background picture, a faint section of a piston
// accumulator on drafting paper, written as a BMP; drawn pale so the step texts stay legible.
#include "Drafting.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace
{
constexpr int kWidth = 700;
constexpr int kHeight = 480;
// The window's own grey as the paper, so the picture has no visible edge.
const QColor kPaper{0xef, 0xef, 0xef};
const QColor kGrid{0xe6, 0xe8, 0xeb};
const QColor kLine{0xc8, 0xcf, 0xd8};
const QColor kFill{0xe9, 0xec, 0xf0};

void DrawGrid(QPainter& p)
{
    p.fillRect(0, 0, kWidth, kHeight, kPaper);
    p.setPen(QPen(kGrid, 1));
    for (int x = 0; x <= kWidth; x += 20)
        p.drawLine(x, 0, x, kHeight);
    for (int y = 0; y <= kHeight; y += 20)
        p.drawLine(0, y, kWidth, y);
}

// A piston accumulator in section, lying along the panel's right edge: shell, end caps, the
// piston with its seals, the gas valve and the fluid port.
void DrawAccumulator(QPainter& p)
{
    const double left = 440, right = 650, top = 150, bottom = 330, wall = 14, cap = 26;
    const double middle = (top + bottom) / 2;
    QPen outline(kLine, 2);
    outline.setJoinStyle(Qt::RoundJoin);
    p.setPen(outline);

    QPainterPath shell;
    shell.addRoundedRect(QRectF(left, top, right - left, bottom - top), 10, 10);
    QPainterPath bore;
    bore.addRect(QRectF(left + cap, top + wall, right - left - 2 * cap, bottom - top - 2 * wall));
    const QPainterPath walls = shell.subtracted(bore);
    p.fillPath(walls, kFill);
    pictures::hatch(p, walls, 9, true, kLine);
    p.drawPath(shell);
    p.drawPath(bore);

    // The piston at a third of the stroke, with two seal grooves.
    const QRectF piston(left + cap + 70, top + wall, 46, bottom - top - 2 * wall);
    p.fillRect(piston, kFill);
    p.drawRect(piston);
    for (double x : {piston.left() + 12, piston.right() - 12})
    {
        p.drawLine(QPointF(x, piston.top()), QPointF(x, piston.top() + 8));
        p.drawLine(QPointF(x, piston.bottom()), QPointF(x, piston.bottom() - 8));
    }

    // Gas valve on the right cap, fluid port on the left.
    p.drawRect(QRectF(right, middle - 9, 22, 18));
    p.drawLine(QPointF(right + 22, middle), QPointF(right + 34, middle));
    p.drawRect(QRectF(left - 18, middle - 14, 18, 28));

    QPen centre = pictures::centrePen();
    centre.setColor(kLine);
    p.setPen(centre);
    p.drawLine(QPointF(left - 40, middle), QPointF(right + 40, middle));
}
} // namespace

int main(int argc, char** argv)
{
    // Drawn at build time, where there is no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: draw_background FILE.bmp\n");
        return 2;
    }
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        DrawGrid(painter);
        DrawAccumulator(painter);
    }
    if (!image.save(QString::fromLocal8Bit(argv[1]), "BMP"))
    {
        std::fprintf(stderr, "draw_background: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
