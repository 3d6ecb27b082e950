// The variable volume pump: the catalogue's typical compensator response time for the flow.
#include "sizing/ShockPumpOverVariable.h"

#include "product/AccumulatorObject.h"
#include "sizing/SizingLists.h"

#include <QCoreApplication>
#include <QLabel>

CShockPumpOverVariable::CShockPumpOverVariable(CAccumulatorObject& product, CAccumulatorData& working,
                                               CAccumulatorData& stored, QWidget* pParent)
    : CShockPumpOver(
          product, working, stored,
          QCoreApplication::translate("CShockPumpOverVariable", "Shock due to Variable Volume Pump"),
          "CShockPumpOverVariable", sizing::EPumpType::Variable, pParent)
{
    Build(nullptr, QString());
    OnFlowLeft();
}

void CShockPumpOverVariable::OnFlowLeft()
{
    ShowTypical(sizing::TypicalResponseTime(*m_product.Database(), FlowGpm()),
                QCoreApplication::translate("CShockPumpOverVariable", "none listed for this flow"));
}
