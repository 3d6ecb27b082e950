// The two dialogs of shock due to pump response time: what they share (pressures, computed maximum,
// flow, temperature, response time, the checks and the calculation).
#pragma once

#include "sizing/PumpResponse.h"
#include "sizing/SizingDialog.h"
#include "units/UnitDouble.h"

class QGridLayout;

class CShockPumpOver : public CSizingDialog
{
    Q_OBJECT

public:
    CEditNumeric* SystemPressure() const { return m_pSystem; }
    CComboUnit* PressureUnit() const { return m_pPressureUnit; }
    CEditNumeric* ShockPressure() const { return m_pShock; }
    CStaticNumeric* ComputedMaximum() const { return m_pComputed; }
    CEditNumeric* Flow() const { return m_pFlow; }
    CComboUnit* FlowUnit() const { return m_pFlowUnit; }
    CEditNumeric* Temperature() const { return m_pTemperature; }
    CComboUnit* TemperatureUnit() const { return m_pTemperatureUnit; }
    CEditNumeric* ResponseTime() const { return m_pResponse; }
    // The typical response time: of the chosen relief valve, or of a variable pump of the flow.
    CStaticNumeric* TypicalTime() const { return m_pTypical; }

    // Leaving the system pressure: the default of an empty shock pressure, then the computed maximum.
    void OnSystemPressureLeft();
    // Leaving the flow: the relief valves or the typical response time for it.
    virtual void OnFlowLeft() = 0;

protected:
    CShockPumpOver(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                   const QString& strTitle, std::string strClassName, sizing::EPumpType eType, QWidget* pParent);
    // Lays the dialog out; pPumpRow: the fixed pump's relief valve list and its typical time, or nullptr.
    void Build(QWidget* pPumpRow, const QString& strPumpCaption);
    // The typical time in seconds, or strMissing without one.
    void ShowTypical(std::optional<double> dSeconds, const QString& strMissing);
    // The flow as entered, in gpm, for the catalogue's queries.
    double FlowGpm() const;
    // The fixed pump reads its relief valve; returns whether one is chosen.
    virtual bool ReadValve() { return true; }
    void OnOk() override;

private:
    // The computed maximum of the system pressure as entered, shown in the system pressure's unit.
    void ShowComputedMaximum();

    sizing::EPumpType m_eType;
    CUnitDouble m_computed; // in PSIA
    CEditNumeric* m_pSystem;
    CComboUnit* m_pPressureUnit;
    CEditNumeric* m_pShock;
    CStaticNumeric* m_pComputed;
    CEditNumeric* m_pFlow;
    CComboUnit* m_pFlowUnit;
    CEditNumeric* m_pTemperature;
    CComboUnit* m_pTemperatureUnit;
    CEditNumeric* m_pResponse;
    CStaticNumeric* m_pTypical;
};
