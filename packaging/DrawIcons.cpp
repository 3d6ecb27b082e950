// Draws the programs' icons and the selection file's icon at the sizes of the hicolor theme:
//   draw_icons OUTDIR   writes OUTDIR/hicolor/NxN/{apps,mimetypes}/NAME.png
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <functional>

namespace
{
const QColor kOutline(0x27, 0x3a, 0x4d);
const QColor kPaper(0xfa, 0xfa, 0xf5);

// The accumulator: a capsule with nitrogen above the piston and oil below it, its port at the
// foot. Drawn in the box (x, y, width, height) of a 256-unit canvas.
void DrawAccumulator(QPainter& painter, const QRectF& box)
{
    const double w = box.width();
    const QRectF body(box.left() + w * 0.16, box.top(), w * 0.68, box.height() * 0.88);
    QPainterPath capsule;
    capsule.addRoundedRect(body, body.width() / 2, body.width() / 2);
    const double pistonY = body.top() + body.height() * 0.46;

    painter.save();
    painter.setClipPath(capsule);
    QLinearGradient gas(body.topLeft(), body.topRight());
    gas.setColorAt(0, QColor(0x9c, 0xd3, 0xf5));
    gas.setColorAt(1, QColor(0x3f, 0x8f, 0xd0));
    painter.fillRect(QRectF(body.left(), body.top(), body.width(), pistonY - body.top()), gas);
    QLinearGradient oil(body.topLeft(), body.topRight());
    oil.setColorAt(0, QColor(0xf7, 0xc3, 0x4d));
    oil.setColorAt(1, QColor(0xd9, 0x8a, 0x12));
    painter.fillRect(QRectF(body.left(), pistonY, body.width(), body.bottom() - pistonY), oil);
    painter.restore();

    const double pen = w * 0.06;
    painter.setPen(QPen(kOutline, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(capsule);
    painter.setPen(QPen(kOutline, pen * 1.4, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(body.left(), pistonY), QPointF(body.right(), pistonY));
    const double portWidth = w * 0.16;
    painter.fillRect(QRectF(box.center().x() - portWidth / 2, body.bottom() - pen / 2, portWidth,
                            box.bottom() - body.bottom() + pen / 2),
                     kOutline);
}

void DrawProgramIcon(QPainter& painter)
{
    DrawAccumulator(painter, QRectF(48, 16, 160, 224));
}

// The order pad: a clipboard holding an order with the accumulator beside its lines.
void DrawOrderPadIcon(QPainter& painter)
{
    painter.setPen(QPen(kOutline, 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0xb0, 0x7a, 0x45));
    painter.drawRoundedRect(QRectF(36, 28, 184, 216), 18, 18);
    painter.setBrush(kPaper);
    painter.drawRect(QRectF(56, 52, 144, 176));
    painter.setBrush(QColor(0x9a, 0xa5, 0xb1));
    painter.drawRoundedRect(QRectF(92, 14, 72, 34), 10, 10);
    painter.setPen(QPen(kOutline, 10, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i)
        painter.drawLine(QPointF(124, 86 + i * 36), QPointF(180, 86 + i * 36));
    DrawAccumulator(painter, QRectF(62, 66, 56, 132));
}

// A saved selection: a page with a folded corner and the accumulator on it.
void DrawSelectionFileIcon(QPainter& painter)
{
    QPainterPath page;
    page.moveTo(44, 12);
    page.lineTo(164, 12);
    page.lineTo(212, 60);
    page.lineTo(212, 244);
    page.lineTo(44, 244);
    page.closeSubpath();
    painter.setPen(QPen(kOutline, 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(kPaper);
    painter.drawPath(page);
    painter.setBrush(QColor(0xdd, 0xe2, 0xe8));
    painter.drawPolygon(QPolygonF({QPointF(164, 12), QPointF(164, 60), QPointF(212, 60)}));
    DrawAccumulator(painter, QRectF(78, 72, 100, 156));
}

bool WriteIcon(const QDir& out, int nSize, const char* pszContext, const char* pszName,
               const std::function<void(QPainter&)>& draw)
{
    QImage image(nSize, nSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(nSize / 256.0, nSize / 256.0);
        draw(painter);
    }
    const QString strFolder = QStringLiteral("hicolor/%1x%1/%2").arg(nSize).arg(QLatin1String(pszContext));
    return out.mkpath(strFolder) &&
           image.save(out.filePath(strFolder + QLatin1Char('/') + QLatin1String(pszName) + ".png"), "PNG");
}
} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: draw_icons OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (int nSize : {16, 22, 24, 32, 48, 64, 128, 256})
        if (!WriteIcon(out, nSize, "apps", "tesmara-accumulator", DrawProgramIcon) ||
            !WriteIcon(out, nSize, "apps", "tesmara-orderpad", DrawOrderPadIcon) ||
            !WriteIcon(out, nSize, "mimetypes", "application-x-tesmara-accumulator-selection", DrawSelectionFileIcon))
        {
            std::fprintf(stderr, "draw_icons: cannot write the icons of %d pixels into %s\n", nSize, argv[1]);
            return 1;
        }
    return 0;
}
