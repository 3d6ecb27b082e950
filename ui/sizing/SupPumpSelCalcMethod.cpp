// "Select a Calculation Method": the actuator volume known directly or found from the cylinder.
#include "sizing/SupPumpSelCalcMethod.h"

#include "platform/StringTable.h"
#include "selection/AccumulatorData.h"
#include "sizing/SupPumpCylDimensions.h"
#include "sizing/SuppPumpActVolDispTime.h"

#include <QButtonGroup>
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
    : CSizingDialog(product, working, stored, QStringLiteral("Select a Calculation Method"),
                    "CSupPumpSelCalcMethod", pParent),
      m_pGroup(new QButtonGroup(this))
{
    auto* pGrid = new QGridLayout;
    pGrid->addWidget(Heading(QStringLiteral("Known")), 0, 0);
    pGrid->addWidget(Heading(QStringLiteral("Find")), 0, 2);
    for (int nMethod = 0; nMethod < 2; ++nMethod)
    {
        const QString strCaption = QString::fromStdString(LoadString(kFirstCaption + nMethod));
        auto* pButton = new QRadioButton(strCaption);
        pButton->setAccessibleName(strCaption);
        m_pGroup->addButton(pButton, nMethod);
        pGrid->addWidget(pButton, 1 + nMethod, 0);
    }
    auto* pFind = new QLabel(QStringLiteral("Required Volume"));
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
    m_working.deSelectApp = app::SupplementingPumpFlow;
    m_working.deSelectCalcMethod = nMethod;

    int nResult = 0;
    if (nMethod == 0)
    {
        CSuppPumpActVolDispTime next(m_product, m_working, m_stored, this);
        nResult = RunNested(next);
    }
    else
    {
        CSupPumpCylDimensions next(m_product, m_working, m_stored, this);
        nResult = RunNested(next);
    }
    Continue(nResult, [this] { m_stored.deSelectCalcMethod = m_working.deSelectCalcMethod; });
}
