// Unit lists and number lists in a drop-down list, with the engine's messages for a missing choice.
#include "controls/ComboUnit.h"

#include "platform/Prompt.h"
#include "units/UnitConvMap.h"
#include "units/UnitLists.h"
#include "units/UnitTable.h"

#include <algorithm>

#include <QCoreApplication>

namespace
{
// Item data: a unit's display-text id, or a number with its text. The pair travels with its
// item, so a sorted insertion can never pair a text with another item's number.
constexpr int kStringIdRole = Qt::UserRole;
constexpr int kNumberRole = Qt::UserRole + 1;
constexpr int kPairTextRole = Qt::UserRole + 2;
} // namespace

CComboUnit::CComboUnit(QWidget* pParent) : QComboBox(pParent)
{
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
}

void CComboUnit::AddUnit(const std::string& strCode)
{
    const CUnitObject* pUnit = FindUnit(strCode);
    if (!pUnit)
        return;
    const QString strText = QString::fromStdString(UnitDisplayText(strCode));
    // A sorted list: after every item whose text sorts before or equal to the new one.
    int nIndex = 0;
    while (nIndex < count() && QString::compare(itemText(nIndex), strText, Qt::CaseInsensitive) <= 0)
        ++nIndex;
    insertItem(nIndex, strText, pUnit->m_iStringID);
}

void CComboUnit::FillUnits(const CUnitConvMap& value, const std::vector<std::string>& excluded)
{
    const CUnitObject* pOwn = FindUnit(value.GetUnit());
    if (!pOwn)
        return;
    const bool bNoneSelected = currentIndex() < 0;
    for (const std::string& strCode : UnitCodesOfCategory(pOwn->m_iCategoryID))
        if (std::find(excluded.begin(), excluded.end(), strCode) == excluded.end())
            AddUnit(strCode);
    if (!SelectUnit(value.GetUnit()) && bNoneSelected)
        setCurrentIndex(-1);
}

void CComboUnit::FillCategory(int nCategoryId)
{
    const bool bNoneSelected = currentIndex() < 0;
    for (const std::string& strCode : UnitCodesOfCategory(nCategoryId))
        AddUnit(strCode);
    // The box takes its first item as current by itself; the caller chooses instead.
    if (bNoneSelected)
        setCurrentIndex(-1);
}

bool CComboUnit::SelectUnit(const std::string& strCode)
{
    const CUnitObject* pUnit = FindUnit(strCode);
    const int nIndex = pUnit ? findData(pUnit->m_iStringID, kStringIdRole) : -1;
    if (nIndex < 0)
        return false;
    setCurrentIndex(nIndex);
    return true;
}

std::string CComboUnit::GetSelectedUnitCode() const
{
    // No selection, or an item that is no unit, must not read as the string id 0 of NONE.
    const QVariant data = currentIndex() < 0 ? QVariant() : itemData(currentIndex(), kStringIdRole);
    const std::string strCode =
        data.isValid() ? CUnitConvMap::GetCodeByStringID(data.toInt()) : std::string();
    if (strCode.empty())
        GetPrompt().Message(QCoreApplication::translate("CComboUnit", "Unit NotFound").toStdString());
    return strCode;
}

bool CComboUnit::GetSelectedUnit(CUnitConvMap& value) const
{
    const std::string strCode = GetSelectedUnitCode();
    if (strCode.empty())
        return false;
    value.SetUnit(strCode);
    return true;
}

void CComboUnit::AddNumbers(std::span<const double> numbers, int nDecimals, bool bKeepZeros, bool bIntNoPoint,
                            const QString& strSuffix)
{
    for (double dNumber : numbers)
        if (dNumber != 0.0)
            AddNumber(QString::fromStdString(
                          CUnitConvMap::FormatNumber(dNumber, nDecimals, bKeepZeros, bIntNoPoint)) +
                          strSuffix,
                      dNumber);
}

void CComboUnit::AddNumber(const QString& strText, double dNumber)
{
    if (dNumber == 0.0)
        return;
    addItem(strText);
    setItemData(count() - 1, dNumber, kNumberRole);
    setItemData(count() - 1, strText, kPairTextRole);
}

bool CComboUnit::HasSelection() const
{
    if (currentIndex() >= 0)
        return true;
    GetPrompt().Message(
        QCoreApplication::translate("CComboUnit", "Nothing in Combo Box Selected").toStdString());
    return false;
}

double CComboUnit::GetSelectedNumber() const
{
    return HasSelection() ? itemData(currentIndex(), kNumberRole).toDouble() : 0.0;
}

QString CComboUnit::GetSelectedText() const
{
    return HasSelection() ? itemText(currentIndex()) : QString();
}

QString CComboUnit::GetSelectedString() const
{
    return HasSelection() ? itemData(currentIndex(), kPairTextRole).toString() : QString();
}
