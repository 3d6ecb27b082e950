// The Unit Conversion and Unit Defaults dialogs driven as a user drives them.
#include "RecordingPrompt.h"
#include "controls/ComboUnit.h"
#include "controls/EditNumeric.h"
#include "units/SelectDefaultUnits.h"
#include "units/UnitConverter.h"
#include "units/UnitTable.h"

#include <QGroupBox>
#include <QPushButton>
#include <QtTest>

namespace
{
template <typename T> T* Named(QWidget& dialog, const QString& strName)
{
    for (T* pChild : dialog.findChildren<T*>())
        if (pChild->accessibleName() == strName)
            return pChild;
    return nullptr;
}

void Pick(QComboBox* pCombo, const QString& strText)
{
    QVERIFY(pCombo);
    const int nIndex = pCombo->findText(strText, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(nIndex >= 0, qPrintable(strText));
    pCombo->setCurrentIndex(nIndex);
}
} // namespace

class CUnitDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void ConverterOpensOnTheFirstNamedCategoryAndComputesWhatTheUserPicks()
    {
        CPromptCapture prompt;
        CUnitConverter dialog;
        auto* pCategory = Named<QComboBox>(dialog, QStringLiteral("Unit Category"));
        QVERIFY(pCategory);
        QCOMPARE(pCategory->itemText(0), QString());
        QCOMPARE(pCategory->currentIndex(), 1);
        QCOMPARE(pCategory->currentText(), QStringLiteral("Absolute Viscosity"));
        QCOMPARE(pCategory->count(), 19);
        QCOMPARE(Named<CComboUnit>(dialog, QStringLiteral("From Unit"))->currentIndex(), 0);

        auto* pInput = Named<CEditNumeric>(dialog, QStringLiteral("Input Value"));
        auto* pResult = Named<CEditNumeric>(dialog, QStringLiteral("Result"));
        QVERIFY(pInput && pResult && pResult->isReadOnly());
        // A zero result of a typed number shows as 0, not as an empty field.
        Pick(pCategory, QStringLiteral("Temperature"));
        Pick(Named<CComboUnit>(dialog, QStringLiteral("From Unit")), QStringLiteral("\u00B0F"));
        Pick(Named<CComboUnit>(dialog, QStringLiteral("To Unit")), QStringLiteral("\u00B0C"));
        QTest::keyClicks(pInput, "32");
        QCOMPARE(pResult->text(), QStringLiteral("0"));

        // The to-list still holds temperatures after the from-list is refilled: no mismatch is reported.
        pInput->clear();
        Pick(pCategory, QStringLiteral("Pressure"));
        QTest::keyClicks(pInput, "3000");
        Pick(Named<CComboUnit>(dialog, QStringLiteral("From Unit")), QStringLiteral("psia"));
        Pick(Named<CComboUnit>(dialog, QStringLiteral("To Unit")), QStringLiteral("bar a"));
        QCOMPARE(pResult->text(), QStringLiteral("206.84"));

        // psi is gauge pressure, "bar a" absolute.
        Pick(Named<CComboUnit>(dialog, QStringLiteral("From Unit")), QStringLiteral("psi"));
        QCOMPARE(pResult->text(), QStringLiteral("207.86"));
        QCOMPARE(dialog.GetResult().GetUnit(), std::string("BAR"));

        pInput->clear();
        QCOMPARE(pResult->text(), QString());
        QVERIFY(prompt->Texts().empty());
    }

    void ResetsAndAPickSetTheUnitTypeAndOkStoresAllEighteen()
    {
        CDefaultUnits current = CDefaultUnits::Standard();
        CSelectDefaultUnits dialog(current);
        QVERIFY(!dialog.IsDetailed());
        QVERIFY(Named<QGroupBox>(dialog, QStringLiteral("Pressure"))->isVisibleTo(&dialog));
        QVERIFY(!Named<QGroupBox>(dialog, QStringLiteral("Torque"))->isVisibleTo(&dialog));

        for (const auto& [pszReset, nType] : {std::pair{"Reset to Metric Defaults", CDefaultUnits::kMetric},
                                              {"Reset to U.S. Standard Defaults", CDefaultUnits::kStandard},
                                              {"Reset to Metric Defaults", CDefaultUnits::kMetric}})
        {
            Named<QPushButton>(dialog, QString::fromLatin1(pszReset))->click();
            QCOMPARE(dialog.UnitType(), nType);
        }
        Pick(Named<CComboUnit>(dialog, QStringLiteral("Pressure")), QStringLiteral("MPa a"));
        QCOMPARE(dialog.UnitType(), CDefaultUnits::kCustom);
        dialog.accept();
        // Hidden lists too: the whole metric table, viscosity and torque included, with the pressure picked.
        CDefaultUnits expected = CDefaultUnits::Metric();
        expected.SetDefaultUnit(UnitCategory::Pressure, "MPA");
        expected.SetUnitType(CDefaultUnits::kCustom);
        QCOMPARE(current, expected);
    }

    void DetailToggleAndCancel()
    {
        CDefaultUnits current = CDefaultUnits::Standard();
        CSelectDefaultUnits dialog(current);
        auto* pDetail = Named<QPushButton>(dialog, QStringLiteral("More Detail"));
        pDetail->click();
        QCOMPARE(pDetail->text(), QStringLiteral("Less Detail"));
        QVERIFY(Named<QGroupBox>(dialog, QStringLiteral("Absolute Viscosity"))->isVisibleTo(&dialog));
        pDetail->click();
        QCOMPARE(pDetail->text(), QStringLiteral("More Detail"));

        Pick(Named<CComboUnit>(dialog, QStringLiteral("Mass")), QStringLiteral("kg"));
        dialog.reject();
        QCOMPARE(current, CDefaultUnits::Standard());
    }

    void UnknownDefaultIsKeptRatherThanEmptied()
    {
        CDefaultUnits current = CDefaultUnits::Standard();
        current.SetDefaultUnit(UnitCategory::Time, "FORTNIGHT");
        CSelectDefaultUnits dialog(current);
        QCOMPARE(Named<CComboUnit>(dialog, QStringLiteral("Time"))->currentIndex(), -1);
        dialog.accept();
        QCOMPARE(current.GetDefaultUnit(UnitCategory::Time), std::string("FORTNIGHT"));
    }
};

QTEST_MAIN(CUnitDialogsTest)
#include "UnitDialogsTest.moc"
