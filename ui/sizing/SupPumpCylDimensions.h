// "Cylinder Dimensions": the actuator volume found from the cylinders, with the cycle times.
#pragma once

#include "sizing/SizingDialog.h"

class QButtonGroup;
class QRadioButton;

class CSupPumpCylDimensions : public CSizingDialog
{
    Q_OBJECT

public:
    CSupPumpCylDimensions(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                          QWidget* pParent = nullptr);

    CEditNumeric* Bore() const { return m_pBore; }
    CComboUnit* DistanceUnit() const { return m_pUnit; }
    CEditNumeric* Rod() const { return m_pRod; }
    CEditNumeric* Stroke() const { return m_pStroke; }
    CEditNumeric* Cylinders() const { return m_pCylinders; }
    CEditNumeric* ActuationTime() const { return m_pActuation; }
    CEditNumeric* DwellTime() const { return m_pDwell; }
    // 0 extend, 1 retract, 2 both.
    QRadioButton* StrokeButton(int nChoice) const;

protected:
    CSupPumpCylDimensions(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                          std::string strClassName, QWidget* pParent);
    void OnOk() override;
    // Whether the minimum pump flow is found before the next dialog, and that dialog.
    virtual bool ComputesMinimumPump() const { return true; }
    virtual int RunNext();

private:
    CEditNumeric* m_pBore;
    CComboUnit* m_pUnit;
    CEditNumeric* m_pRod;
    CEditNumeric* m_pStroke;
    CEditNumeric* m_pCylinders;
    CEditNumeric* m_pActuation;
    CEditNumeric* m_pDwell;
    QButtonGroup* m_pStrokes;
};
