// The step panel: layout numbers, button states and focus after steps, Tab and Enter, the completion panel.
#include "ProductFixture.h"
#include "platform/Settings.h"
#include "products/ChooseProduct.h"
#include "products/DesktopStepDialogs.h"
#include "products/SelectionCompleted.h"
#include "products/StepLayout.h"
#include "products/TesmaraButton.h"
#include "products/TesmaraView.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace
{
// Four steps, all enabled; the test says whether the selection is complete.
class CFakeProduct : public CTesmaraObject
{
public:
    bool PerformButtonAction(int nID) override
    {
        m_ids.push_back(nID);
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
};

// Highlights a product type in "Choose Product" and presses OK.
int ChooseProductType(QDialog& dialog, const QString& strType)
{
    auto* pChoose = qobject_cast<CChooseProduct*>(&dialog);
    if (!pChoose)
        return dlg::Cancel;
    const QList<QListWidgetItem*> items = pChoose->ProductList()->findItems(strType, Qt::MatchExactly);
    if (items.isEmpty())
        return dlg::Cancel;
    pChoose->ProductList()->setCurrentItem(items.front());
    FindButton(dialog, QStringLiteral("OK"))->click();
    return pChoose->result();
}

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

class CStepPanelTest : public QObject
{
    Q_OBJECT

private slots:
    void LayoutFollowsTheHeightAndTabWrapsAround()
    {
        const std::vector<QRect> rects = StepButtonRects(400, 4);
        QCOMPARE(rects.size(), std::size_t(4));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(rects[i], QRect(20, 40 + 64 * i, 180, 40));
        // The text beside a button: 10 px either side, centred on the button; never negative.
        QCOMPARE(StepTextRect(rects[0], 600, 20), QRect(210, 50, 380, 20));
        QCOMPARE(StepTextRect(rects[0], 100, 20).width(), 0);

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
        // A step this version does not have yet says so and changes nothing.
        QTest::mouseClick(view.Button(2), Qt::LeftButton);
        QCOMPARE(prompt->Texts().back(),
                 std::string("\"Select Gas Bottle\" is not available in this version yet."));
        QCOMPARE(States(view), (QList<bool>{true, false, true, false}));
        // Tab passes over the disabled steps, from the last back to the first; Shift+Tab returns.
        QTest::keyClick(view.Button(2), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), view.Button(0));
        QTest::keyClick(view.Button(0), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), view.Button(2));
        QCOMPARE(runner.m_titles.size(), 3); // not complete: no completion panel
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

QTEST_MAIN(CStepPanelTest)
#include "StepPanelTest.moc"
