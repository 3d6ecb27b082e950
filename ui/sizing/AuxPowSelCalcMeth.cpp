// Auxiliary power's calculation method: application 3, and the auxiliary-power volume dialogs.
#include "sizing/AuxPowSelCalcMeth.h"

#include "selection/AccumulatorData.h"
#include "sizing/AuxPowActVolDispTime.h"
#include "sizing/AuxPowCylDimensions.h"

CAuxPow_SelCalcMeth::CAuxPow_SelCalcMeth(CAccumulatorObject& product, CAccumulatorData& working,
                                         CAccumulatorData& stored, QWidget* pParent)
    : CSupPumpSelCalcMethod(product, working, stored, "CAuxPow_SelCalcMeth", pParent)
{
}

int CAuxPow_SelCalcMeth::Application() const
{
    return app::AuxiliaryPower;
}

int CAuxPow_SelCalcMeth::RunMethod(int nMethod)
{
    if (nMethod == 0)
    {
        CAuxPow_CSupPumpActVolDispTime next(m_product, m_working, m_stored, this);
        return RunNested(next);
    }
    CAuxPow_CSupPumpCylDimensions next(m_product, m_working, m_stored, this);
    return RunNested(next);
}
