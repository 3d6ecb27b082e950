// "Accessories - Choose Accumulator Type": type list, size grid (with the bore of pistons), OK.
#include "products/AccessoryChooseAccumulator.h"

#include "catalogue/MessageKeys.h"
#include "models/ModelDialogs.h"
#include "platform/StringTable.h"
#include "product/StepDialogs.h"
#include "products/AccessoryType.h"
#include "selection/AccessoryBase.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

namespace
{
constexpr int kStringCapacity = 50019;
constexpr int kStringBoreSize = 61449;
} // namespace

CAccessoryChooseAccumulator::CAccessoryChooseAccumulator(CAccumulatorObject& product, CAccessoryBase& working,
                                                         QWidget* pParent)
    : CProductDialog(
          product,
          QCoreApplication::translate("CAccessoryChooseAccumulator", "Accessories - Choose Accumulator Type"),
          "CAccessoryChooseAccumulator", true, pParent),
      m_working(working), m_strType(working.strAccumulatorType)
{
    m_pTypes = new QListWidget(this);
    m_pTypes->setMinimumWidth(190);
    m_pGrid = new QTableWidget(this);
    m_pGrid->setColumnCount(2);
    SetUpRowGrid(*m_pGrid);
    m_pGrid->setMinimumSize(30 * fontMetrics().averageCharWidth(),
                            12 * m_pGrid->verticalHeader()->defaultSectionSize());

    auto* pGrid = new QGridLayout;
    pGrid->addWidget(modeldlg::Caption(QCoreApplication::translate("CAccessoryChooseAccumulator",
                                                                   "Choose Accumulator Type:"),
                                       this, m_pTypes),
                     0, 0);
    pGrid->addWidget(m_pTypes, 1, 0);
    pGrid->addWidget(
        modeldlg::Caption(QCoreApplication::translate("CAccessoryChooseAccumulator", "Choose Size:"), this,
                          m_pGrid),
        0, 1);
    pGrid->addWidget(m_pGrid, 1, 1);
    pGrid->setColumnStretch(1, 1);
    SetContent(pGrid);

    if (IDatabase* pDb = Catalogue())
    {
        std::vector<SAccessoryType> types;
        Guarded([&] { types = AccessoryTypes(*pDb); });
        for (const SAccessoryType& type : types)
        {
            auto* pItem = new QListWidgetItem(QString::fromStdString(type.strName), m_pTypes);
            pItem->setData(Qt::UserRole, QString::fromStdString(type.strKey));
            if (type.strKey == m_strType)
                m_pTypes->setCurrentRow(m_pTypes->count() - 1);
        }
        // A type the catalogue does not offer (any more) gives way to its first one.
        if (m_pTypes->currentRow() < 0 && m_pTypes->count() > 0)
        {
            m_pTypes->setCurrentRow(0);
            m_strType = m_pTypes->item(0)->data(Qt::UserRole).toString().toStdString();
        }
    }
    FillGrid();
    connect(m_pTypes, &QListWidget::currentRowChanged, this, &CAccessoryChooseAccumulator::OnTypeChanged);
    connect(m_pGrid, &QTableWidget::cellDoubleClicked, this, [this] { OkButton()->click(); });
    m_pTypes->setFocus();
}

void CAccessoryChooseAccumulator::OnTypeChanged()
{
    if (const QListWidgetItem* pItem = m_pTypes->currentItem())
        m_strType = pItem->data(Qt::UserRole).toString().toStdString();
    FillGrid();
}

void CAccessoryChooseAccumulator::FillGrid()
{
    const bool bPiston = IsPistonType(m_strType);
    m_pGrid->setHorizontalHeaderLabels(
        {QString::fromStdString(LoadString(kStringCapacity)),
         bPiston ? QString::fromStdString(LoadString(kStringBoreSize)) : QString()});
    // Only pistons differ by bore: other types hide the column.
    const int nWidth = m_pGrid->minimumWidth() - 2 * m_pGrid->frameWidth() - 20;
    m_pGrid->setColumnWidth(0, bPiston ? nWidth / 2 : nWidth);
    m_pGrid->setColumnHidden(1, !bPiston);
    m_pGrid->horizontalHeader()->setStretchLastSection(true);

    m_sizes.clear();
    if (IDatabase* pDb = Catalogue(); pDb && !m_strType.empty())
        Guarded([&] { m_sizes = AccessorySizes(m_strType, *pDb); });
    m_pGrid->clearSelection();
    m_pGrid->setRowCount(static_cast<int>(m_sizes.size()));
    for (int r = 0; r < static_cast<int>(m_sizes.size()); ++r)
    {
        const std::vector<std::string> cells = AccessorySizeCells(m_sizes[static_cast<std::size_t>(r)], bPiston);
        for (int c = 0; c < 2; ++c)
        {
            auto* pItem = new QTableWidgetItem(QString::fromStdString(cells[static_cast<std::size_t>(c)]));
            pItem->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_pGrid->setItem(r, c, pItem);
        }
    }
    const int nSelect = PreselectedAccessorySize(m_sizes, m_working, bPiston);
    if (nSelect >= 0)
    {
        m_pGrid->setCurrentCell(nSelect, 0);
        m_pGrid->selectRow(nSelect);
    }
}

void CAccessoryChooseAccumulator::OnOk()
{
    m_working.strAccumulatorType = m_strType;
    const QModelIndexList rows = m_pGrid->selectionModel()->selectedRows();
    if (rows.isEmpty())
    {
        ShowMessage(msg::kSelectItemFromList);
        m_pGrid->setFocus();
        return;
    }
    const int nRow = rows.front().row();
    if (nRow >= static_cast<int>(m_sizes.size()))
    {
        ShowMessage(msg::kSelectFromSizeList);
        return;
    }
    ApplyAccessorySize(m_working, m_strType, m_sizes[static_cast<std::size_t>(nRow)]);
    CAccessoryType dialog(m_product, m_working, this);
    const int nResult = RunNested(dialog);
    if (nResult == dlg::Ok || nResult == dlg::CloseChain)
        done(nResult);
}
