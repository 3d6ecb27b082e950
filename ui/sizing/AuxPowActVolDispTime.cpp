// Auxiliary power's actuator volume and times, continued by "Auxiliary Power Source".
#include "sizing/AuxPowActVolDispTime.h"

#include "sizing/AuxPowerSource.h"

CAuxPow_CSupPumpActVolDispTime::CAuxPow_CSupPumpActVolDispTime(CAccumulatorObject& product,
                                                               CAccumulatorData& working, CAccumulatorData& stored,
                                                               QWidget* pParent)
    : CSuppPumpActVolDispTime(product, working, stored, "CAuxPow_CSupPumpActVolDispTime", pParent)
{
}

int CAuxPow_CSupPumpActVolDispTime::RunNext()
{
    CAuxPowerSource next(m_product, m_working, m_stored, this);
    return RunNested(next);
}
