// "Shock Due to Fixed Displacement Pump": the circuit protected by a relief valve chosen by flow.
#pragma once

#include "sizing/ShockPumpOver.h"

class CListCombo;

class CShockPumpOverFixed : public CShockPumpOver
{
    Q_OBJECT

public:
    CShockPumpOverFixed(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                        QWidget* pParent = nullptr);

    CListCombo* ReliefValve() const { return m_pValve; }
    // The relief valves that pass the flow as entered.
    void OnFlowLeft() override;

protected:
    bool ReadValve() override;

private:
    void ShowValveTime();

    CListCombo* m_pValve;
};
