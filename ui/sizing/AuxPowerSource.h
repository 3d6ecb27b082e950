// "Auxiliary Power Source": pressures, temperature and precharge; sizes the accumulator that alone
// drives the actuator.
#pragma once

#include "sizing/PrechargeGroup.h"
#include "sizing/SizingDialog.h"

class CAuxPowerSource : public CSizingDialog
{
    Q_OBJECT

public:
    CAuxPowerSource(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                    QWidget* pParent = nullptr);

    CEditNumeric* MaxPressure() const { return m_pMax; }
    CEditNumeric* MinPressure() const { return m_pMin; }
    CComboUnit* PressureUnit() const { return m_pPressureUnit; }
    CEditNumeric* Temperature() const { return m_pTemperature; }
    CComboUnit* TemperatureUnit() const { return m_pTemperatureUnit; }
    CPrechargeGroup* PrechargeGroup() const { return m_pPrecharge; }

protected:
    void OnOk() override;

private:
    CEditNumeric* m_pMax;
    CEditNumeric* m_pMin;
    CComboUnit* m_pPressureUnit;
    CEditNumeric* m_pTemperature;
    CComboUnit* m_pTemperatureUnit;
    CPrechargeGroup* m_pPrecharge;
};
