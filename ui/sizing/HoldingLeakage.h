// "Holding / Leakage Compensation": pressures held, hold time, temperature, the leakage entered or
// estimated from the valves, and the precharge; sizes the accumulator.
#pragma once

#include "sizing/PrechargeGroup.h"
#include "sizing/SizingDialog.h"

class CListCombo;
class QButtonGroup;
class QRadioButton;

class CHoldingLeakage : public CSizingDialog
{
    Q_OBJECT

public:
    CHoldingLeakage(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                    QWidget* pParent = nullptr);

    // Leakage choices, as bHoldLeakageRateChoice.
    static constexpr int kEstimated = 0;
    static constexpr int kEntered = 1;

    CEditNumeric* MaxPressure() const { return m_pMax; }
    CEditNumeric* MinPressure() const { return m_pMin; }
    CComboUnit* PressureUnit() const { return m_pPressureUnit; }
    CEditNumeric* HoldTime() const { return m_pHoldTime; }
    CEditNumeric* Temperature() const { return m_pTemperature; }
    CComboUnit* TemperatureUnit() const { return m_pTemperatureUnit; }
    QRadioButton* LeakageChoice(int nChoice) const;
    CEditNumeric* LeakageRate() const { return m_pRate; }
    CComboUnit* LeakageUnit() const { return m_pRateUnit; }
    CEditNumeric* Valves() const { return m_pValves; }
    CListCombo* ValveSize() const { return m_pValveSize; }
    CStaticNumeric* CalculatedRate() const { return m_pCalculated; }
    CPrechargeGroup* PrechargeGroup() const { return m_pPrecharge; }

protected:
    void OnOk() override;

private:
    // The estimate for the entries as they stand, shown beside "Calculated Rate:".
    void ShowEstimate();
    void EnableForChoice(int nChoice);
    void ReadEntries();

    CEditNumeric* m_pMax;
    CEditNumeric* m_pMin;
    CComboUnit* m_pPressureUnit;
    CEditNumeric* m_pHoldTime;
    CEditNumeric* m_pTemperature;
    CComboUnit* m_pTemperatureUnit;
    QButtonGroup* m_pChoice;
    CEditNumeric* m_pRate;
    CComboUnit* m_pRateUnit;
    CEditNumeric* m_pValves;
    CListCombo* m_pValveSize;
    CStaticNumeric* m_pCalculated;
    CPrechargeGroup* m_pPrecharge;
};
