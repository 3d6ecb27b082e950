// "Required Cylinder and Accumulator Capacities": two capacities, their combined capacity and its checks.
#include "products/Ovrisol2ARequiredCapacities.h"

#include "controls/EditNumeric.h"
#include "selection/OvrisolBase.h"
#include "sizing/OvrisolCapacity.h"
#include "units/UnitTable.h"

#include <QCoreApplication>
#include <QGridLayout>

COvrisol2ARequiredCapacities::COvrisol2ARequiredCapacities(CAccumulatorObject& product, COvrisolBase& working,
                                                           COvrisolBase& stored, QWidget* pParent)
    : COvrisolCapacityDialog(product, working, stored,
                             QCoreApplication::translate("COvrisol2ARequiredCapacities",
                                                         "Required Cylinder and Accumulator Capacities"),
                             "COvrisol2ARequiredCapacities", pParent)
{
    auto* pGrid = new QGridLayout;
    AddEntry(*pGrid,
             QCoreApplication::translate("COvrisol2ARequiredCapacities",
                                         "Sum of all Cylinder Differential Capacities:"),
             "cudCylinderCapacity", m_working.cudCylinderCapacity, UnitCategory::Volume);
    AddEntry(
        *pGrid,
        QCoreApplication::translate("COvrisol2ARequiredCapacities", "Sum of all Accumulator Capacities:"),
        "cudAccumulatorCapacity", m_working.cudAccumulatorCapacity, UnitCategory::Volume);
    SetContent(pGrid);
    FinishLayout();
    Entry("cudCylinderCapacity")->setFocus();
    Entry("cudCylinderCapacity")->selectAll();
}

void COvrisol2ARequiredCapacities::OnOk()
{
    Read("cudCylinderCapacity");
    Read("cudAccumulatorCapacity");
    m_working.cudCombinedCapacity =
        ovrisol::CombinedCapacity(m_working.cudCylinderCapacity, m_working.cudAccumulatorCapacity);
    IDatabase* pDb = Catalogue();
    if (!pDb)
        return;
    if (const sizing::CheckResult failure =
            ovrisol::CheckCapacities(m_working, ovrisol::MaxCapacity(*pDb), m_product.Messages()))
    {
        ShowFailure(*failure);
        return;
    }
    // The other method's entries do not count any more, here or in the size query.
    for (CUnitDouble* pValue : {&m_working.cudHighFluidLevel, &m_working.cudLowFluidLevel,
                                &m_working.cudReservoirWidth, &m_working.cudReservoirLength,
                                &m_working.cudReservoirCapacity})
        pValue->SetValue(0.0);
    EndWithConfirmation(
        [this]
        {
            m_stored.cudCylinderCapacity = m_working.cudCylinderCapacity;
            m_stored.cudAccumulatorCapacity = m_working.cudAccumulatorCapacity;
            m_stored.cudCombinedCapacity = m_working.cudCombinedCapacity;
        });
}
