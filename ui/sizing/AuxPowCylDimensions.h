// Auxiliary power's cylinder dimensions: the volume found from the cylinders, then the pressures dialog.
#pragma once

#include "sizing/SupPumpCylDimensions.h"

class CAuxPow_CSupPumpCylDimensions : public CSupPumpCylDimensions
{
    Q_OBJECT

public:
    CAuxPow_CSupPumpCylDimensions(CAccumulatorObject& product, CAccumulatorData& working,
                                  CAccumulatorData& stored, QWidget* pParent = nullptr);

protected:
    bool ComputesMinimumPump() const override { return false; }
    int RunNext() override;
};
