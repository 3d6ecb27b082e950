// Auxiliary power's actuator volume and times: no minimum pump flow, then the pressures dialog.
#pragma once

#include "sizing/SuppPumpActVolDispTime.h"

class CAuxPow_CSupPumpActVolDispTime : public CSuppPumpActVolDispTime
{
    Q_OBJECT

public:
    CAuxPow_CSupPumpActVolDispTime(CAccumulatorObject& product, CAccumulatorData& working,
                                   CAccumulatorData& stored, QWidget* pParent = nullptr);

protected:
    bool ComputesMinimumPump() const override { return false; }
    int RunNext() override;
};
