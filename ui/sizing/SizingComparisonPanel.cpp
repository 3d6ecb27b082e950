// The ideal-gas comparison and the operating range under the results, in the results' own units.
#include "sizing/SizingComparisonPanel.h"

#include "controls/StaticNumeric.h"
#include "selection/AccumulatorData.h"
#include "sizing/EntryDialog.h"
#include "sizing/SizingComparison.h"
#include "units/UnitTable.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include <utility>

namespace
{
// A value of the grid, named after its row and what it shows.
CStaticNumeric* Figure(QGridLayout* pGrid, int nRow, int nColumn, const QString& strCaption,
                       const CUnitDouble& value, const char* pszUnit, int nDecimals)
{
    CStaticNumeric* pValue = CEntryDialog::ValueText(strCaption);
    pValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pValue->SetValueIn(value, pszUnit, nDecimals, true, false);
    CEntryDialog::NameAfterText(pValue, strCaption);
    pGrid->addWidget(pValue, nRow, nColumn);
    return pValue;
}

QLabel* Text(const QString& strText)
{
    auto* pLabel = new QLabel(strText);
    pLabel->setWordWrap(true);
    pLabel->setAccessibleName(strText);
    pLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return pLabel;
}

QString Shown(const CUnitDouble& value, const std::string& strUnit, int nDecimals)
{
    return QString::fromStdString(
        CUnitDouble(value.GetValue(strUnit), strUnit).Format(nDecimals, false, true) + " " +
        UnitDisplayText(strUnit));
}

QGroupBox* BoundsGroup(const sizing::SIdealGasBounds& bounds)
{
    auto* pGroup = new QGroupBox(CSizingComparisonPanel::tr("Ideal-Gas Comparison"));
    pGroup->setAccessibleName(pGroup->title());
    auto* pGrid = new QGridLayout;
    pGrid->setHorizontalSpacing(18);
    const QString captions[] = {CSizingComparisonPanel::tr("Isothermal, ideal gas (n = 1.0):"),
                                CSizingComparisonPanel::tr("Adiabatic, ideal gas (n = 1.4):")};
    const double values[] = {bounds.dIsothermalIn3, bounds.dAdiabaticIn3};
    for (int nRow = 0; nRow < 2; ++nRow)
    {
        pGrid->addWidget(CEntryDialog::Caption(captions[nRow]), nRow, 0);
        const CUnitDouble volume(values[nRow], "CU_IN");
        Figure(pGrid, nRow, 1, captions[nRow], volume, "CU_IN", 1);
        Figure(pGrid, nRow, 2, captions[nRow], volume, "GAL", 2);
        Figure(pGrid, nRow, 3, captions[nRow], volume, "L", 2);
    }
    auto* pLayout = new QVBoxLayout(pGroup);
    pLayout->addLayout(pGrid);
    pLayout->addWidget(Text(
        CSizingComparisonPanel::tr("Shown for comparison: the selection uses the real-gas capacity above.")));
    return pGroup;
}
} // namespace

CSizingComparisonPanel::CSizingComparisonPanel(const CAccumulatorData& sel,
                                               const sizing::SSizingComparison& comparison, QWidget* pParent)
    : QWidget(pParent)
{
    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    if (comparison.bounds)
    {
        m_pBounds = BoundsGroup(*comparison.bounds);
        pLayout->addWidget(m_pBounds);
    }
    if (!comparison.range)
        return;
    const sizing::SOperatingRangeResult& range = *comparison.range;
    m_pRange = new QGroupBox(tr("Operating Temperature Range"));
    m_pRange->setAccessibleName(m_pRange->title());
    pLayout->addWidget(m_pRange);
    auto* pRangeLayout = new QVBoxLayout(m_pRange);
    if (range.eStatus != sizing::ESizingStatus::Sized)
    {
        m_pWarnings = Text(tr("The accumulator cannot be shown over the operating range: %1.")
                               .arg(QString::fromStdString(range.strReason)));
        pRangeLayout->addWidget(m_pWarnings);
        return;
    }

    const std::string strTempUnit = sel.m_operatingTemperatures.sdOperatingTempMin.GetUnit();
    auto* pGrid = new QGridLayout;
    pGrid->setHorizontalSpacing(18);
    pGrid->addWidget(CEntryDialog::Caption(tr("Temperature")), 0, 0);
    pGrid->addWidget(CEntryDialog::Caption(tr("Precharge")), 0, 1, 1, 2);
    pGrid->addWidget(CEntryDialog::Caption(tr("Delivered Volume")), 0, 3, 1, 2);
    const std::pair<QString, const sizing::SRangeExtreme*> rows[] = {{tr("%1 (minimum)"), &range.minimum},
                                                                     {tr("%1 (system)"), &range.system},
                                                                     {tr("%1 (maximum)"), &range.maximum}};
    int nRow = 1;
    for (const auto& [strRole, pRow] : rows)
    {
        const QString strTemp = strRole.arg(Shown(CUnitDouble(pRow->dTempF, "DEG_F"), strTempUnit, 1));
        pGrid->addWidget(CEntryDialog::Caption(strTemp), nRow, 0);
        const CUnitDouble precharge(pRow->dPrechargePsia, "PSIA");
        Figure(pGrid, nRow, 1, strTemp + QLatin1Char(' ') + tr("Precharge"), precharge, "PSIG", 0);
        Figure(pGrid, nRow, 2, strTemp + QLatin1Char(' ') + tr("Precharge"), precharge, "BAR", 1);
        const QString strDelivered = strTemp + QLatin1Char(' ') + tr("Delivered Volume");
        if (pRow->deliveredIn3)
        {
            const CUnitDouble delivered(*pRow->deliveredIn3, "CU_IN");
            Figure(pGrid, nRow, 3, strDelivered, delivered, "CU_IN", 1);
            Figure(pGrid, nRow, 4, strDelivered, delivered, "L", 2);
        }
        else
            pGrid->addWidget(Text(tr("not computed")), nRow, 3, 1, 2);
        ++nRow;
    }
    pRangeLayout->addLayout(pGrid);

    const QString strMaxTemp = Shown(CUnitDouble(range.maximum.dTempF, "DEG_F"), strTempUnit, 1);
    const QString strPrecharge = Shown(CUnitDouble(range.maximum.dPrechargePsia, "PSIA"), "PSIG", 0);
    const QString strLow = Shown(CUnitDouble(range.dLowPsia, "PSIA"), "PSIG", 0);
    m_pPrechargeRule = Text(range.bPrechargeBelowLow ? tr("At %1 the precharge of %2 stays below the minimum "
                                                          "system pressure of %3, as the precharge rule "
                                                          "requires.")
                                                           .arg(strMaxTemp, strPrecharge, strLow)
                                                     : tr("Warning: at %1 the precharge of %2 is above the "
                                                          "minimum system pressure of %3; the precharge "
                                                          "rule is not met.")
                                                           .arg(strMaxTemp, strPrecharge, strLow));
    pRangeLayout->addWidget(m_pPrechargeRule);

    QStringList warnings;
    for (const sizing::SRangeExtreme* pExtreme : {&range.minimum, &range.maximum})
    {
        if (!pExtreme->neededIn3)
            continue;
        const CUnitDouble needed(*pExtreme->neededIn3, "CU_IN");
        warnings << tr("Warning: at %1 the accumulator falls short of the required volume; it would need %2 "
                       "(%3) there.")
                        .arg(Shown(CUnitDouble(pExtreme->dTempF, "DEG_F"), strTempUnit, 1),
                             Shown(needed, "CU_IN", 1), Shown(needed, "L", 2));
    }
    m_pWarnings =
        Text(warnings.isEmpty() ? tr("The accumulator delivers the required volume over the whole range.")
                                : warnings.join(QLatin1Char('\n')));
    pRangeLayout->addWidget(m_pWarnings);
}
