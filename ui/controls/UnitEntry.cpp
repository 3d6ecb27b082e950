// Number entries with unit lists, filled from and read into unit values.
#include "controls/UnitEntry.h"

#include "controls/ComboUnit.h"
#include "controls/EditNumeric.h"
#include "units/UnitDouble.h"
#include "units/UnitTable.h"

CEditNumeric* NamedNumberEdit(const QString& strName)
{
    auto* pEdit = new CEditNumeric;
    pEdit->setAccessibleName(QString(strName).remove(QLatin1Char('&')));
    pEdit->setMinimumWidth(pEdit->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 14);
    pEdit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return pEdit;
}

CComboUnit* UnitListFor(const CUnitDouble& value, int nCategoryId, const std::string& strDefaultUnit,
                        const QString& strName)
{
    auto* pCombo = new CComboUnit;
    pCombo->setAccessibleName(QString(strName).remove(QLatin1Char('&')));
    const CUnitObject* pUnit = FindUnit(value.GetUnit());
    if (pUnit && pUnit->m_iCategoryID == nCategoryId)
        pCombo->FillUnits(value);
    else
    {
        pCombo->FillCategory(nCategoryId);
        if (!pCombo->SelectUnit(strDefaultUnit) && pCombo->count() > 0)
            pCombo->setCurrentIndex(0);
    }
    return pCombo;
}

void ShowValue(CEditNumeric* pEdit, const CUnitDouble& value)
{
    pEdit->SetValue(value, 10, false, true);
}

void ReadValue(CUnitDouble& value, const CEditNumeric* pEdit, const CComboUnit* pUnit)
{
    const std::string strUnit = pUnit->GetSelectedUnitCode();
    value.Set(pEdit->GetDouble(), strUnit.empty() ? value.GetUnit() : strUnit);
}
