// "Select Pump Type": a changed pump type starts afresh; the stored type changes only on OK.
#include "sizing/PumpOverChoice.h"

#include "selection/AccumulatorData.h"
#include "sizing/ShockPumpOverFixed.h"
#include "sizing/ShockPumpOverVariable.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QRadioButton>
#include <QVBoxLayout>

CPumpOverChoice::CPumpOverChoice(CAccumulatorObject& product, CAccumulatorData& working,
                                 CAccumulatorData& stored, QWidget* pParent)
    : CSizingDialog(product, working, stored,
                    QCoreApplication::translate("CPumpOverChoice", "Select Pump Type"), "CPumpOverChoice",
                    pParent),
      m_pGroup(new QButtonGroup(this))
{
    auto* pContent = new QVBoxLayout;
    for (const auto& [nVariable, strText] :
         {std::pair{1, QCoreApplication::translate("CPumpOverChoice", "Variable Volume Pump")},
          std::pair{0, QCoreApplication::translate("CPumpOverChoice", "Fixed Displacement Pump")}})
        pContent->addWidget(ChoiceButton(strText, m_pGroup, nVariable));
    SetContent(pContent);
    QRadioButton* pChecked = PumpType(m_working.bShockVarOrFixed != 0 ? 1 : 0);
    pChecked->setChecked(true);
    pChecked->setFocus();
}

QRadioButton* CPumpOverChoice::PumpType(int nVariable) const
{
    return qobject_cast<QRadioButton*>(m_pGroup->button(nVariable));
}

void CPumpOverChoice::OnOk()
{
    const int nChoice = m_pGroup->checkedId();
    if (nChoice < 0)
        return;
    if (m_working.bShockVarOrFixed != nChoice)
        m_working.ResetApplication(m_working);
    m_working.deSelectApp = app::PumpResponse;
    m_working.bShockVarOrFixed = nChoice;
    int nResult = 0;
    if (nChoice == 1)
    {
        CShockPumpOverVariable next(m_product, m_working, m_stored, this);
        nResult = RunNested(next);
    }
    else
    {
        CShockPumpOverFixed next(m_product, m_working, m_stored, this);
        nResult = RunNested(next);
    }
    Continue(nResult, [this] { m_stored.bShockVarOrFixed = m_working.bShockVarOrFixed; });
}
