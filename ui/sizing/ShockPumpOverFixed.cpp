// The fixed displacement pump: the relief valve list refilled by flow and the chosen valve's time.
#include "sizing/ShockPumpOverFixed.h"

#include "product/AccumulatorObject.h"
#include "selection/AccumulatorData.h"
#include "sizing/ListCombo.h"
#include "sizing/SizingLists.h"

#include <QCoreApplication>

CShockPumpOverFixed::CShockPumpOverFixed(CAccumulatorObject& product, CAccumulatorData& working,
                                         CAccumulatorData& stored, QWidget* pParent)
    : CShockPumpOver(
          product, working, stored,
          QCoreApplication::translate("CShockPumpOverFixed", "Shock Due to Fixed Displacement Pump"),
          "CShockPumpOverFixed", sizing::EPumpType::Fixed, pParent),
      m_pValve(new CListCombo(QCoreApplication::translate("CShockPumpOverFixed", "Relief Valve Size")))
{
    Build(m_pValve, QCoreApplication::translate("CShockPumpOverFixed", "Relief Valve Size"));
    OnFlowLeft();
    connect(m_pValve, &QComboBox::currentIndexChanged, this, &CShockPumpOverFixed::ShowValveTime);
}

void CShockPumpOverFixed::ShowValveTime()
{
    ShowTypical(m_pValve->SelectedNumber(),
                m_pValve->count() == 0 ? QCoreApplication::translate("CShockPumpOverFixed",
                                                                     "no relief valve listed for this flow")
                                       : QString());
}

void CShockPumpOverFixed::OnFlowLeft()
{
    // The valve chosen before stays chosen when the new flow still lists it.
    const double dChosen = m_pValve->SelectedNumber().value_or(m_working.sdShockReliefValve.Value());
    m_pValve->Fill(sizing::ReliefValves(*m_product.Database(), FlowGpm()));
    m_pValve->SelectNumber(dChosen);
    ShowValveTime();
}

bool CShockPumpOverFixed::ReadValve()
{
    const std::optional<double> dTime = m_pValve->SelectedNumber();
    if (dTime)
        m_working.sdShockReliefValve.SetValue(*dTime);
    return dTime.has_value();
}
