// draw_pictures OUTDIR: draws every catalogue picture as a JPEG into OUTDIR, the same bytes on every run.
#include "Pictures.h"

#include <QDir>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace pictures
{

namespace
{

void brand(Sheet& sheet)
{
    QPainter& p = sheet.painter();
    QFont name = sheetFont(34, true);
    name.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
    QFont line = sheetFont(8, true);
    line.setLetterSpacing(QFont::AbsoluteSpacing, 1.4);
    const QString maker = QStringLiteral("DALROW");
    const QString trade = QStringLiteral("HYDRAULIC ACCUMULATORS");
    // Mark and name centred together.
    const double markWidth = 34, gap = 12;
    const double textWidth =
        std::max(QFontMetricsF(name).horizontalAdvance(maker), QFontMetricsF(line).horizontalAdvance(trade));
    const double left = std::round((sheet.width() - markWidth - gap - textWidth) / 2);

    // The mark: an accumulator shell, its lower part full of fluid under the separating line.
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

    const double textLeft = left + markWidth + gap;
    p.setFont(name);
    p.setPen(ink::brand);
    p.drawText(QRectF(textLeft, 10, textWidth + 4, 42), Qt::AlignLeft | Qt::AlignVCenter, maker);
    p.setFont(line);
    p.drawText(QRectF(textLeft + 1, 52, textWidth + 4, 14), Qt::AlignLeft | Qt::AlignVCenter, trade);
}

struct Picture
{
    const char* name;
    int width;
    int height;
    void (*draw)(Sheet&);
};

const Picture pictureList[] = {
    {"ProductAccumulators.jpg", 320, 240, productAccumulators},
    {"ProductGasBottles.jpg", 320, 240, productGasBottles},
    {"ProductReservoirIsolators.jpg", 320, 240, productReservoirIsolators},
    {"ProductAccessories.jpg", 320, 240, productAccessories},
    {"ProductRepairKits.jpg", 320, 240, productRepairKits},
    {"ProductTransferBarriers.jpg", 320, 240, productTransferBarriers},
    {"AccChargingKit.jpg", 320, 240, accChargingKit},
    {"AccGasGauge.jpg", 320, 240, accGasGauge},
    {"AccMountingClamp.jpg", 320, 240, accMountingClamp},
    {"AccBaseBracket.jpg", 320, 240, accBaseBracket},
    {"AccSafetyBlock.jpg", 320, 240, accSafetyBlock},
    {"AccBladderTool.jpg", 320, 240, accBladderTool},
    {"AccGasRack.jpg", 320, 240, accGasRack},
    {"SeriesPA.jpg", 320, 240, seriesPA},
    {"SeriesPM.jpg", 320, 240, seriesPM},
    {"SeriesBA.jpg", 320, 240, seriesBA},
    {"SeriesBH.jpg", 320, 240, seriesBH},
    {"SeriesDA.jpg", 320, 240, seriesDA},
    {"SeriesGB.jpg", 320, 240, seriesGB},
    {"SeriesPG.jpg", 320, 240, seriesPG},
    {"SeriesBG.jpg", 320, 240, seriesBG},
    {"DimPiston.jpg", 480, 360, dimPiston},
    {"DimPistonGasPort.jpg", 480, 360, dimPistonGasPort},
    {"DimBladder.jpg", 480, 360, dimBladder},
    {"DimBladderHighFlow.jpg", 480, 360, dimBladderHighFlow},
    {"DimDiaphragm.jpg", 480, 360, dimDiaphragm},
    {"DimGasBottle.jpg", 480, 360, dimGasBottle},
    {"Dalrow.jpg", 240, 80, brand},
};

} // namespace

} // namespace pictures

int main(int argc, char** argv)
{
    // Drawn at build time, where there is no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: draw_pictures OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral(".")))
    {
        std::fprintf(stderr, "draw_pictures: cannot create %s\n", argv[1]);
        return 1;
    }
    for (const pictures::Picture& picture : pictures::pictureList)
    {
        pictures::Sheet sheet(picture.width, picture.height);
        picture.draw(sheet);
        const QString path = out.filePath(QString::fromLatin1(picture.name));
        if (!sheet.save(path))
        {
            std::fprintf(stderr, "draw_pictures: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
