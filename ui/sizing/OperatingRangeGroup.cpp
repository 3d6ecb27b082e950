// The operating range entries: empty means not given, 0 is a temperature like any other.
#include "sizing/OperatingRangeGroup.h"

#include "controls/ComboUnit.h"
#include "controls/EditNumeric.h"
#include "selection/OperatingTemperatures.h"
#include "sizing/EntryDialog.h"
#include "units/UnitTable.h"

#include <QGridLayout>
#include <QLabel>

namespace
{
CEditNumeric* TemperatureEdit(const QString& strName)
{
    CEditNumeric* pEdit = CEntryDialog::NumberEdit(strName);
    pEdit->SetAllowMinus(true);
    pEdit->SetShowZero(true);
    return pEdit;
}

void Show(CEditNumeric* pEdit, bool bGiven, const CUnitDouble& value, const std::string& strUnit)
{
    if (bGiven)
        pEdit->SetNumber(value.GetUnit() == strUnit ? value.Value() : value.GetValue(strUnit), 10, false,
                         true);
}
} // namespace

COperatingRangeGroup::COperatingRangeGroup(const SOperatingTemperatures& range,
                                           const std::string& strDefaultUnit, QWidget* pParent)
    : QGroupBox(tr("Operating Temperature Range (optional)"), pParent)
{
    setAccessibleName(title());
    const QString strMin = tr("Minimum Operating Temperature:");
    const QString strMax = tr("Maximum Operating Temperature:");
    m_pMin = TemperatureEdit(strMin);
    m_pMax = TemperatureEdit(strMax);
    m_pUnit = new CComboUnit;
    m_pUnit->setAccessibleName(tr("Operating Temperature unit"));
    m_pUnit->FillCategory(UnitCategory::Temperature);
    const std::string strUnit = range.bMinGiven ? range.sdOperatingTempMin.GetUnit() : strDefaultUnit;
    if (!m_pUnit->SelectUnit(strUnit) && m_pUnit->count() > 0)
        m_pUnit->setCurrentIndex(0);
    const std::string strShown = m_pUnit->GetSelectedUnitCode();
    Show(m_pMin, range.bMinGiven, range.sdOperatingTempMin, strShown);
    Show(m_pMax, range.bMaxGiven, range.sdOperatingTempMax, strShown);

    auto* pGrid = new QGridLayout(this);
    pGrid->addWidget(CEntryDialog::Caption(strMin, m_pMin), 0, 0);
    pGrid->addWidget(m_pMin, 0, 1);
    pGrid->addWidget(m_pUnit, 0, 2);
    pGrid->addWidget(CEntryDialog::Caption(strMax, m_pMax), 1, 0);
    pGrid->addWidget(m_pMax, 1, 1);
    pGrid->addWidget(CEntryDialog::FollowingUnit(m_pUnit), 1, 2);
    auto* pNote = new QLabel(tr("Leave both empty for results at the system temperature only."));
    pNote->setWordWrap(true);
    pNote->setAccessibleName(pNote->text());
    pGrid->addWidget(pNote, 2, 0, 1, 3);
    setTabOrder(m_pMin, m_pUnit);
    setTabOrder(m_pUnit, m_pMax);
}

SOperatingTemperatures COperatingRangeGroup::Read() const
{
    SOperatingTemperatures range;
    const std::string strUnit = m_pUnit->GetSelectedUnitCode();
    range.bMinGiven = !m_pMin->text().trimmed().isEmpty();
    range.bMaxGiven = !m_pMax->text().trimmed().isEmpty();
    if (range.bMinGiven)
        range.sdOperatingTempMin.Set(m_pMin->GetDouble(), strUnit);
    if (range.bMaxGiven)
        range.sdOperatingTempMax.Set(m_pMax->GetDouble(), strUnit);
    return range;
}
