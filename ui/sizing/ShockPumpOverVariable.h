// "Shock due to Variable Volume Pump": the compensator's typical response time looked up by flow.
#pragma once

#include "sizing/ShockPumpOver.h"

class CShockPumpOverVariable : public CShockPumpOver
{
    Q_OBJECT

public:
    CShockPumpOverVariable(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                           QWidget* pParent = nullptr);

    // The typical response time of a variable pump of the flow as entered.
    void OnFlowLeft() override;
};
