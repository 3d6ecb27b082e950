// "Select a Calculation Method" of auxiliary power: the same choice, leading to its own volume dialogs.
#pragma once

#include "sizing/SupPumpSelCalcMethod.h"

class CAuxPow_SelCalcMeth : public CSupPumpSelCalcMethod
{
    Q_OBJECT

public:
    CAuxPow_SelCalcMeth(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                        QWidget* pParent = nullptr);

protected:
    int Application() const override;
    int RunMethod(int nMethod) override;
};
