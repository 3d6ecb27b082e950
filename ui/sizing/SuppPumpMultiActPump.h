// "Supplementing Pump Flow" of multiple events: pump, temperature and precharge; sizes the accumulator.
#pragma once

#include "sizing/PrechargeGroup.h"
#include "sizing/SizingDialog.h"

class CSuppPumpMultiActPump : public CSizingDialog
{
    Q_OBJECT

public:
    CSuppPumpMultiActPump(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                          QWidget* pParent = nullptr);

    CStaticNumeric* MinimumPump() const { return m_pMinimumPump; }
    CEditNumeric* PumpSize() const { return m_pPumpSize; }
    CComboUnit* FlowUnit() const { return m_pFlowUnit; }
    CEditNumeric* Temperature() const { return m_pTemperature; }
    CComboUnit* TemperatureUnit() const { return m_pTemperatureUnit; }
    CPrechargeGroup* PrechargeGroup() const { return m_pPrecharge; }
    // "View Volume Graph": the cycle with the pump size as entered.
    void OnViewGraph();

protected:
    void OnOk() override;

private:
    void ShowMinimumPump();

    CStaticNumeric* m_pMinimumPump;
    CEditNumeric* m_pPumpSize;
    CComboUnit* m_pFlowUnit;
    CEditNumeric* m_pTemperature;
    CComboUnit* m_pTemperatureUnit;
    CPrechargeGroup* m_pPrecharge;
};
