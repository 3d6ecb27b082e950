// "Choose Product" and the step panel: the catalogue's list, the chosen product preselected, 2100 and the
// change rules; layout numbers, button states and focus after steps, Tab and Enter, the completion panel.
#include "ProductFixture.h"
#include "platform/Settings.h"
#include "products/ChooseProduct.h"
#include "products/DesktopStepDialogs.h"
#include "products/PictureBox.h"
#include "products/SelectionCompleted.h"
#include "products/StepLayout.h"
#include "products/TesmaraButton.h"
#include "products/TesmaraView.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <stdexcept>

#include <sqlite3.h>

namespace
{
// A copy of the built catalogue in the folder, changed by one SQL statement.
bool CopyCatalogue(const QTemporaryDir& dir, const char* pszSql)
{
    const QString strCopy = dir.filePath(QStringLiteral("AccUS.db"));
    if (!QFile::copy(QStringLiteral(TESMARA_BUILT_CATALOGUE_DIR "/AccUS.db"), strCopy))
        return false;
    QFile::setPermissions(strCopy, QFile::ReadOwner | QFile::WriteOwner);
    sqlite3* pDb = nullptr;
    const bool bOpen = sqlite3_open(strCopy.toUtf8().constData(), &pDb) == SQLITE_OK;
    const bool bDone = bOpen && sqlite3_exec(pDb, pszSql, nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(pDb);
    return bDone;
}

// Step dialogs that choose what the test says and describe an application when asked.
class CScriptedSteps : public CAccumulatorSteps
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

    int m_nProdId = prod::Accumulator;
    std::string m_strProdType = "Accumulators";
};

struct SProduct
{
    CTestHost host;
    CScriptedSteps steps;
    CAccumulatorObject product{host, steps};

    // Accumulators chosen and an application described: a later step holds a choice.
    void Described()
    {
        product.PerformButtonAction(100);
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

// Four steps, all enabled; the test says whether the selection is complete.
class CFakeProduct : public CTesmaraObject
{
public:
    bool PerformButtonAction(int nID) override
    {
        m_ids.push_back(nID);
        if (!m_strError.empty())
            throw std::runtime_error(m_strError);
        return true;
    }
    int GetNumberOfButtons() override { return 4; }
    std::string GetButtonText(int nIndex) override { return "Step " + std::to_string(nIndex); }
    int GetButtonState(int) override { return 1; }
    std::string GetButtonSelectionDisplayText(int) override { return std::string(); }
    bool IsSelectionComplete() const override { return m_bComplete; }
    bool HasCadOptions() const override { return true; }

    std::vector<int> m_ids;
    bool m_bComplete = false;
    std::string m_strError; // a catalogue error the steps run into
};

QList<bool> States(const CTesmaraView& view)
{
    QList<bool> states;
    for (int i = 0; i < view.ButtonCount(); ++i)
        states << view.Button(i)->isEnabled();
    return states;
}

bool ShowActive(QWidget& widget)
{
    widget.resize(640, 400);
    widget.show();
    widget.activateWindow();
    return QTest::qWaitForWindowActive(&widget);
}
} // namespace

class CProductStepsTest : public QObject
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
        QCOMPARE(dialog.ProductList()->currentItem()->text(), QStringLiteral("Gas Bottles"));
        QVERIFY(dialog.Description()->text().startsWith("Gas bottles chosen directly by type and pressure"));
        QVERIFY(!dialog.Picture()->Image().isNull());
    }

    void SameProductEndsWith2100AndKeepsTheSelection()
    {
        CPromptCapture prompt;
        SProduct s;
        QVERIFY(s.product.Initialize());
        s.Described();
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

    void ChangeAsksAndARefusedProductKeepsTheDialogOpen()
    {
        CPromptCapture prompt;
        // A catalogue that lists a product this program has no selection for.
        QTemporaryDir dir;
        QVERIFY(CopyCatalogue(dir, "INSERT INTO Products VALUES (9, 'Hose Assemblies', 'Hoses.', "
                                   "'ProductAccessories.jpg', 9)"));
        SProduct s;
        s.host.m_catalogue = dir.path().toStdString();
        QVERIFY(s.product.Initialize());
        s.Described();
        {
            CChooseProduct dialog(s.product);
            dialog.show();
            // It is refused with a message after the question.
            Highlight(dialog, QStringLiteral("Hose Assemblies"));
            prompt->Script({EPromptAnswer::Yes, EPromptAnswer::Cancel, EPromptAnswer::No});
            Ok(dialog)->click();
            QVERIFY(dialog.isVisible());
            QCOMPARE(prompt->Texts().size(), std::size_t(2)); // the question, then the refusal
            Highlight(dialog, QStringLiteral("Gas Bottles"));
            Ok(dialog)->click();
            QVERIFY(dialog.isVisible()); // Cancel: the dialog stays
            QCOMPARE(prompt->Texts().size(), std::size_t(3));
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
        QCOMPARE(prompt->Texts().size(), std::size_t(5));
    }

    void ProductWithoutPictureShowsNone()
    {
        CPromptCapture prompt;
        QTemporaryDir dir;
        QVERIFY(CopyCatalogue(dir, "UPDATE Products SET Image = 'NoSuchPicture.jpg' WHERE ProdId = 1"));
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

    void LayoutFollowsTheHeightAndTabWrapsAround()
    {
        const std::vector<QRect> rects = StepButtonRects(400, 4);
        QCOMPARE(rects.size(), std::size_t(4));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(rects[i], QRect(20, 40 + 64 * i, 180, 40));
        // The text beside a button: 10 px either side, centred on the button; never negative.
        QCOMPARE(StepTextRect(rects[0], 600, 20), QRect(210, 50, 380, 20));
        QCOMPARE(StepTextRect(rects[0], 100, 20).width(), 0);
        // The product object's word break (16) and no clip (256).
        QCOMPARE(QtTextFlags(16 | 256), int(Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextDontClip));

        CFakeProduct product;
        CMemorySettings settings;
        CTesmaraView view(product, settings, QString());
        QVERIFY(ShowActive(view));
        QCOMPARE(view.Button(3)->geometry(), QRect(20, 232, 180, 40));
        view.resize(640, 500);
        QTRY_COMPARE(view.Button(1)->geometry(), QRect(20, 130, 180, 40)); // margin 50, pitch 80

        QCOMPARE(QApplication::focusWidget(), view.Button(3));
        QTest::keyClick(view.Button(3), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), view.Button(0));
        QTest::keyClick(view.Button(0), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), view.Button(3));
    }

    void ButtonsAndFocusFollowTheSteps()
    {
        CPromptCapture prompt;
        CTestHost host;
        CDesktopStepDialogs dialogs;
        CAccumulatorObject product(host, dialogs);
        QVERIFY(product.Initialize());
        CMemorySettings settings;
        CScriptedRunner runner;
        CEuropeanAccumulatorView view(product, settings, QString());
        QVERIFY(ShowActive(view));

        QCOMPARE(States(view), (QList<bool>{true, false, false, false}));
        QCOMPARE(QApplication::focusWidget(), view.Button(0));
        // Tab on the only enabled button: the first is also the next one.
        QTest::keyClick(view.Button(0), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), view.Button(0));

        runner.m_fnScript = [](QDialog& dialog)
        { return ChooseProductType(dialog, QStringLiteral("Accumulators")); };
        QTest::keyClick(view.Button(0), Qt::Key_Return); // Enter acts as a click
        QCOMPARE(runner.m_titles, QStringList{QStringLiteral("Choose Product")});
        QCOMPARE(States(view), (QList<bool>{true, true, false, false}));
        QCOMPARE(QApplication::focusWidget(), view.Button(1));
        QCOMPARE(view.DisplayTexts().at(0), QStringLiteral("Accumulators"));
        QCOMPARE(view.Button(0)->accessibleDescription(), QStringLiteral("Accumulators")); // painted, and told

        // The application step cancelled changes nothing.
        runner.m_fnScript = [](QDialog&) { return dlg::Cancel; };
        QTest::mouseClick(view.Button(1), Qt::LeftButton);
        QCOMPARE(runner.m_titles.back(), QStringLiteral("Describe Application"));
        QCOMPARE(States(view), (QList<bool>{true, true, false, false}));

        runner.m_fnScript = [](QDialog& dialog)
        { return ChooseProductType(dialog, QStringLiteral("Gas Bottles")); };
        QTest::mouseClick(view.Button(0), Qt::LeftButton);
        QCOMPARE(States(view), (QList<bool>{true, false, true, false}));
        QCOMPARE(QApplication::focusWidget(), view.Button(2));
        QCOMPARE(view.DisplayTexts().at(0), QStringLiteral("Gas Bottles"));
        // The gas bottle step cancelled changes nothing.
        runner.m_fnScript = [](QDialog&) { return dlg::Cancel; };
        QTest::mouseClick(view.Button(2), Qt::LeftButton);
        QCOMPARE(runner.m_titles.back(), QStringLiteral("Select Gas Bottle"));
        QCOMPARE(States(view), (QList<bool>{true, false, true, false}));
        // Tab passes over the disabled steps, from the last back to the first; Shift+Tab returns.
        QTest::keyClick(view.Button(2), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), view.Button(0));
        QTest::keyClick(view.Button(0), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), view.Button(2));
        QCOMPARE(runner.m_titles.size(), 4); // not complete: no completion panel
    }

    void CompletionPanelFollowsTheShowSetting()
    {
        CFakeProduct product;
        product.m_bComplete = true;
        CMemorySettings settings;
        CScriptedRunner runner;
        int nTemplate = 0;
        runner.m_fnScript = [&](QDialog& dialog)
        {
            nTemplate = qobject_cast<CSelectionCompleted*>(&dialog)->TemplateId();
            return dlg::Ok;
        };
        CTesmaraView view(product, settings, QString());
        view.Button(2)->click();
        QCOMPARE(product.m_ids, std::vector<int>{102});
        QCOMPARE(runner.m_titles, QStringList{QStringLiteral("Selection Complete")});
        QCOMPARE(nTemplate, CSelectionCompleted::WithCad);

        settings.WriteInt(kSelectionCompletedShowKey, 0);
        view.Button(3)->click();
        QCOMPARE(product.m_ids, (std::vector<int>{102, 103}));
        QCOMPARE(runner.m_titles.size(), 1);
        // A catalogue error ends the step with its message.
        CPromptCapture prompt;
        product.m_strError = "DAO error 3061";
        view.Button(0)->click();
        QCOMPARE(prompt->Texts(), std::vector<std::string>{"DAO error 3061"});
    }

    void PanelWritesShowOnlyOnClose()
    {
        CFakeProduct product;
        CMemorySettings settings;
        const auto close = [&](int nTemplate, bool bTick, auto fnEnd)
        {
            CSelectionCompleted panel(product, settings, nTemplate, {});
            panel.show();
            QVERIFY(panel.ShowCheckBox()->isChecked()); // ticked on every opening
            panel.ShowCheckBox()->setChecked(bTick);
            fnEnd(panel);
            QVERIFY(!panel.isVisible());
        };
        close(CSelectionCompleted::WithCad, false, [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
        QVERIFY(!settings.ReadString(kSelectionCompletedShowKey));
        close(CSelectionCompleted::WithCad, false,
              [](QDialog& d) { FindButton(d, QStringLiteral("Close"))->click(); });
        QCOMPARE(settings.ReadInt(kSelectionCompletedShowKey, -1), 0);
        close(CSelectionCompleted::WithoutCad, true, [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Return); });
        QCOMPARE(settings.ReadInt(kSelectionCompletedShowKey, -1), 1);
    }

    void OutputButtonsFollowTheProductObject()
    {
        CTestHost host;
        CDesktopStepDialogs dialogs;
        CAccumulatorObject accumulator(host, dialogs);
        CMemorySettings settings;
        CSelectionCompleted full(accumulator, settings, CSelectionCompleted::WithCad, {});
        for (int nId : {outputcmd::ViewCadDrawing, outputcmd::GenerateCadFile, outputcmd::AddToOrderPad,
                        outputcmd::PrintSelectionReport})
            QVERIFY(full.CommandButton(nId) && !full.CommandButton(nId)->isEnabled());
        QVERIFY(!CSelectionCompleted(accumulator, settings, CSelectionCompleted::WithoutCad, {})
                     .CommandButton(outputcmd::ViewCadDrawing));

        // An enabled output button runs its command and the panel stays open.
        CFakeProduct product;
        product.m_bSelectionComplete = true;
        std::vector<int> run;
        CSelectionCompleted panel(product, settings, CSelectionCompleted::WithCad,
                                  [&](int nId) { run.push_back(nId); });
        panel.show();
        panel.CommandButton(outputcmd::AddToOrderPad)->click();
        QCOMPARE(run, std::vector<int>{outputcmd::AddToOrderPad});
        QVERIFY(panel.isVisible());
    }
};

QTEST_MAIN(CProductStepsTest)
#include "ProductStepsTest.moc"
