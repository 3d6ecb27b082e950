// The unit list and the code list: what they hold, what they select and how their columns grow.
#include "RecordingPrompt.h"
#include "controls/CodeComboBox.h"
#include "controls/ComboUnit.h"
#include "units/UnitDouble.h"
#include "units/UnitTable.h"

#include <QAbstractItemView>
#include <QtTest>

class CComboBoxTest : public QObject
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
        QCOMPARE(texts, (QStringList{"atm", "bar", "kPa", "MPa", "Pa", "psi"}));
        QCOMPARE(combo.currentText(), QStringLiteral("psi"));
        QCOMPARE(combo.GetSelectedUnitCode(), std::string("PSIG"));

        CUnitDouble value(3.0, "BAR");
        combo.setCurrentIndex(combo.findText(QStringLiteral("MPa")));
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
        QCOMPARE(combo.GetItemValue(2), 3);
        QCOMPARE(combo.GetItemValue(3), -1);
        QCOMPARE(combo.GetItemValue(9), -1);
        QVERIFY(combo.SetItemValue(2, 42));
        QCOMPARE(combo.GetItemValue(2), 42);
        QCOMPARE(combo.GetDescription(2), QStringLiteral("second"));
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
};

QTEST_MAIN(CComboBoxTest)
#include "ComboBoxTest.moc"
