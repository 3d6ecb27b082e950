// "Select a Calculation Method": how the actuator volume of supplementing pump flow is entered.
#pragma once

#include "sizing/SizingDialog.h"

class QButtonGroup;
class QRadioButton;

class CSupPumpSelCalcMethod : public CSizingDialog
{
    Q_OBJECT

public:
    CSupPumpSelCalcMethod(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                          QWidget* pParent = nullptr);

    // The radio button of a method: 0 actuator volumetric displacement, 1 cylinder dimensions.
    QRadioButton* MethodButton(int nMethod) const;

protected:
    // A derived chooser names itself in the reference table.
    CSupPumpSelCalcMethod(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                          std::string strClassName, QWidget* pParent);
    void OnOk() override;
    // The application the chosen method belongs to, and the volume dialog it opens.
    virtual int Application() const;
    virtual int RunMethod(int nMethod);

private:
    QButtonGroup* m_pGroup;
};
