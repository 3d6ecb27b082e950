// Auxiliary power's cylinder dimensions, continued by "Auxiliary Power Source".
#include "sizing/AuxPowCylDimensions.h"

#include "sizing/AuxPowerSource.h"

CAuxPow_CSupPumpCylDimensions::CAuxPow_CSupPumpCylDimensions(CAccumulatorObject& product,
                                                             CAccumulatorData& working, CAccumulatorData& stored,
                                                             QWidget* pParent)
    : CSupPumpCylDimensions(product, working, stored, "CAuxPow_CSupPumpCylDimensions", pParent)
{
}

int CAuxPow_CSupPumpCylDimensions::RunNext()
{
    CAuxPowerSource next(m_product, m_working, m_stored, this);
    return RunNested(next);
}
