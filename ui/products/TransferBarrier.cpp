// "Choose Transfer Barrier Accumulator": three filters that refill as they open, the grid, and OK.
#include "products/TransferBarrier.h"

#include "catalogue/MessageKeys.h"
#include "controls/RefillComboBox.h"
#include "models/NoFilter.h"
#include "models/ModelDialogs.h"
#include "platform/StringTable.h"
#include "product/AccumulatorObject.h"
#include "product/StepDialogs.h"
#include "selection/TransferBase.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace
{
constexpr int kStringCapacity = 50019;
constexpr int kStringPressure = 50048;
constexpr int kStringService = 50049;
constexpr int kStringViewAll = 50001;

constexpr ETransferFilter kFilters[] = {ETransferFilter::Pressure, ETransferFilter::Service, ETransferFilter::Size};

int Index(ETransferFilter eFilter)
{
    return static_cast<int>(eFilter);
}
} // namespace

CTransferBarrier::CTransferBarrier(CAccumulatorObject& product, CTransferBase& working, QWidget* pParent)
    : CProductDialog(product,
                     QCoreApplication::translate("CTransferBarrier", "Choose Transfer Barrier Accumulator"),
                     "CTransferBarrier", true, pParent),
      m_working(working)
{
    m_pGrid = new QTableWidget(this);
    m_pGrid->setAccessibleName(QCoreApplication::translate("CTransferBarrier", "Transfer barriers"));
    m_pGrid->setColumnCount(3);
    m_pGrid->setHorizontalHeaderLabels({QString::fromStdString(LoadString(kStringCapacity)),
                                        QString::fromStdString(LoadString(kStringPressure)),
                                        QString::fromStdString(LoadString(kStringService))});
    SetUpRowGrid(*m_pGrid);
    m_pGrid->horizontalHeader()->setStretchLastSection(true);
    const int nChar = fontMetrics().averageCharWidth();
    m_pGrid->setColumnWidth(0, 14 * nChar);
    m_pGrid->setColumnWidth(1, 14 * nChar);
    m_pGrid->setMinimumSize(80 * nChar, 14 * m_pGrid->verticalHeader()->defaultSectionSize());

    auto* pGroup = new QGroupBox(QCoreApplication::translate(
        "CTransferBarrier", "Select One of the following options to filter the list above."));
    auto* pFilters = new QGridLayout(pGroup);
    const QString captions[] = {QCoreApplication::translate("CTransferBarrier", "Pressure Rating:"),
                                QCoreApplication::translate("CTransferBarrier", "Service:"),
                                QCoreApplication::translate("CTransferBarrier", "Capacity:")};
    for (const ETransferFilter eFilter : kFilters)
    {
        auto* pBox = new CRefillComboBox(this);
        m_pBoxes[Index(eFilter)] = pBox;
        pBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        pBox->setMinimumContentsLength(eFilter == ETransferFilter::Service ? 40 : 14);
        pFilters->addWidget(modeldlg::Caption(captions[Index(eFilter)], this, pBox), 0, Index(eFilter));
        pFilters->addWidget(pBox, 1, Index(eFilter));
        pBox->SetRefill([this, eFilter] { FillFilter(eFilter); });
        connect(pBox, &QComboBox::currentIndexChanged, this, [this, eFilter] { OnFilterChosen(eFilter); });
    }
    pFilters->setColumnStretch(1, 1);

    auto* pContent = new QVBoxLayout;
    pContent->addWidget(m_pGrid, 1);
    pContent->addWidget(pGroup);
    SetContent(pContent);
    connect(m_pGrid, &QTableWidget::cellDoubleClicked, this, [this] { OkButton()->click(); });

    for (const ETransferFilter eFilter : kFilters)
        FillFilter(eFilter);
    FillGrid();
    m_pGrid->setFocus();
}

std::string& CTransferBarrier::Filter(ETransferFilter eFilter)
{
    switch (eFilter)
    {
    case ETransferFilter::Pressure:
        return m_filters.strPressure;
    case ETransferFilter::Service:
        return m_filters.strService;
    case ETransferFilter::Size:
        break;
    }
    return m_filters.strSize;
}

CRefillComboBox* CTransferBarrier::FilterBox(ETransferFilter eFilter) const
{
    return m_pBoxes[Index(eFilter)];
}

void CTransferBarrier::FillFilter(ETransferFilter eFilter)
{
    std::vector<SFilterEntry>& entries = m_entries[Index(eFilter)];
    entries.clear();
    if (IDatabase* pDb = Catalogue())
        Guarded([&] { entries = TransferFilterEntries(eFilter, m_filters, *pDb); });
    CRefillComboBox* pBox = FilterBox(eFilter);
    const QSignalBlocker blocker(pBox);
    pBox->clear();
    pBox->addItem(QString::fromStdString(LoadString(kStringViewAll)));
    int nSelect = 0;
    for (std::size_t i = 0; i < entries.size(); ++i)
    {
        pBox->addItem(QString::fromStdString(entries[i].strText), static_cast<int>(i));
        if (entries[i].strCode == Filter(eFilter))
            nSelect = static_cast<int>(i) + 1;
    }
    pBox->setCurrentIndex(nSelect);
}

void CTransferBarrier::OnFilterChosen(ETransferFilter eFilter)
{
    CRefillComboBox* pBox = FilterBox(eFilter);
    const QVariant entry = pBox->currentData();
    const std::vector<SFilterEntry>& entries = m_entries[Index(eFilter)];
    Filter(eFilter) = pBox->currentIndex() > 0 && entry.isValid() && entry.toInt() < static_cast<int>(entries.size())
                          ? entries[static_cast<std::size_t>(entry.toInt())].strCode
                          : std::string(kNoFilter);
    FillGrid();
}

void CTransferBarrier::FillGrid()
{
    m_rows.clear();
    if (IDatabase* pDb = Catalogue())
        Guarded([&] { m_rows = TransferBarrierRows(m_filters, *pDb); });
    m_pGrid->clearSelection();
    m_pGrid->setRowCount(static_cast<int>(m_rows.size()));
    for (int r = 0; r < static_cast<int>(m_rows.size()); ++r)
    {
        const std::vector<std::string> cells = TransferRowCells(m_rows[static_cast<std::size_t>(r)]);
        for (int c = 0; c < 3; ++c)
        {
            auto* pItem = new QTableWidgetItem(QString::fromStdString(cells[static_cast<std::size_t>(c)]));
            pItem->setTextAlignment((c == 2 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            m_pGrid->setItem(r, c, pItem);
        }
    }
    // An empty list selects nothing, so that OK has nothing to take.
    const int nSelect = PreselectedTransferRow(m_rows, m_working);
    if (nSelect >= 0)
    {
        m_pGrid->setCurrentCell(nSelect, 0);
        m_pGrid->selectRow(nSelect);
    }
}

int CTransferBarrier::ChosenRow() const
{
    const QModelIndexList rows = m_pGrid->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return -1;
    const int nRow = rows.front().row();
    return nRow < static_cast<int>(m_rows.size()) ? nRow : -1;
}

void CTransferBarrier::OnOk()
{
    const int nRow = ChosenRow();
    if (nRow < 0)
    {
        ShowMessage(msg::kSelectItemFromList);
        m_pGrid->setFocus();
        return;
    }
    IDatabase* pDb = Catalogue();
    if (!pDb)
        return;
    ApplyTransferBarrier(m_working, m_rows[static_cast<std::size_t>(nRow)], *pDb);
    done(IsHeld(m_working) ? dlg::CloseChain : dlg::Ok);
}

std::string CTransferBarrier::ReferenceSeries() const
{
    const int nRow = ChosenRow();
    return nRow >= 0 ? m_rows[static_cast<std::size_t>(nRow)].series.m_strCode : m_working.cpcSeriesCode.m_strCode;
}
