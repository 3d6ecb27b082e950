// "Required Fluid Levels & dimensions of the Reservoir": the reservoir isolator sized from the
// volume between the reservoir's high and low fluid levels.
#pragma once

#include "products/OvrisolCapacityDialog.h"

class COvrisol2BFluidLevel : public COvrisolCapacityDialog
{
    Q_OBJECT

public:
    COvrisol2BFluidLevel(CAccumulatorObject& product, COvrisolBase& working, COvrisolBase& stored,
                         QWidget* pParent = nullptr);

protected:
    // The levels and dimensions checked in order, the reservoir capacity against the largest size.
    void OnOk() override;
};
