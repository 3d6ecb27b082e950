// "Select Pump Type": a variable volume pump or a fixed displacement pump behind a relief valve.
#pragma once

#include "sizing/SizingDialog.h"

class QButtonGroup;
class QRadioButton;

class CPumpOverChoice : public CSizingDialog
{
    Q_OBJECT

public:
    CPumpOverChoice(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                    QWidget* pParent = nullptr);

    // 1 variable volume pump, 0 fixed displacement pump, as bShockVarOrFixed.
    QRadioButton* PumpType(int nVariable) const;

protected:
    void OnOk() override;

private:
    QButtonGroup* m_pGroup;
};
