// "Ovrisol Size Selection Method": the two methods and the dialog each opens.
#include "products/Ovrisol1SizeSelection.h"

#include "product/StepDialogs.h"
#include "products/Ovrisol2ARequiredCapacities.h"
#include "products/Ovrisol2BFluidLevel.h"
#include "selection/OvrisolBase.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

COvrisol1SizeSelection::COvrisol1SizeSelection(CAccumulatorObject& product, COvrisolBase& working,
                                               COvrisolBase& stored, QWidget* pParent)
    : CProductDialog(product,
                     QCoreApplication::translate("COvrisol1SizeSelection", "Ovrisol Size Selection Method"),
                     "COvrisol1SizeSelection", true, pParent),
      m_working(working), m_stored(stored)
{
    m_pCapacities = new QRadioButton(QCoreApplication::translate(
        "COvrisol1SizeSelection", "I know the required cylinder and accumulator capacities."));
    m_pLevels = new QRadioButton(QCoreApplication::translate(
        "COvrisol1SizeSelection", "I know the fluid levels and dimensions of the reservoir."));
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
