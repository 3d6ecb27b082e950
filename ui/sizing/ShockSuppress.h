// "Shock Suppression": system and shock pressure, fluid, flow and the line that closes; sizes the
// accumulator that takes the surge.
#pragma once

#include "sizing/SizingDialog.h"
#include "units/UnitDouble.h"

class CListCombo;
class QButtonGroup;
class QLabel;
class QRadioButton;

class CShockSuppress : public CSizingDialog
{
    Q_OBJECT

public:
    CShockSuppress(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                   QWidget* pParent = nullptr);

    CEditNumeric* SystemPressure() const { return m_pSystem; }
    CComboUnit* PressureUnit() const { return m_pPressureUnit; }
    CEditNumeric* ShockPressure() const { return m_pShock; }
    CStaticNumeric* ComputedMaximum() const { return m_pComputed; }
    CListCombo* Fluid() const { return m_pFluid; }
    CEditNumeric* Flow() const { return m_pFlow; }
    CComboUnit* FlowUnit() const { return m_pFlowUnit; }
    // 1 pipe, 0 tube, as bShockPipeOrTube.
    QRadioButton* LineType(int nPipe) const;
    CListCombo* NominalSize() const { return m_pNominal; }
    CListCombo* Schedule() const { return m_pSchedule; }
    CEditNumeric* Length() const { return m_pLength; }
    CComboUnit* LengthUnit() const { return m_pLengthUnit; }
    // The note on the temperature the calculation takes.
    QLabel* AssumedTemperature() const { return m_pAssumedTemperature; }
    // Leaving the system pressure: the computed maximum, and the default of an empty shock pressure.
    void OnSystemPressureLeft();

protected:
    void OnOk() override;

private:
    // The maximum allowable shock pressure of the system pressure as entered, shown in its unit.
    void ShowComputedMaximum();
    void FillNominalSizes();
    void FillSchedules();
    void ReadEntries();

    CUnitDouble m_computed;
    CEditNumeric* m_pSystem;
    CComboUnit* m_pPressureUnit;
    CEditNumeric* m_pShock;
    CStaticNumeric* m_pComputed;
    CListCombo* m_pFluid;
    CEditNumeric* m_pFlow;
    CComboUnit* m_pFlowUnit;
    QButtonGroup* m_pLine;
    CListCombo* m_pNominal;
    CListCombo* m_pSchedule;
    CEditNumeric* m_pLength;
    CComboUnit* m_pLengthUnit;
    QLabel* m_pAssumedTemperature;
};
