// "Actuator Volumetric Displacement and Times": the actuator volume entered directly, with its cycle times.
#pragma once

#include "sizing/SizingDialog.h"

class CSuppPumpActVolDispTime : public CSizingDialog
{
    Q_OBJECT

public:
    CSuppPumpActVolDispTime(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                            QWidget* pParent = nullptr);

    CEditNumeric* Volume() const { return m_pVolume; }
    CComboUnit* VolumeUnit() const { return m_pVolumeUnit; }
    CEditNumeric* ActuationTime() const { return m_pActuation; }
    CEditNumeric* DwellTime() const { return m_pDwell; }

protected:
    CSuppPumpActVolDispTime(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                            std::string strClassName, QWidget* pParent);
    void OnOk() override;
    // Whether the minimum pump flow is found before the next dialog, and that dialog.
    virtual bool ComputesMinimumPump() const { return true; }
    virtual int RunNext();

private:
    CEditNumeric* m_pVolume;
    CComboUnit* m_pVolumeUnit;
    CEditNumeric* m_pActuation;
    CEditNumeric* m_pDwell;
};
