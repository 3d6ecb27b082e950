// "Describe Application": the eight applications, each opening the first dialog of its chain.
#include "sizing/DescribeApplication.h"

#include "platform/StringTable.h"
#include "product/StepDialogs.h"
#include "selection/AccumulatorData.h"
#include "sizing/AuxPowSelCalcMeth.h"
#include "sizing/HoldingLeakage.h"
#include "sizing/PistonPumpPulsationDampening.h"
#include "sizing/PumpOverChoice.h"
#include "sizing/ReqAccCapSize.h"
#include "sizing/ShockSuppress.h"
#include "sizing/SuppPumpMultiAct.h"
#include "sizing/SupPumpSelCalcMethod.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{
constexpr int kApplications = 8;
constexpr int kFirstCaption = 51003;
} // namespace

CDescribeApplication::CDescribeApplication(CAccumulatorObject& product, CAccumulatorData& working,
                                           CAccumulatorData& stored, QWidget* pParent)
    : CSizingDialog(product, working, stored,
                    QCoreApplication::translate("CDescribeApplication", "Describe Application"),
                    "CDescribeApplication", pParent),
      m_pGroup(new QButtonGroup(this))
{
    auto* pContent = new QVBoxLayout;
    for (int nApp = 0; nApp < kApplications; ++nApp)
    {
        const QString strCaption = QString::fromStdString(LoadString(kFirstCaption + nApp));
        auto* pButton = new QRadioButton(strCaption);
        pButton->setAccessibleName(strCaption);
        m_pGroup->addButton(pButton, nApp);
        pContent->addWidget(pButton);
    }
    SetContent(pContent);

    // None chosen (8) and anything unknown start on the first application.
    const int nStored = m_working.deSelectApp;
    QRadioButton* pChecked = ApplicationButton(nStored >= 0 && nStored < kApplications ? nStored : 0);
    pChecked->setChecked(true);
    pChecked->setFocus();
}

QRadioButton* CDescribeApplication::ApplicationButton(int nApp) const
{
    return qobject_cast<QRadioButton*>(m_pGroup->button(nApp));
}

int CDescribeApplication::CheckedApplication() const
{
    return m_pGroup->checkedId();
}

int CDescribeApplication::RunApplication(int nApp)
{
    switch (nApp)
    {
    case app::KnownCapacity:
        return RunNext<CReqAccCapSize>();
    case app::SupplementingPumpFlow:
        return RunNext<CSupPumpSelCalcMethod>();
    case app::MultipleEvents:
        return RunNext<CSuppPumpMultiAct>();
    case app::AuxiliaryPower:
        return RunNext<CAuxPow_SelCalcMeth>();
    case app::Holding:
        return RunNext<CHoldingLeakage>();
    case app::ShockSuppression:
        return RunNext<CShockSuppress>();
    case app::Pulsation:
        return RunNext<CPistonPumpPulsationDampening>();
    case app::PumpResponse:
        return RunNext<CPumpOverChoice>();
    }
    return dlg::Cancel;
}

void CDescribeApplication::OnOk()
{
    int nApp = CheckedApplication();
    if (nApp < 0)
        return;
    m_working.strApplicationText = ApplicationButton(nApp)->text().toStdString();
    if (nApp != m_working.deSelectApp)
        m_working.ResetApplication(m_working);
    if (nApp == app::NoneChosen)
        nApp = app::KnownCapacity;
    m_working.deSelectApp = nApp;

    Continue(RunApplication(nApp),
             [this]
             {
                 m_stored.strApplicationText = m_working.strApplicationText;
                 m_stored.deSelectApp = m_working.deSelectApp;
             });
}
