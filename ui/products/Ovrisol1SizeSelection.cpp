// "Ovrisol Size Selection Method": the two methods and the dialog each opens.
#include "products/Ovrisol1SizeSelection.h"

#include "platform/StringTable.h"
#include "product/StepDialogs.h"
#include "products/Ovrisol2ARequiredCapacities.h"
#include "products/Ovrisol2BFluidLevel.h"
#include "selection/OvrisolBase.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{
constexpr int kStringSizeByCapacities = 59250, kStringSizeByLevels = 59251;
} // namespace

COvrisol1SizeSelection::COvrisol1SizeSelection(CAccumulatorObject& product, COvrisolBase& working,
                                               COvrisolBase& stored, QWidget* pParent)
    : CProductDialog(product,
                     QCoreApplication::translate("COvrisol1SizeSelection", "Ovrisol Size Selection Method"),
                     "COvrisol1SizeSelection", true, pParent),
      m_working(working), m_stored(stored)
{
    // From the string table: the selection keeps the caption and reports it, in the language in force.
    m_pCapacities = new QRadioButton(QString::fromStdString(LoadString(kStringSizeByCapacities)));
    m_pLevels = new QRadioButton(QString::fromStdString(LoadString(kStringSizeByLevels)));
    for (QRadioButton* pButton : {m_pCapacities, m_pLevels})
        pButton->setAccessibleName(pButton->text());
    auto* pGroup = new QGroupBox(QCoreApplication::translate(
        "COvrisol1SizeSelection", "How do you want to size the reservoir isolator?"));
    auto* pButtons = new QVBoxLayout(pGroup);
    pButtons->addWidget(m_pCapacities);
    pButtons->addWidget(m_pLevels);
    auto* pContent = new QVBoxLayout;
    pContent->addWidget(pGroup);
    SetContent(pContent);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    QRadioButton* pChecked = m_working.iSizeMethod == COvrisolBase::kFluidLevels ? m_pLevels : m_pCapacities;
    pChecked->setChecked(true);
    pChecked->setFocus();
}

void COvrisol1SizeSelection::OnOk()
{
    const bool bCapacities = m_pCapacities->isChecked();
    m_working.iSizeMethod = bCapacities ? COvrisolBase::kCapacities : COvrisolBase::kFluidLevels;
    m_working.strSizeMethodText = (bCapacities ? m_pCapacities : m_pLevels)->text().toStdString();
    int nResult = dlg::Cancel;
    if (bCapacities)
    {
        COvrisol2ARequiredCapacities dialog(m_product, m_working, m_stored, this);
        nResult = RunNested(dialog);
    }
    else
    {
        COvrisol2BFluidLevel dialog(m_product, m_working, m_stored, this);
        nResult = RunNested(dialog);
    }
    if (nResult == dlg::Ok)
    {
        m_stored.iSizeMethod = m_working.iSizeMethod;
        m_stored.strSizeMethodText = m_working.strSizeMethodText;
        done(dlg::Ok);
    }
    else if (nResult == dlg::CloseChain)
        done(dlg::CloseChain);
}
