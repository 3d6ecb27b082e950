// "Actuator Volumetric Displacement and Times": checks, the minimum pump flow, then the pump dialog.
#include "sizing/SuppPumpActVolDispTime.h"

#include "controls/ComboUnit.h"
#include "controls/EditNumeric.h"
#include "product/AccumulatorObject.h"
#include "sizing/ApplicationChecks.h"
#include "sizing/CylinderVolume.h"
#include "sizing/SupPumpFlow.h"
#include "units/UnitConvMap.h"
#include "units/UnitTable.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>

CSuppPumpActVolDispTime::CSuppPumpActVolDispTime(CAccumulatorObject& product, CAccumulatorData& working,
                                                 CAccumulatorData& stored, QWidget* pParent)
    : CSuppPumpActVolDispTime(product, working, stored, "CSuppPumpActVolDispTime", pParent)
{
}

CSuppPumpActVolDispTime::CSuppPumpActVolDispTime(CAccumulatorObject& product, CAccumulatorData& working,
                                                 CAccumulatorData& stored, std::string strClassName,
                                                 QWidget* pParent)
    : CSizingDialog(product, working, stored,
                    QCoreApplication::translate("CSuppPumpActVolDispTime",
                                                "Actuator Volumetric Displacement and Times"),
                    std::move(strClassName), pParent)
{
    const QString strVolume =
        QCoreApplication::translate("CSuppPumpActVolDispTime", "Actuator Volumetric Displacement:");
    const QString strActuation = QCoreApplication::translate("CSuppPumpActVolDispTime", "Actuation Time:");
    const QString strDwell = QCoreApplication::translate("CSuppPumpActVolDispTime", "Dwell Time:");
    m_pVolume = NumberEdit(strVolume);
    m_pVolumeUnit = UnitCombo(
        m_working.sdActVolDisplacement, UnitCategory::Volume,
        QCoreApplication::translate("CSuppPumpActVolDispTime", "Actuator Volumetric Displacement unit"));
    m_pActuation = NumberEdit(strActuation);
    m_pDwell = NumberEdit(strDwell);
    const QString strSeconds = QString::fromStdString(UnitDisplayText("SEC"));

    auto* pGrid = new QGridLayout;
    pGrid->addWidget(Caption(strVolume, m_pVolume), 0, 0);
    pGrid->addWidget(m_pVolume, 0, 1);
    pGrid->addWidget(m_pVolumeUnit, 0, 2);
    pGrid->addWidget(Caption(strActuation, m_pActuation), 1, 0);
    pGrid->addWidget(m_pActuation, 1, 1);
    pGrid->addWidget(Caption(strSeconds), 1, 2);
    pGrid->addWidget(Caption(strDwell, m_pDwell), 2, 0);
    pGrid->addWidget(m_pDwell, 2, 1);
    pGrid->addWidget(Caption(strSeconds), 2, 2);
    SetContent(pGrid);
    setTabOrder(m_pVolume, m_pVolumeUnit);
    setTabOrder(m_pVolumeUnit, m_pActuation);
    setTabOrder(m_pActuation, m_pDwell);

    MapField("sdActVolDisplacement", m_pVolume);
    MapField("sdActuationTime", m_pActuation);
    MapField("sdDwellTime", m_pDwell);

    Show(m_pVolume, m_working.sdActVolDisplacement);
    ShowIn(m_pActuation, m_working.sdActuationTime, "SEC");
    ShowIn(m_pDwell, m_working.sdDwellTime, "SEC");
    m_pVolume->setFocus();
}

void CSuppPumpActVolDispTime::OnOk()
{
    Read(m_working.sdActVolDisplacement, m_pVolume, m_pVolumeUnit);
    Read(m_working.sdActuationTime, m_pActuation, "SEC");
    Read(m_working.sdDwellTime, m_pDwell, "SEC");
    if (const sizing::CheckResult failure =
            sizing::CheckActuatorDisplacement(m_working, m_product.Messages()))
    {
        ShowFailure(*failure);
        return;
    }
    if (ComputesMinimumPump())
    {
        const std::optional<double> flow = sizing::MinimumPumpFlow(
            m_working.sdActVolDisplacement.GetValue("CU_IN"), m_working.sdActuationTime.GetValue("SEC"),
            m_working.sdDwellTime.GetValue("SEC"));
        if (!flow)
            return; // the checks refuse every cycle that has no pump flow
        m_working.sdMinPumpFlow.Set(*flow, "GPM");
    }
    Continue(RunNext(),
             [this]
             {
                 CopyAccepted(&SApplicationData::sdActVolDisplacement, &SApplicationData::sdActuationTime,
                              &SApplicationData::sdDwellTime, &SApplicationData::sdMinPumpFlow);
             });
}

int CSuppPumpActVolDispTime::RunNext()
{
    CSupPumpFlow next(m_product, m_working, m_stored, this);
    return RunNested(next);
}
