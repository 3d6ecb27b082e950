// Formatting of numbers and unit values for a read-only text.
#include "controls/StaticNumeric.h"

#include "units/UnitDouble.h"

namespace
{
QString WithUnit(const std::string& strNumber, const std::string& strUnit)
{
    // A value without a unit (NONE, unknown) shows no trailing blank.
    const std::string strUnitText = UnitDisplayText(strUnit);
    return QString::fromStdString(strUnitText.empty() ? strNumber : strNumber + ' ' + strUnitText);
}
} // namespace

CStaticNumeric::CStaticNumeric(QWidget* pParent) : QLabel(pParent)
{
    setTextFormat(Qt::PlainText);
    // Results are worth copying into other documents.
    setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void CStaticNumeric::SetNumber(double dValue, int nDecimals, bool bKeepZeros, bool bIntNoPoint)
{
    setText(QString::fromStdString(CUnitConvMap::FormatNumber(dValue, nDecimals, bKeepZeros, bIntNoPoint)));
}

void CStaticNumeric::SetValue(const CUnitDouble& value, int nDecimals, bool bKeepZeros, bool bIntNoPoint)
{
    setText(WithUnit(value.Format(nDecimals, bKeepZeros, bIntNoPoint), value.GetUnit()));
}

void CStaticNumeric::SetValueIn(const CUnitDouble& value, const std::string& strUnit, int nDecimals,
                                bool bKeepZeros, bool bIntNoPoint)
{
    setText(WithUnit(value.FormatIn(strUnit, nDecimals, bKeepZeros, bIntNoPoint), strUnit));
}

void CStaticNumeric::SetNumberWithUnit(double dValue, const std::string& strUnit, int nDecimals,
                                       bool bKeepZeros, bool bIntNoPoint)
{
    setText(WithUnit(CUnitConvMap::FormatNumber(dValue, nDecimals, bKeepZeros, bIntNoPoint), strUnit));
}
