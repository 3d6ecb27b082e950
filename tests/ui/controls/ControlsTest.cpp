// The unit list, the code list and the numeric fields: what the lists hold, select and how their columns
// grow; the entry fields as a user types and pastes into them, and as dialogs read and fill them.
#include "RecordingPrompt.h"
#include "controls/CodeComboBox.h"
#include "controls/ComboUnit.h"
#include "controls/EditNumeric.h"
#include "controls/StaticNumeric.h"
#include "units/UnitDouble.h"
#include "units/UnitTable.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QtTest>

class CControlsTest : public QObject
{
    Q_OBJECT

private slots:
    void GaugeUnitListWithoutAbsolute()
    {
        CComboUnit combo;
        combo.FillUnits(CUnitDouble(150.0, "PSIG"), {"PSIA"});
        QStringList texts;
        for (int i = 0; i < combo.count(); ++i)
            texts << combo.itemText(i);
        // Every other pressure unit, in order of their texts.
        QCOMPARE(texts, (QStringList{"atm", "bar a", "bar g", "kPa a", "MPa a", "Pa a", "psi"}));
        QCOMPARE(combo.currentText(), QStringLiteral("psi"));
        QCOMPARE(combo.GetSelectedUnitCode(), std::string("PSIG"));

        CUnitDouble value(3.0, "BAR");
        combo.setCurrentIndex(combo.findText(QStringLiteral("MPa a")));
        QVERIFY(combo.GetSelectedUnit(value));
        QCOMPARE(value.GetUnit(), std::string("MPA"));
        QCOMPARE(value.Value(), 3.0); // the unit is set, not converted into
    }

    void NoSelectionIsReportedAndChangesNothing()
    {
        CPromptCapture prompt;
        CComboUnit combo;
        combo.FillCategory(UnitCategory::Time);
        QCOMPARE(combo.currentIndex(), -1);

        CUnitDouble value(5.0, "SEC");
        QVERIFY(!combo.GetSelectedUnit(value));
        QCOMPARE(value.GetUnit(), std::string("SEC"));
        QCOMPARE(combo.GetSelectedNumber(), 0.0);
        QCOMPARE(prompt->Texts(),
                 (std::vector<std::string>{"Unit NotFound", "Nothing in Combo Box Selected"}));
    }

    void NumberListKeepsEachNumberWithItsText()
    {
        CPromptCapture prompt;
        CComboUnit combo;
        const double numbers[20] = {10.0, 0.0, 2.5, 100.0};
        combo.AddNumbers(numbers, 2, false, true, QStringLiteral(" bar"));
        combo.AddNumber(QStringLiteral("none"), 0.0);
        QCOMPARE(combo.count(), 3);
        combo.setCurrentIndex(1);
        QCOMPARE(combo.GetSelectedText(), QStringLiteral("2.5 bar"));
        QCOMPARE(combo.GetSelectedString(), QStringLiteral("2.5 bar"));
        QCOMPARE(combo.GetSelectedNumber(), 2.5);
        QVERIFY(prompt->Texts().empty());
    }

    void FindCodeIsExactAndFindsTheFirst()
    {
        CCodeComboBox combo;
        combo.AddItem(QStringLiteral("A"), QStringLiteral("first"), 1);
        combo.AddItem(QStringLiteral("a"), QStringLiteral("lower"), 2);
        combo.AddItem(QStringLiteral("A"), QStringLiteral("second"), 3);
        combo.addItem(QStringLiteral("plain")); // no record
        QCOMPARE(combo.FindCode(QStringLiteral("A")), 0);
        QCOMPARE(combo.FindCode(QStringLiteral("a")), 1);
        QCOMPARE(combo.FindCode(QStringLiteral("plain")), -1);
        // An item without a record, or none at all, has no value and no code.
        QCOMPARE(combo.GetItemValue(3), -1);
        QCOMPARE(combo.GetItemValue(9), -1);
        QCOMPARE(combo.GetCode(3), QString());
        QCOMPARE(combo.currentText(), QStringLiteral("A")); // the closed box shows the code only
    }

    void DescriptionColumnNeverMovesLeftAndTheListNeverShrinks()
    {
        CCodeComboBox combo;
        QCOMPARE(combo.GetTabStop(), 10);
        combo.AddItem(QStringLiteral("B"), QStringLiteral("short"), 0);
        const int nNarrow = combo.GetTabStop();
        combo.AddItem(QStringLiteral("WWWWWW"), QStringLiteral("a much longer description"), 0);
        const int nWide = combo.GetTabStop();
        const int nDropDown = combo.GetDropDownWidth();
        QVERIFY(nWide > nNarrow);

        combo.clear();
        combo.AddItem(QStringLiteral("C"), QStringLiteral("x"), 0);
        QCOMPARE(combo.GetTabStop(), nWide);
        QCOMPARE(combo.GetDropDownWidth(), nDropDown);
        QVERIFY(combo.view()->minimumWidth() >= nDropDown);

        // Switched off, additions leave the widths alone; switched on again, they catch up.
        QVERIFY(combo.SetAutoWidth(false));
        combo.AddItem(QStringLiteral("WWWWWWWWWWWW"), QStringLiteral("x"), 0);
        QCOMPARE(combo.GetTabStop(), nWide);
        QVERIFY(!combo.SetAutoWidth(true));
        QVERIFY(combo.GetTabStop() > nWide);
    }

    void SecondMinusIsRefusedUnlessTheFirstIsTypedOver()
    {
        CEditNumeric edit;
        edit.SetAllowMinus(true);
        QTest::keyClicks(&edit, "-5-");
        QCOMPARE(edit.text(), QStringLiteral("-5"));

        edit.setSelection(0, 1); // the first minus is replaced
        QTest::keyClicks(&edit, "-");
        QCOMPARE(edit.text(), QStringLiteral("-5"));

        edit.setSelection(1, 1); // only the digit is replaced; the minus stays outside
        QTest::keyClicks(&edit, "-");
        QCOMPARE(edit.text(), QStringLiteral("-5"));
    }

    void SignAndSeparatorsFollowTheirSwitches()
    {
        CEditNumeric edit;
        QTest::keyClicks(&edit, "-1a,5.2 e");
        // Minus off; the locale decimal takes the comma as the one point, the later point is refused.
        QCOMPARE(edit.text(), QStringLiteral("1.52"));

        CEditNumeric plain;
        plain.SetLocaleDecimal(false);
        QTest::keyClicks(&plain, "1.5");
        QCOMPARE(plain.text(), QStringLiteral("15"));
        plain.SetAllowComma(true);
        QTest::keyClicks(&plain, ",3,");
        QCOMPARE(plain.text(), QStringLiteral("15,3"));

        plain.SetLocaleDecimal(true);
        QVERIFY(!plain.IsAllowComma() && !plain.IsAllowPoint());
    }

    void EditingKeysStillWork()
    {
        CEditNumeric edit;
        QTest::keyClicks(&edit, "123");
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QTest::keyClick(&edit, Qt::Key_Home);
        QTest::keyClick(&edit, Qt::Key_Delete);
        QCOMPARE(edit.text(), QStringLiteral("2"));
    }

    void PasteIsTypingAndRefusedAsAWhole()
    {
        CEditNumeric edit;
        edit.SetAllowMinus(true);
        QTest::keyClicks(&edit, "7");

        QApplication::clipboard()->setText(QStringLiteral("12a"));
        QTest::keySequence(&edit, QKeySequence::Paste);
        QCOMPARE(edit.text(), QStringLiteral("7"));

        QApplication::clipboard()->setText(QStringLiteral("1,5"));
        edit.selectAll();
        edit.Paste();
        QCOMPARE(edit.text(), QStringLiteral("1.5"));

        // A second point in the pasted text would be a second separator in the field.
        QApplication::clipboard()->setText(QStringLiteral("2.5"));
        QTest::keySequence(&edit, QKeySequence::Paste);
        QCOMPARE(edit.text(), QStringLiteral("1.5"));

        // The edit menu's Paste takes the same way.
        QApplication::clipboard()->setText(QStringLiteral("12a"));
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(1, 1), edit.mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(&edit, &menuEvent);
        QMenu* pMenu = nullptr;
        for (QWidget* pTop : QApplication::topLevelWidgets())
            if (auto* pCandidate = qobject_cast<QMenu*>(pTop); pCandidate && pCandidate->isVisible())
                pMenu = pCandidate;
        QVERIFY(pMenu && CNumericEdit::FindPasteAction(pMenu));
        CNumericEdit::FindPasteAction(pMenu)->trigger();
        pMenu->close();
        QCOMPARE(edit.text(), QStringLiteral("1.5"));

        // Blanks and the line end of a copied cell are no part of the number.
        QApplication::clipboard()->setText(QStringLiteral(" -20\n"));
        edit.selectAll();
        QTest::keySequence(&edit, QKeySequence::Paste);
        QCOMPARE(edit.text(), QStringLiteral("-20"));
    }

    void ReadingsSupplyZeroAndReadCommas_data()
    {
        QTest::addColumn<bool>("bLocaleDecimal");
        QTest::addColumn<QString>("strShown");
        QTest::addColumn<QString>("strText");
        QTest::addColumn<double>("dValue");
        QTest::newRow(".5") << true << ".5"
                            << "0.5" << 0.5;
        QTest::newRow("-.5") << true << "-.5"
                             << "-0.5" << -0.5;
        QTest::newRow("1,5 locale") << true << "1,5"
                                    << "1.5" << 1.5;
        QTest::newRow("1,5 comma kept") << false << "1,5"
                                        << "1,5" << 1.5;
        QTest::newRow("-,5 comma kept") << false << "-,5"
                                        << "-0,5" << -0.5;
        QTest::newRow("lone minus") << true << "-"
                                    << "-" << 0.0;
        QTest::newRow("empty") << true << ""
                               << "" << 0.0;
    }

    void ReadingsSupplyZeroAndReadCommas()
    {
        QFETCH(bool, bLocaleDecimal);
        QFETCH(QString, strShown);
        QFETCH(QString, strText);
        QFETCH(double, dValue);
        CEditNumeric edit;
        edit.SetLocaleDecimal(bLocaleDecimal);
        edit.setText(strShown); // as left by a paste of old or the framework, unfiltered
        QCOMPARE(edit.GetText(), strText);
        QCOMPARE(edit.GetValue(), dValue);
        QCOMPARE(edit.GetDouble(), dValue);
    }

    void SetTextShowsCommasAsPointsWithTheLocaleDecimal()
    {
        CEditNumeric edit;
        edit.SetText(QStringLiteral("1,25"));
        QCOMPARE(edit.text(), QStringLiteral("1.25"));
    }

    void ZeroShowsEmptyUnlessShowZero()
    {
        CEditNumeric edit;
        edit.SetNumber(0.0, 2, false, true);
        QCOMPARE(edit.text(), QString());
        edit.SetInt(0);
        QCOMPARE(edit.text(), QString());
        edit.SetValue(CUnitDouble(0.0, "BAR"), 2, false, true);
        QCOMPARE(edit.text(), QString());

        edit.SetShowZero(true);
        edit.SetNumber(0.0, 2, false, true);
        QCOMPARE(edit.text(), QStringLiteral("0"));
        edit.SetInt(0);
        QCOMPARE(edit.text(), QStringLiteral("0"));

        edit.SetValue(CUnitDouble(12.5, "BAR"), 3, false, true);
        QCOMPARE(edit.text(), QStringLiteral("12.5"));
        QCOMPARE(edit.GetInt(), 12);
    }

    void StaticShowsTheUnitText()
    {
        CStaticNumeric label;
        label.SetValue(CUnitDouble(12.5, "BAR"), 2, false, true);
        QCOMPARE(label.text(), QStringLiteral("12.5 bar a"));
        label.SetValueIn(CUnitDouble(1.0, "BAR"), "PSIA", 2, false, true);
        QCOMPARE(label.text(), QStringLiteral("14.5 psia"));
        label.SetNumberWithUnit(2.0, "NONE", 2, false, true);
        QCOMPARE(label.text(), QStringLiteral("2"));
    }
};

QTEST_MAIN(CControlsTest)
#include "ControlsTest.moc"
