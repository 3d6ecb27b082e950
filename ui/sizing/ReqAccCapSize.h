// "Required Accumulator Capacity / Size": the capacity the user already knows and the maximum pressure.
#pragma once

#include "sizing/SizingDialog.h"

class CReqAccCapSize : public CSizingDialog
{
    Q_OBJECT

public:
    CReqAccCapSize(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                   QWidget* pParent = nullptr);

    CEditNumeric* Capacity() const { return m_pCapacity; }
    CComboUnit* CapacityUnit() const { return m_pCapacityUnit; }
    CEditNumeric* Pressure() const { return m_pPressure; }
    CComboUnit* PressureUnit() const { return m_pPressureUnit; }

protected:
    void OnOk() override;

private:
    CEditNumeric* m_pCapacity;
    CComboUnit* m_pCapacityUnit;
    CEditNumeric* m_pPressure;
    CComboUnit* m_pPressureUnit;
};
