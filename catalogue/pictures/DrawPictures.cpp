// draw_pictures OUTDIR: draws every catalogue picture as a JPEG into OUTDIR, the same bytes on every run.
#include "Pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

namespace pictures
{

namespace
{

struct Picture
{
    const char* name;
    int width;
    int height;
    void (*draw)(Sheet&);
    int scale = 1; // pixels per drawing unit
};

// The report prints its drawing 3.75 in wide: three pixels per unit give 384 dpi.
constexpr int kReportScale = 3;

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
    {"DimPiston.jpg", 480, 360, dimPiston, kReportScale},
    {"DimPistonGasPort.jpg", 480, 360, dimPistonGasPort, kReportScale},
    {"DimPistonGasBottle.jpg", 480, 360, dimPistonGasBottle, kReportScale},
    {"DimBladder.jpg", 480, 360, dimBladder, kReportScale},
    {"DimBladderHighFlow.jpg", 480, 360, dimBladderHighFlow, kReportScale},
    {"DimDiaphragm.jpg", 480, 360, dimDiaphragm, kReportScale},
    {"DimGasBottle.jpg", 480, 360, dimGasBottle, kReportScale},
    {"DimOvrisol.jpg", 480, 360, dimOvrisol, kReportScale},
    {"DimTransferBarrier.jpg", 480, 360, dimTransferBarrier, kReportScale},
    {"Dalrow.jpg", 240, 80, brandDalrow},
    {"Ostrel.jpg", 240, 80, brandOstrel},
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
        pictures::Sheet sheet(picture.width, picture.height, picture.scale);
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
