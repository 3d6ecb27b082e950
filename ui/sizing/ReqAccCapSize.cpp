// "Required Accumulator Capacity / Size": checked against the catalogue limits; no gas calculation.
#include "sizing/ReqAccCapSize.h"

#include "controls/ComboUnit.h"
#include "controls/EditNumeric.h"
#include "product/AccumulatorObject.h"
#include "sizing/ApplicationChecks.h"
#include "units/UnitTable.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>

CReqAccCapSize::CReqAccCapSize(CAccumulatorObject& product, CAccumulatorData& working,
                               CAccumulatorData& stored, QWidget* pParent)
    : CSizingDialog(product, working, stored,
                    QCoreApplication::translate("CReqAccCapSize", "Required Accumulator Capacity / Size"),
                    "CReqAccCapSize", pParent)
{
    const QString strCapacity =
        QCoreApplication::translate("CReqAccCapSize", "Enter your Required Capacity:");
    const QString strPressure = QCoreApplication::translate("CReqAccCapSize", "Maximum System Pressure:");
    m_pCapacity = NumberEdit(strCapacity);
    m_pCapacityUnit = UnitCombo(m_working.sdRequiredAccumulatorVol, UnitCategory::Volume,
                                QCoreApplication::translate("CReqAccCapSize", "Required Capacity unit"));
    m_pPressure = NumberEdit(strPressure);
    m_pPressureUnit =
        UnitCombo(m_working.sdMaxSysPress, UnitCategory::Pressure,
                  QCoreApplication::translate("CReqAccCapSize", "Maximum System Pressure unit"));

    auto* pGrid = new QGridLayout;
    pGrid->addWidget(Caption(strCapacity, m_pCapacity), 0, 0);
    pGrid->addWidget(m_pCapacity, 0, 1);
    pGrid->addWidget(m_pCapacityUnit, 0, 2);
    pGrid->addWidget(Caption(strPressure, m_pPressure), 1, 0);
    pGrid->addWidget(m_pPressure, 1, 1);
    pGrid->addWidget(m_pPressureUnit, 1, 2);
    SetContent(pGrid);
    setTabOrder(m_pCapacity, m_pCapacityUnit);
    setTabOrder(m_pCapacityUnit, m_pPressure);
    setTabOrder(m_pPressure, m_pPressureUnit);

    MapField("sdRequiredAccumulatorVol", m_pCapacity);
    MapField("sdMaxSysPress", m_pPressure);

    Show(m_pCapacity, m_working.sdRequiredAccumulatorVol);
    Show(m_pPressure, m_working.sdMaxSysPress);
    m_pCapacity->setFocus();
}

void CReqAccCapSize::OnOk()
{
    Read(m_working.sdRequiredAccumulatorVol, m_pCapacity, m_pCapacityUnit);
    Read(m_working.sdMaxSysPress, m_pPressure, m_pPressureUnit);
    if (const sizing::CheckResult failure = sizing::CheckKnownCapacity(m_working, m_product.Messages()))
    {
        ShowFailure(*failure);
        return;
    }
    // Copied only when the dialog ends with OK: a stored copy that the user then leaves must
    // not keep values of an application that was given up.
    EndWithConfirmation(
        [this]
        {
            m_stored.sdRequiredAccumulatorVol = m_working.sdRequiredAccumulatorVol;
            m_stored.sdMaxSysPress = m_working.sdMaxSysPress;
        });
}
