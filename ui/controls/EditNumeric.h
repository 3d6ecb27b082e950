// A numeric edit field that shows and returns numbers and unit values.
#pragma once

#include "controls/NumericEdit.h"

class CUnitDouble;

class CEditNumeric : public CNumericEdit
{
    Q_OBJECT

public:
    using CNumericEdit::CNumericEdit;

    // Shows the number by the engine's formatting rules; 0 shows as empty text unless m_bShowZero.
    void SetNumber(double dValue, int nDecimals, bool bKeepZeros, bool bIntNoPoint);
    // The same for a unit value, in its own unit and without the unit's text.
    void SetValue(const CUnitDouble& value, int nDecimals, bool bKeepZeros, bool bIntNoPoint);
    // Shows the decimal digits; 0 shows as empty text unless m_bShowZero.
    void SetInt(int nValue);

    // GetText read as a number (a comma read as the point); 0 for empty text.
    double GetDouble() const;
    // The same number truncated to a whole number.
    int GetInt() const;
};
