// Numbers and unit values shown in, and read from, a numeric edit field.
#include "controls/EditNumeric.h"

#include "units/NumericEntry.h"
#include "units/UnitDouble.h"

void CEditNumeric::SetNumber(double dValue, int nDecimals, bool bKeepZeros, bool bIntNoPoint)
{
    if (dValue == 0.0 && !m_bShowZero)
        SetText(QString());
    else
        SetText(
            QString::fromStdString(CUnitConvMap::FormatNumber(dValue, nDecimals, bKeepZeros, bIntNoPoint)));
}

void CEditNumeric::SetValue(const CUnitDouble& value, int nDecimals, bool bKeepZeros, bool bIntNoPoint)
{
    SetNumber(value.Value(), nDecimals, bKeepZeros, bIntNoPoint);
}

void CEditNumeric::SetInt(int nValue)
{
    SetText(nValue == 0 && !m_bShowZero ? QString() : QString::number(nValue));
}

double CEditNumeric::GetDouble() const
{
    return NumericFieldValue(GetText().toStdString());
}

int CEditNumeric::GetInt() const
{
    return NumericFieldInt(GetText().toStdString());
}
