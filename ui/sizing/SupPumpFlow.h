// "Supplementing Pump Flow": pump, pressures, temperature and precharge; sizes the accumulator.
#pragma once

#include "sizing/PrechargeGroup.h"
#include "sizing/SizingDialog.h"

class QButtonGroup;
class QRadioButton;

class CSupPumpFlow : public CSizingDialog
{
    Q_OBJECT

public:
    CSupPumpFlow(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                 QWidget* pParent = nullptr);

    // Precharge choices.
    static constexpr int kIHave = CPrechargeGroup::kIHave;
    static constexpr int kPiston = CPrechargeGroup::kPiston;
    static constexpr int kBladder = CPrechargeGroup::kBladder;

    CStaticNumeric* MinimumPump() const { return m_pMinimumPump; }
    CEditNumeric* PumpSize() const { return m_pPumpSize; }
    CComboUnit* FlowUnit() const { return m_pFlowUnit; }
    QRadioButton* PumpRunning(bool bYes) const;
    CEditNumeric* MaxPressure() const { return m_pMax; }
    CEditNumeric* MinPressure() const { return m_pMin; }
    CComboUnit* PressureUnit() const { return m_pPressureUnit; }
    CEditNumeric* Temperature() const { return m_pTemperature; }
    CComboUnit* TemperatureUnit() const { return m_pTemperatureUnit; }
    QRadioButton* PrechargeChoice(int nChoice) const { return m_pPrecharge->Choice(nChoice); }
    CEditNumeric* Precharge() const { return m_pPrecharge->Precharge(); }
    CStaticNumeric* PistonOptimum() const { return m_pPrecharge->PistonOptimum(); }
    CStaticNumeric* BladderOptimum() const { return m_pPrecharge->BladderOptimum(); }

protected:
    void OnOk() override;

private:
    // The calculated optima for the minimum pressure as entered, shown beside their choices.
    void RecomputeOptima();
    void ShowMinimumPump();
    void ReadEntries();

    sizing::SPrechargePair m_optima;
    CStaticNumeric* m_pMinimumPump;
    CEditNumeric* m_pPumpSize;
    CComboUnit* m_pFlowUnit;
    QButtonGroup* m_pRunning;
    CEditNumeric* m_pMax;
    CEditNumeric* m_pMin;
    CComboUnit* m_pPressureUnit;
    CEditNumeric* m_pTemperature;
    CComboUnit* m_pTemperatureUnit;
    CPrechargeGroup* m_pPrecharge;
};
