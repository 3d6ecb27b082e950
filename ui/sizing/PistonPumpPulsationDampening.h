// "Piston Pump Pulsation Dampening": system and allowed pressure, the pump's pistons, action and
// displacement, the temperature and the precharge; sizes the accumulator on the pump outlet.
#pragma once

#include "sizing/SizingDialog.h"
#include "units/UnitDouble.h"

class QButtonGroup;
class QRadioButton;

class CPistonPumpPulsationDampening : public CSizingDialog
{
    Q_OBJECT

public:
    CPistonPumpPulsationDampening(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                                  QWidget* pParent = nullptr);

    CEditNumeric* SystemPressure() const { return m_pSystem; }
    CComboUnit* PressureUnit() const { return m_pPressureUnit; }
    CEditNumeric* ShockPressure() const { return m_pShock; }
    CStaticNumeric* ComputedMaximum() const { return m_pComputed; }
    CEditNumeric* Pistons() const { return m_pPistons; }
    // 1 the displacement entered, 0 calculated, as bPulsationEnterPumpDispOrCalc.
    QRadioButton* DisplacementChoice(int nEntered) const;
    CEditNumeric* Displacement() const { return m_pDisplacement; }
    CComboUnit* DisplacementUnit() const { return m_pDisplacementUnit; }
    CEditNumeric* Flow() const { return m_pFlow; }
    CComboUnit* FlowUnit() const { return m_pFlowUnit; }
    CEditNumeric* Speed() const { return m_pSpeed; }
    CStaticNumeric* CalculatedDisplacement() const { return m_pCalculatedDisp; }
    // 1 single acting, 0 double acting, as bPulsationSingleOrDoublePump.
    QRadioButton* PumpAction(int nSingle) const;
    CEditNumeric* Temperature() const { return m_pTemperature; }
    CComboUnit* TemperatureUnit() const { return m_pTemperatureUnit; }
    // 1 the precharge entered, 0 the calculated one, as bPrechargeIHaveUseCalc.
    QRadioButton* PrechargeChoice(int nEntered) const;
    CEditNumeric* Precharge() const { return m_pPrecharge; }
    CStaticNumeric* CalculatedPrecharge() const { return m_pCalculatedPrecharge; }
    // Leaving the system pressure: the default of an empty shock pressure.
    void OnSystemPressureLeft();

protected:
    void OnOk() override;

private:
    // The calculated precharge and the computed maximum of the system pressure as entered.
    void ShowPressures();
    void ShowDisplacement();
    void CheckPistons();
    void ReadEntries();

    CUnitDouble m_calculatedPrecharge;
    CUnitDouble m_computed;
    CUnitDouble m_calculatedDisplacement;
    CEditNumeric* m_pSystem;
    CComboUnit* m_pPressureUnit;
    CEditNumeric* m_pShock;
    CStaticNumeric* m_pComputed;
    CEditNumeric* m_pPistons;
    QButtonGroup* m_pDisplacementChoice;
    CEditNumeric* m_pDisplacement;
    CComboUnit* m_pDisplacementUnit;
    CEditNumeric* m_pFlow;
    CComboUnit* m_pFlowUnit;
    CEditNumeric* m_pSpeed;
    CStaticNumeric* m_pCalculatedDisp;
    QButtonGroup* m_pAction;
    CEditNumeric* m_pTemperature;
    CComboUnit* m_pTemperatureUnit;
    QButtonGroup* m_pPrechargeChoice;
    CEditNumeric* m_pPrecharge;
    CStaticNumeric* m_pCalculatedPrecharge;
};
