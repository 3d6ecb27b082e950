// "Choose Product": the catalogue's list, the chosen product preselected, 2100, and the change rules.
#include "products/ChooseProduct.h"
#include "ProductFixture.h"
#include "products/PictureBox.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <sqlite3.h>

namespace
{
// Step dialogs that choose what the test says and describe an application when asked.
class CScriptedSteps : public IStepDialogs
{
public:
    int ChooseProduct(CAccumulatorObject& product) override
    {
        product.SetProduct(m_nProdId, m_strProdType, std::string());
        return dlg::Ok;
    }
    int DescribeApplication(CAccumulatorObject&, CAccumulatorData&, CAccumulatorData& result) override
    {
        result.strApplicationText = "Auxiliary Power Source";
        return dlg::Ok;
    }
    int ChooseModel(CAccumulatorObject&, CAccumulatorData&, CAccumulatorData&) override
    {
        return dlg::Cancel;
    }
    int SelectGasBottle(CAccumulatorObject&, CAccumulatorData&, CAccumulatorData&) override
    {
        return dlg::Cancel;
    }
    int ChooseDetails(CAccumulatorObject&, CAccumulatorData&, CAccumulatorData&) override
    {
        return dlg::Cancel;
    }
    void RunTool(CAccumulatorObject&, int) override {}

    int m_nProdId = prod::Accumulator;
    std::string m_strProdType = "Accumulators";
};

struct SProduct
{
    CTestHost host;
    CScriptedSteps steps;
    CAccumulatorObject product{host, steps};

    // Accumulators chosen, and with bDescribed an application too (a later step holds a choice).
    void Accumulators(bool bDescribed)
    {
        product.PerformButtonAction(100);
        if (bDescribed)
            product.PerformButtonAction(101);
    }
};

void Highlight(CChooseProduct& dialog, const QString& strType)
{
    dialog.ProductList()->setCurrentItem(dialog.ProductList()->findItems(strType, Qt::MatchExactly).front());
}

QPushButton* Ok(CChooseProduct& dialog)
{
    return FindButton(dialog, QStringLiteral("OK"));
}
} // namespace

class CChooseProductTest : public QObject
{
    Q_OBJECT

private slots:
    void ListsTheCatalogueAndPreselectsTheChosenProduct()
    {
        SProduct s;
        QVERIFY(s.product.Initialize());
        s.steps.m_nProdId = prod::GasBottle;
        s.steps.m_strProdType = "Gas Bottles";
        s.product.PerformButtonAction(100);
        CChooseProduct dialog(s.product);
        QCOMPARE(dialog.ProductList()->count(), 6);
        QCOMPARE(dialog.ProductList()->item(0)->text(), QStringLiteral("Accumulators"));
        QCOMPARE(dialog.ProductList()->item(3)->data(Qt::UserRole).toInt(), 3);
        QCOMPARE(dialog.ProductList()->currentItem()->text(), QStringLiteral("Gas Bottles"));
        QCOMPARE(dialog.Description()->text().toStdString(), dialog.Rows()[1].strDescription);
        QVERIFY(!dialog.Picture()->Image().isNull());
    }

    void SameProductEndsWith2100AndKeepsTheSelection()
    {
        CPromptCapture prompt;
        SProduct s;
        QVERIFY(s.product.Initialize());
        s.Accumulators(true);
        CChooseProduct dialog(s.product);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        // A double click acts as OK (the view wants the press before the double click).
        QListWidget* pList = dialog.ProductList();
        const QPoint item = pList->visualItemRect(pList->currentItem()).center();
        QTest::mousePress(pList->viewport(), Qt::LeftButton, {}, item);
        QTest::mouseDClick(pList->viewport(), Qt::LeftButton, {}, item);
        QCOMPARE(dialog.result(), dlg::CloseChain);
        QVERIFY(prompt->Texts().empty());
        QCOMPARE(s.product.GetButtonSelectionDisplayText(1), std::string("Auxiliary Power Source"));
    }

    void ChangeAsksOnlyWhenLaterStepsHoldChoices()
    {
        CPromptCapture prompt;
        {
            SProduct s;
            QVERIFY(s.product.Initialize());
            s.Accumulators(false);
            CChooseProduct dialog(s.product);
            dialog.show();
            // A product this version cannot hold is refused with a message; the dialog stays.
            Highlight(dialog, QStringLiteral("Reservoir Isolators"));
            Ok(dialog)->click();
            QVERIFY(dialog.isVisible());
            QCOMPARE(prompt->Texts().size(), std::size_t(1));
            Highlight(dialog, QStringLiteral("Gas Bottles"));
            Ok(dialog)->click();
            QCOMPARE(dialog.result(), dlg::Ok);
            QCOMPARE(prompt->Texts().size(), std::size_t(1)); // nothing later to lose: no question
            QCOMPARE(s.product.ProdId(), prod::GasBottle);
            prompt->Clear();
        }
        SProduct s;
        QVERIFY(s.product.Initialize());
        s.Accumulators(true);
        {
            CChooseProduct dialog(s.product);
            dialog.show();
            Highlight(dialog, QStringLiteral("Gas Bottles"));
            prompt->Script({EPromptAnswer::Cancel, EPromptAnswer::No});
            Ok(dialog)->click();
            QVERIFY(dialog.isVisible()); // Cancel: the dialog stays
            QCOMPARE(prompt->Texts().size(), std::size_t(1));
            Ok(dialog)->click();
            QCOMPARE(dialog.result(), dlg::Cancel); // No: ends as cancelled
            QVERIFY(!dialog.isVisible());
            QCOMPARE(s.product.ProdId(), prod::Accumulator);
        }
        CChooseProduct dialog(s.product);
        Highlight(dialog, QStringLiteral("Gas Bottles"));
        prompt->Script({EPromptAnswer::Yes});
        Ok(dialog)->click();
        QCOMPARE(dialog.result(), dlg::Ok);
        QCOMPARE(s.product.ProdId(), prod::GasBottle);
        QCOMPARE(s.product.ProdType(), std::string("Gas Bottles"));
        QCOMPARE(prompt->Texts().size(), std::size_t(3));
    }

    void ProductWithoutPictureShowsNone()
    {
        CPromptCapture prompt;
        QTemporaryDir dir;
        const QString strCopy = dir.filePath(QStringLiteral("AccUS.db"));
        QVERIFY(QFile::copy(QStringLiteral(TESMARA_BUILT_CATALOGUE_DIR "/AccUS.db"), strCopy));
        QFile::setPermissions(strCopy, QFile::ReadOwner | QFile::WriteOwner);
        sqlite3* pDb = nullptr;
        QCOMPARE(sqlite3_open(strCopy.toUtf8().constData(), &pDb), SQLITE_OK);
        QCOMPARE(sqlite3_exec(pDb, "UPDATE Products SET Image = 'NoSuchPicture.jpg' WHERE ProdId = 1",
                              nullptr, nullptr, nullptr),
                 SQLITE_OK);
        sqlite3_close(pDb);

        SProduct s;
        s.host.m_catalogue = dir.path().toStdString();
        QVERIFY(s.product.Initialize());
        CChooseProduct dialog(s.product);
        QVERIFY(!dialog.Picture()->Image().isNull());
        // Not the picture of the product highlighted before, and no message.
        Highlight(dialog, QStringLiteral("Gas Bottles"));
        QVERIFY(dialog.Picture()->Image().isNull());
        QVERIFY(prompt->Texts().empty());
    }

    void MissingCatalogueGivesAnEmptyList()
    {
        CPromptCapture prompt;
        QTemporaryDir empty;
        SProduct s;
        s.host.m_catalogue = empty.path().toStdString();
        QVERIFY(!s.product.Initialize());
        prompt->Clear();
        CChooseProduct dialog(s.product);
        QCOMPARE(dialog.ProductList()->count(), 0);
        QVERIFY(!Ok(dialog)->isEnabled());
        QCOMPARE(prompt->Texts().size(), std::size_t(1));
        dialog.OnOk(); // nothing to choose: nothing happens
        QCOMPARE(s.product.ProdId(), prod::NoneChosen);
    }
};

QTEST_MAIN(CChooseProductTest)
#include "ChooseProductTest.moc"
