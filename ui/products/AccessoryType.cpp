// "Choose Accessory Type": accessory list, description, picture and OK.
#include "products/AccessoryType.h"

#include "catalogue/Catalogue.h"
#include "catalogue/MessageKeys.h"
#include "models/ModelDialogs.h"
#include "platform/Prompt.h"
#include "product/StepDialogs.h"
#include "products/PictureBox.h"
#include "selection/AccessoryBase.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

CAccessoryType::CAccessoryType(CAccumulatorObject& product, CAccessoryBase& working, QWidget* pParent)
    : CProductDialog(product, QCoreApplication::translate("CAccessoryType", "Choose Accessory Type"),
                     "CAccessoryType", false, pParent),
      m_working(working)
{
    m_pList = new QListWidget(this);
    m_pList->setMinimumWidth(330);
    m_pDescription =
        modeldlg::ReadOnlyText(QCoreApplication::translate("CAccessoryType", "Description"), 6, this);
    m_pPicture = new CPictureBox(this);
    m_pPicture->setAccessibleName(QCoreApplication::translate("CAccessoryType", "Accessory picture"));

    auto* pGrid = new QGridLayout;
    pGrid->addWidget(
        modeldlg::Caption(QCoreApplication::translate("CAccessoryType", "Choose Accessory"), this, m_pList),
        0, 0);
    pGrid->addWidget(m_pList, 1, 0, 3, 1);
    pGrid->addWidget(modeldlg::Caption(QCoreApplication::translate("CAccessoryType", "Description"), this), 0,
                     1);
    pGrid->addWidget(m_pDescription, 1, 1);
    pGrid->addWidget(m_pPicture, 2, 1);
    pGrid->setRowStretch(2, 1);
    pGrid->setColumnStretch(1, 1);
    m_pDescription->setMinimumWidth(320);
    SetContent(pGrid);

    if (IDatabase* pDb = Catalogue())
        Guarded([&] { m_accessories = AccessoriesFor(m_working, *pDb); });
    for (const SAccessory& accessory : m_accessories)
        m_pList->addItem(QString::fromStdString(accessory.strText));
    connect(m_pList, &QListWidget::currentRowChanged, this, &CAccessoryType::ShowAccessory);
    connect(m_pList, &QListWidget::itemDoubleClicked, this, [this] { OkButton()->click(); });
    const int nSelect = PreselectedAccessory(m_accessories, m_working);
    if (nSelect >= 0)
        m_pList->setCurrentRow(nSelect);
    m_pList->setFocus();
}

void CAccessoryType::ShowAccessory(int nRow)
{
    m_pPicture->Clear();
    if (nRow < 0 || nRow >= static_cast<int>(m_accessories.size()))
    {
        m_pDescription->clear();
        return;
    }
    const SAccessory& accessory = m_accessories[static_cast<std::size_t>(nRow)];
    m_pDescription->setPlainText(QString::fromStdString(accessory.strDescription));
    IDatabase* pDb = m_product.Database();
    if (!pDb)
        return;
    try
    {
        if (const auto bytes = CLoadJpeg::Load(accessory.strImage, *pDb))
            m_pPicture->SetJpeg(*bytes);
    }
    catch (const CCatalogueError& e)
    {
        // Said once: the same failure would follow every change of the highlighted accessory.
        if (!m_bPictureErrorShown)
            GetPrompt().Message(e.what());
        m_bPictureErrorShown = true;
    }
}

void CAccessoryType::OnOk()
{
    const int nRow = m_pList->currentRow();
    if (nRow < 0 || nRow >= static_cast<int>(m_accessories.size()) || !m_pList->currentItem()->isSelected())
    {
        ShowMessage(msg::kSelectItemFromList);
        m_pList->setFocus();
        return;
    }
    ApplyAccessory(m_working, m_accessories[static_cast<std::size_t>(nRow)]);
    done(IsHeld(m_working) ? dlg::CloseChain : dlg::Ok);
}
