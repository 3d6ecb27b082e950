// "Repair Kit Selection": the kinds of kit and the kit list behind OK.
#include "products/RepairKit.h"

#include "catalogue/MessageKeys.h"
#include "models/ModelDialogs.h"
#include "models/RepairKitList.h"
#include "product/StepDialogs.h"
#include "products/RepairKitSelect.h"
#include "selection/RepairKitBase.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CRepairKit::CRepairKit(CAccumulatorObject& product, CRepairKitBase& working, QWidget* pParent)
    : CProductDialog(product, QCoreApplication::translate("CRepairKit", "Repair Kit Selection"), "CRepairKit",
                     false, pParent),
      m_working(working)
{
    m_pList = new QListWidget(this);
    m_pList->setMinimumSize(300, 180);
    auto* pContent = new QVBoxLayout;
    pContent->addWidget(
        modeldlg::Caption(QCoreApplication::translate("CRepairKit", "Choose Repair Kit"), this, m_pList));
    pContent->addWidget(m_pList);
    SetContent(pContent);
    connect(m_pList, &QListWidget::itemDoubleClicked, this, [this] { OkButton()->click(); });

    std::vector<std::string> types;
    if (IDatabase* pDb = Catalogue())
        Guarded([&] { types = RepairKitTypes(*pDb); });
    for (const std::string& strType : types)
    {
        m_pList->addItem(QString::fromStdString(strType));
        if (strType == m_working.strKitType)
            m_pList->setCurrentRow(m_pList->count() - 1);
    }
    if (m_pList->currentRow() < 0 && m_pList->count() > 0)
        m_pList->setCurrentRow(0);
    m_pList->setFocus();
}

void CRepairKit::OnOk()
{
    const QListWidgetItem* pItem = m_pList->currentItem();
    if (!pItem || !pItem->isSelected())
    {
        ShowMessage(msg::kSelectItemFromList);
        m_pList->setFocus();
        return;
    }
    m_working.strKitType = pItem->text().toStdString();
    CRepairKitSelect dialog(m_product, m_working, this);
    const int nResult = RunNested(dialog);
    if (nResult == dlg::Ok || nResult == dlg::CloseChain)
        done(nResult);
}
