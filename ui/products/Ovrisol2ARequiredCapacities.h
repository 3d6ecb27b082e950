// "Required Cylinder and Accumulator Capacities": the reservoir isolator sized from the capacities
// that empty into and fill from the reservoir.
#pragma once

#include "products/OvrisolCapacityDialog.h"

class COvrisol2ARequiredCapacities : public COvrisolCapacityDialog
{
    Q_OBJECT

public:
    COvrisol2ARequiredCapacities(CAccumulatorObject& product, COvrisolBase& working, COvrisolBase& stored,
                                 QWidget* pParent = nullptr);

protected:
    // The combined capacity checked against 0 and the catalogue's largest size.
    void OnOk() override;
};
