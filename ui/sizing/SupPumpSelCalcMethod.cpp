// "Select a Calculation Method": the actuator volume known directly or found from the cylinder.
#include "sizing/SupPumpSelCalcMethod.h"

#include "platform/StringTable.h"
#include "selection/AccumulatorData.h"
#include "sizing/SupPumpCylDimensions.h"
#include "sizing/SuppPumpActVolDispTime.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

namespace
{
constexpr int kFirstCaption = 51017;

QLabel* Heading(const QString& strText)
{
    auto* pLabel = new QLabel(strText);
    pLabel->setAccessibleName(strText);
    QFont font = pLabel->font();
    font.setBold(true);
    pLabel->setFont(font);
    return pLabel;
}
} // namespace

CSupPumpSelCalcMethod::CSupPumpSelCalcMethod(CAccumulatorObject& product, CAccumulatorData& working,
                                             CAccumulatorData& stored, QWidget* pParent)
    : CSupPumpSelCalcMethod(product, working, stored, "CSupPumpSelCalcMethod", pParent)
{
}

CSupPumpSelCalcMethod::CSupPumpSelCalcMethod(CAccumulatorObject& product, CAccumulatorData& working,
                                             CAccumulatorData& stored, std::string strClassName,
                                             QWidget* pParent)
    : CSizingDialog(product, working, stored,
                    QCoreApplication::translate("CSupPumpSelCalcMethod", "Select a Calculation Method"),
                    std::move(strClassName), pParent),
      m_pGroup(new QButtonGroup(this))
{
    auto* pGrid = new QGridLayout;
    pGrid->addWidget(Heading(QCoreApplication::translate("CSupPumpSelCalcMethod", "Known")), 0, 0);
    pGrid->addWidget(Heading(QCoreApplication::translate("CSupPumpSelCalcMethod", "Find")), 0, 2);
    for (int nMethod = 0; nMethod < 2; ++nMethod)
    {
        const QString strCaption = QString::fromStdString(LoadString(kFirstCaption + nMethod));
        auto* pButton = new QRadioButton(strCaption);
        pButton->setAccessibleName(strCaption);
        m_pGroup->addButton(pButton, nMethod);
        pGrid->addWidget(pButton, 1 + nMethod, 0);
    }
    auto* pFind = new QLabel(QCoreApplication::translate("CSupPumpSelCalcMethod", "Required Volume"));
    pFind->setAccessibleName(pFind->text());
    pGrid->addWidget(pFind, 1, 2, 2, 1, Qt::AlignVCenter);
    pGrid->setColumnMinimumWidth(1, 24);
    SetContent(pGrid);

    QRadioButton* pChecked = MethodButton(m_working.deSelectCalcMethod == 1 ? 1 : 0);
    pChecked->setChecked(true);
    pChecked->setFocus();
}

QRadioButton* CSupPumpSelCalcMethod::MethodButton(int nMethod) const
{
    return qobject_cast<QRadioButton*>(m_pGroup->button(nMethod));
}

void CSupPumpSelCalcMethod::OnOk()
{
    const int nMethod = m_pGroup->checkedId();
    if (nMethod < 0)
        return;
    if (m_working.deSelectCalcMethod != nMethod)
        m_working.ResetApplication(m_working);
    m_working.deSelectApp = Application();
    m_working.deSelectCalcMethod = nMethod;
    Continue(RunMethod(nMethod), [this] { m_stored.deSelectCalcMethod = m_working.deSelectCalcMethod; });
}

int CSupPumpSelCalcMethod::Application() const
{
    return app::SupplementingPumpFlow;
}

int CSupPumpSelCalcMethod::RunMethod(int nMethod)
{
    if (nMethod == 0)
    {
        CSuppPumpActVolDispTime next(m_product, m_working, m_stored, this);
        return RunNested(next);
    }
    CSupPumpCylDimensions next(m_product, m_working, m_stored, this);
    return RunNested(next);
}
