// A number entry with its unit list: built named after their caption, filled from a unit value
// and read back into one.
#pragma once

#include <QString>

#include <string>

class CComboUnit;
class CEditNumeric;
class CUnitDouble;

// A right-aligned number entry, wide enough for 14 digits, named after its caption.
CEditNumeric* NamedNumberEdit(const QString& strName);
// The units of a category with the value's unit selected; a value without a unit of that
// category (an old or damaged file) gets strDefaultUnit.
CComboUnit* UnitListFor(const CUnitDouble& value, int nCategoryId, const std::string& strDefaultUnit,
                        const QString& strName);
// The value in its own unit: 10 decimals, zeros trimmed, whole numbers without a point; 0 shows
// as an empty entry unless the entry shows zeros.
void ShowValue(CEditNumeric* pEdit, const CUnitDouble& value);
// The entry (empty reads as 0) with the list's unit.
void ReadValue(CUnitDouble& value, const CEditNumeric* pEdit, const CComboUnit* pUnit);
