// "Required Fluid Levels & dimensions of the Reservoir": four measures, their checks and the capacity.
#include "products/Ovrisol2BFluidLevel.h"

#include "controls/EditNumeric.h"
#include "selection/OvrisolBase.h"
#include "sizing/OvrisolCapacity.h"
#include "units/UnitTable.h"

#include <QCoreApplication>
#include <QGridLayout>

COvrisol2BFluidLevel::COvrisol2BFluidLevel(CAccumulatorObject& product, COvrisolBase& working,
                                           COvrisolBase& stored, QWidget* pParent)
    : COvrisolCapacityDialog(
          product, working, stored,
          QCoreApplication::translate("COvrisol2BFluidLevel",
                                      "Required Fluid Levels & dimensions of the Reservoir"),
          "COvrisol2BFluidLevel", pParent)
{
    using UnitCategory::Distance;
    auto* pGrid = new QGridLayout;
    AddEntry(*pGrid, QCoreApplication::translate("COvrisol2BFluidLevel", "High Fluid Level"),
             "cudHighFluidLevel", m_working.cudHighFluidLevel, Distance);
    AddEntry(*pGrid, QCoreApplication::translate("COvrisol2BFluidLevel", "Low Fluid Level"),
             "cudLowFluidLevel", m_working.cudLowFluidLevel, Distance);
    AddEntry(*pGrid, QCoreApplication::translate("COvrisol2BFluidLevel", "Reservoir Width:"),
             "cudReservoirWidth", m_working.cudReservoirWidth, Distance);
    AddEntry(*pGrid, QCoreApplication::translate("COvrisol2BFluidLevel", "Reservoir Length"),
             "cudReservoirLength", m_working.cudReservoirLength, Distance);
    // A low level of 0 (the reservoir's floor) is a level; once accepted it shows as 0, not as missing.
    CEditNumeric* pLow = Entry("cudLowFluidLevel");
    pLow->SetShowZero(m_working.cudReservoirCapacity.Value() != 0.0);
    pLow->SetValue(m_working.cudLowFluidLevel, 10, false, true);
    SetContent(pGrid);
    FinishLayout();
    Entry("cudHighFluidLevel")->setFocus();
    Entry("cudHighFluidLevel")->selectAll();
}

void COvrisol2BFluidLevel::OnOk()
{
    for (const char* pszField : {"cudHighFluidLevel", "cudLowFluidLevel", "cudReservoirWidth", "cudReservoirLength"})
        Read(pszField);
    IDatabase* pDb = Catalogue();
    if (!pDb)
        return;
    const bool bLowEntered = !Entry("cudLowFluidLevel")->text().trimmed().isEmpty();
    if (const sizing::CheckResult failure =
            ovrisol::CheckFluidLevels(m_working, bLowEntered, ovrisol::MaxCapacity(*pDb), m_product.Messages()))
    {
        ShowFailure(*failure);
        return;
    }
    m_working.cudReservoirCapacity =
        ovrisol::ReservoirCapacity(m_working.cudHighFluidLevel, m_working.cudLowFluidLevel,
                                   m_working.cudReservoirWidth, m_working.cudReservoirLength);
    // The other method's entries do not count any more, here or in the size query.
    for (CUnitDouble* pValue :
         {&m_working.cudCylinderCapacity, &m_working.cudAccumulatorCapacity, &m_working.cudCombinedCapacity})
        pValue->SetValue(0.0);
    EndWithConfirmation(
        [this]
        {
            m_stored.cudHighFluidLevel = m_working.cudHighFluidLevel;
            m_stored.cudLowFluidLevel = m_working.cudLowFluidLevel;
            m_stored.cudReservoirWidth = m_working.cudReservoirWidth;
            m_stored.cudReservoirLength = m_working.cudReservoirLength;
            m_stored.cudReservoirCapacity = m_working.cudReservoirCapacity;
        });
}
