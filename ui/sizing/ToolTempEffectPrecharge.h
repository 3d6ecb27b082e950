// "Effects of Temperature on Pre-charge": the pressure of a closed gas volume at another
// temperature, from the beginning or the final pressure; its entries live in the dialog.
#pragma once

#include "sizing/EntryDialog.h"
#include "sizing/SizingTools.h"

class CEditNumeric;
class QButtonGroup;
class QRadioButton;

class CToolTempEffectPrecharge : public CEntryDialog
{
    Q_OBJECT

public:
    explicit CToolTempEffectPrecharge(CAccumulatorObject& product, QWidget* pParent = nullptr);

    // Which pressure is known.
    static constexpr int kBeginning = 0;
    static constexpr int kFinal = 1;

    CEditNumeric* BeginTemperature() const { return m_pBeginTemp; }
    CEditNumeric* FinalTemperature() const { return m_pFinalTemp; }
    CComboUnit* TemperatureUnit() const { return m_pTemperatureUnit; }
    QRadioButton* KnownPressure(int nWhich) const;
    CEditNumeric* BeginPressure() const { return m_pBeginPressure; }
    CEditNumeric* FinalPressure() const { return m_pFinalPressure; }
    CComboUnit* PressureUnit() const { return m_pPressureUnit; }

protected:
    void OnOk() override;

private:
    sizing::STemperatureToolEntries Entries() const;

    CEditNumeric* m_pBeginTemp;
    CEditNumeric* m_pFinalTemp;
    CComboUnit* m_pTemperatureUnit;
    QButtonGroup* m_pKnown;
    CEditNumeric* m_pBeginPressure;
    CEditNumeric* m_pFinalPressure;
    CComboUnit* m_pPressureUnit;
};
