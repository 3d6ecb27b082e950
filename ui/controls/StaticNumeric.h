// A read-only text that shows a number, or a number with its unit.
#pragma once

#include <QLabel>

#include <string>

class CUnitDouble;

class CStaticNumeric : public QLabel
{
    Q_OBJECT

public:
    explicit CStaticNumeric(QWidget* pParent = nullptr);

    // The number by the engine's formatting rules.
    void SetNumber(double dValue, int nDecimals, bool bKeepZeros, bool bIntNoPoint);
    // The value in its own unit, a blank and the unit's display text ("12.5 bar").
    void SetValue(const CUnitDouble& value, int nDecimals, bool bKeepZeros, bool bIntNoPoint);
    // The value converted into another unit, with that unit's text.
    void SetValueIn(const CUnitDouble& value, const std::string& strUnit, int nDecimals, bool bKeepZeros,
                    bool bIntNoPoint);
    // A plain number shown as being in the given unit.
    void SetNumberWithUnit(double dValue, const std::string& strUnit, int nDecimals, bool bKeepZeros,
                           bool bIntNoPoint);
};
