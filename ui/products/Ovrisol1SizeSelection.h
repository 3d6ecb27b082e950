// "Ovrisol Size Selection Method": whether the required capacity is known, or the reservoir's
// fluid levels and dimensions, and the dialog of the chosen method.
#pragma once

#include "products/ProductDialog.h"

class COvrisolBase;
class QRadioButton;

class COvrisol1SizeSelection : public CProductDialog
{
    Q_OBJECT

public:
    COvrisol1SizeSelection(CAccumulatorObject& product, COvrisolBase& working, COvrisolBase& stored,
                           QWidget* pParent = nullptr);

    // 0 "I know the required cylinder and accumulator capacities.", 1 "I know the fluid levels
    // and dimensions of the reservoir."
    QRadioButton* MethodButton(int nIndex) const { return nIndex == 0 ? m_pCapacities : m_pLevels; }

protected:
    // Opens the chosen method's dialog: OK ends with OK, 2100 ends the chain, else stays open.
    void OnOk() override;

private:
    COvrisolBase& m_working;
    COvrisolBase& m_stored;
    QRadioButton* m_pCapacities;
    QRadioButton* m_pLevels;
};
