// The optional operating temperature range of a sizing dialog: minimum, maximum and their unit.
#pragma once

#include <QGroupBox>

#include <string>

class CComboUnit;
class CEditNumeric;
struct SOperatingTemperatures;

class COperatingRangeGroup : public QGroupBox
{
    Q_OBJECT

public:
    // strDefaultUnit: the temperature unit the entries take when the range has none.
    COperatingRangeGroup(const SOperatingTemperatures& range, const std::string& strDefaultUnit,
                         QWidget* pParent = nullptr);

    // The entries as they stand: an empty entry is not given.
    SOperatingTemperatures Read() const;

    CEditNumeric* Minimum() const { return m_pMin; }
    CEditNumeric* Maximum() const { return m_pMax; }
    CComboUnit* Unit() const { return m_pUnit; }

private:
    CEditNumeric* m_pMin;
    CEditNumeric* m_pMax;
    CComboUnit* m_pUnit;
};
