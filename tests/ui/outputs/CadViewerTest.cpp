// The CAD viewer's zoom, pan and fit, the sheet painted on screen, and the PDF read back.
#include "outputs/CadComponent.h"
#include "outputs/CadDrawingBuilder.h"
#include "outputs/CadViewer.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
CCadDrawing Drawing()
{
    SCadOutline o;
    o.strModelNumber = "PA31-4-150-VS-G";
    o.strDescription = "Piston, 4 in Bore";
    o.dLength = 454.66;
    o.dDiameter = 114.3;
    o.dBore = 101.6;
    o.dCap = 76.2;
    o.dPortDiameter = 33.34;
    o.dPortDepth = 28.0;
    o.dValveDiameter = 22.23;
    o.dValveDepth = 21.0;
    o.strValveLabel = "Gas Charging Valve (7/8-14 UNF)";
    o.clamps = {227.33};
    o.dClampWidth = 20.0;
    return BuildCadDrawing(o, SCadPreferences(), "2026-11-02");
}
} // namespace

class CCadViewerTest : public QObject
{
    Q_OBJECT

private slots:
    void ZoomPanAndFit()
    {
        int nSaved = 0;
        CCadViewer viewer(Drawing(), [&nSaved](QWidget*, const CCadDrawing&) { ++nSaved; });
        viewer.resize(1000, 760);
        viewer.show();
        QCOMPARE(viewer.windowTitle(), QStringLiteral("CAD Drawing - PA31-4-150-VS-G"));
        CCadCanvas& canvas = *viewer.Canvas();
        const QRectF fitted = canvas.SheetRect();
        // A3 keeps its proportions on screen.
        QVERIFY(qAbs(fitted.width() / fitted.height() - 420.0 / 297.0) < 1e-9);

        // Zooming about a point keeps that point still.
        const QPointF fixed = fitted.topLeft() + QPointF(100, 50);
        canvas.ZoomBy(2.0, fixed);
        const QRectF zoomed = canvas.SheetRect();
        QCOMPARE(zoomed.width(), 2.0 * fitted.width());
        QVERIFY((zoomed.topLeft() + (fixed - fitted.topLeft()) * 2.0 - fixed).manhattanLength() < 1e-6);
        canvas.PanBy(QPointF(30, -20));
        QCOMPARE(canvas.SheetRect().topLeft(), zoomed.topLeft() + QPointF(30, -20));
        canvas.Fit();
        QCOMPARE(canvas.SheetRect(), fitted);
        // The buttons: a step in is a quarter larger; Fit puts the sheet back.
        const auto click = [&](const QString& strName)
        {
            for (QPushButton* pButton : viewer.findChildren<QPushButton*>())
                if (pButton->accessibleName() == strName)
                    pButton->click();
        };
        click("Zoom In");
        QCOMPARE(canvas.SheetRect().width(), 1.25 * fitted.width());
        click("Fit");
        QCOMPARE(canvas.SheetRect(), fitted);
        // The wheel turned forward zooms in; a drag with the left button pans; Save As saves and stays open.
        QWheelEvent wheel(fitted.center(), QPointF(), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&canvas, &wheel);
        QCOMPARE(canvas.SheetRect().width(), 1.25 * fitted.width());
        click("Fit");
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), QPointF(), Qt::LeftButton, Qt::LeftButton, {});
        QMouseEvent drag(QEvent::MouseMove, QPointF(40, 30), QPointF(), Qt::NoButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&canvas, &press);
        QCoreApplication::sendEvent(&canvas, &drag);
        QCOMPARE(canvas.SheetRect().topLeft(), fitted.topLeft() + QPointF(30, 20));
        click("Fit");
        click("Save As...");
        QCOMPARE(nSaved, 1);
        QVERIFY(viewer.isVisible());

        // The sheet is painted white with the drawing on it, over the grey surround.
        const QImage image = canvas.grab().toImage();
        const QPoint centre = fitted.center().toPoint();
        QCOMPARE(image.pixelColor(2, 2), QColor(96, 96, 96));
        int nDark = 0;
        for (int x = static_cast<int>(fitted.left()) + 5; x < fitted.right() - 5; ++x)
            nDark += image.pixelColor(x, centre.y()).lightness() < 128;
        QVERIFY2(nDark > 4, qPrintable(QString::number(nDark)));
    }

    void PdfHoldsTheTitleBlock()
    {
        QTemporaryDir dir;
        const QString strPdf = dir.filePath("drawing.pdf");
        std::string strError;
        QVERIFY2(WriteCadPdf(strPdf, Drawing(), strError), strError.c_str());
        QProcess text;
        text.start("pdftotext", {strPdf, "-"});
        QVERIFY(text.waitForFinished(10000));
        const QString strText = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(strText.contains("PA31-4-150-VS-G"), qPrintable(strText));
        QVERIFY(strText.contains("2026-11-02"));
        QVERIFY(strText.contains("1:2"));

        // A file its owner made read-only is refused and kept, with nothing left beside it.
        QFile written(strPdf);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray old = written.readAll();
        written.close();
        QVERIFY(QFile::setPermissions(strPdf, QFileDevice::ReadOwner));
        QVERIFY(!WriteCadPdf(strPdf, Drawing(), strError));
        QCOMPARE(strError, strPdf.toStdString() + " could not be written. The file is read-only.");
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
};

QTEST_MAIN(CCadViewerTest)
#include "CadViewerTest.moc"
