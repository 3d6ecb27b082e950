// The order pad window as a user works it: documents taken in as they arrive, quantities
// changed and refused, lines removed, the order exported and kept for the next start.
#include "app/MessageBoxPrompt.h"
#include "outputs/OrderPad.h"
#include "outputs/OrderPadLink.h"
#include "outputs/OrderPadWindow.h"
#include "RecordingPrompt.h"

#include <fstream>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

class COrderPadWindowTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_pDir;
    std::filesystem::path Inbox() const { return m_pDir->filePath("inbox").toStdU16String(); }

    void Send(std::initializer_list<SOrderLineItem> items)
    {
        COrderPad pad(Inbox(), nullptr);
        for (const SOrderLineItem& item : items)
            QVERIFY(pad.AddLineItem(item, nullptr));
        std::string strError;
        QVERIFY2(pad.SendOrder(kOrderPadSenderName, strError), strError.c_str());
    }
    static QString Cell(const COrderPadWindow& w, int nRow, int nColumn) { return w.Table()->item(nRow, nColumn)->text(); }

private slots:
    void init() { m_pDir = std::make_unique<QTemporaryDir>(); }
    void cleanup() { m_pDir.reset(); }

    void LinesArriveAreEditedAndExported()
    {
        Send({{"PA31-4-150-VS-G", "1", "Accumulator Division", "Piston, 4 in Bore", "", "Line 3"}});
        COrderPadWindow window(Inbox());
        QCOMPARE(window.Table()->rowCount(), 1);
        QCOMPARE(Cell(window, 0, 5), QStringLiteral("Line 3"));

        // A document arriving while the window is open is taken in without a word from the user.
        Send({{"BA31-2.5G-NFSV-T", "1", "Accumulator Division", "Bladder, 2.5 gal", "", ""}});
        QTRY_COMPARE_WITH_TIMEOUT(window.Table()->rowCount(), 2, 3000);

        // Quantities: a whole number is kept, anything else is put back.
        window.Table()->item(1, 1)->setText("4");
        QCOMPARE(window.Order().Lines()[1].item.strQuantity, std::string("4"));
        window.Table()->item(1, 1)->setText("lots");
        QCOMPARE(window.Order().Lines()[1].item.strQuantity, std::string("4"));
        QTRY_COMPARE(Cell(window, 1, 1), QStringLiteral("4"));
        // Only the quantity can be changed.
        QVERIFY(!(window.Table()->item(1, 0)->flags() & Qt::ItemIsEditable));

        window.Table()->selectRow(0);
        window.OnRemove();
        QCOMPARE(window.Table()->rowCount(), 1);
        QCOMPARE(Cell(window, 0, 0), QStringLiteral("BA31-2.5G-NFSV-T"));

        const QString strCsv = m_pDir->filePath("order.csv");
        window.SetExportPath([&](QWidget*) { return strCsv; });
        window.OnExport();
        QFile csv(strCsv);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readAll(), QByteArray("\xEF\xBB\xBFPart Number,Quantity,Division,Description,Modification,Customer Notes\r\n"
                                           "BA31-2.5G-NFSV-T,4,Accumulator Division,\"Bladder, 2.5 gal\",,\r\n"));

        // The next start shows the order as it was left.
        COrderPadWindow again(Inbox());
        QCOMPARE(again.Table()->rowCount(), 1);
        QCOMPARE(Cell(again, 0, 1), QStringLiteral("4"));
    }

    // A damaged saved order is told in a message box, not only in the status bar; so is every
    // document refused in one import, all together.
    void DamagedOrderAndRefusedDocumentsAreTold()
    {
        CPromptCapture prompt;
        std::filesystem::create_directories(Inbox());
        std::ofstream(Inbox() / "Order.json") << "{\"lines\": [";
        std::ofstream(Inbox() / "a.opd") << "not a document";
        std::ofstream(Inbox() / "b.opd") << "nor this";
        COrderPadWindow window(Inbox());
        QCOMPARE(prompt->Texts().size(), std::size_t(2));
        QVERIFY(QString::fromStdString(prompt->Texts()[0]).contains(QStringLiteral("\n\nIt was kept as \"Order (damaged ")));
        QCOMPARE(prompt->Texts()[1], std::string("Not taken in:\n\na.opd: It is not a transfer document (no compound "
                                                 "file).\nb.opd: It is not a transfer document (no compound file)."));
    }

    void ASecondStartForTheInboxFindsTheFirst()
    {
        COrderPadWindow window(Inbox());
        QVERIFY(window.Listen());
        QVERIFY(RaiseRunningOrderPad(Inbox()));
        QVERIFY(!RaiseRunningOrderPad(m_pDir->filePath("other").toStdU16String()));
    }

    void TheWindowIsWhollyOnTheScreenAndABoxShowsItsWholeTitle()
    {
        // The test screen (800 x 600) is narrower than the window would like to be.
        COrderPadWindow window(Inbox());
        const QRect available = window.screen()->availableGeometry();
        QVERIFY(available.width() < 980);
        QVERIFY2(available.contains(window.geometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                       .arg(window.x())
                                                                       .arg(window.y())
                                                                       .arg(window.width())
                                                                       .arg(window.height())));

        // A short message: the box is as wide as its title needs with a title bar's buttons beside it.
        int nTitle = 0, nWidth = 0;
        QTimer::singleShot(0, this,
                           [&]
                           {
                               auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                               QVERIFY(pBox);
                               nTitle = pBox->fontMetrics().horizontalAdvance(pBox->windowTitle());
                               nWidth = pBox->width();
                               pBox->accept();
                           });
        CMessageBoxPrompt().Message("Saved.");
        QVERIFY(nTitle > 0);
        QVERIFY2(nWidth >= nTitle + 100, qPrintable(QStringLiteral("%1 for a title of %2").arg(nWidth).arg(nTitle)));
    }
};

QTEST_MAIN(COrderPadWindowTest)
#include "OrderPadWindowTest.moc"
