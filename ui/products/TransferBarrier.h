// "Choose Transfer Barrier Accumulator": the catalogue's transfer barriers in a grid, narrowed by
// pressure rating, service and capacity.
#pragma once

#include "models/TransferBarrierList.h"
#include "products/ProductDialog.h"

#include <vector>

class CRefillComboBox;
class CTransferBase;
class QTableWidget;

class CTransferBarrier : public CProductDialog
{
    Q_OBJECT

public:
    CTransferBarrier(CAccumulatorObject& product, CTransferBase& working, QWidget* pParent = nullptr);

    CRefillComboBox* FilterBox(ETransferFilter eFilter) const;
    QTableWidget* Grid() const { return m_pGrid; }
    const std::vector<STransferRow>& Rows() const { return m_rows; }
    const STransferFilters& Filters() const { return m_filters; }
    // The row chosen in the grid, or -1.
    int ChosenRow() const;

protected:
    // The chosen row and its bladder codes into the working copy; a row must be chosen.
    void OnOk() override;
    std::string ReferenceSeries() const override;

private:
    // Refills a filter list with the two other filters, keeping its own filter selected.
    void FillFilter(ETransferFilter eFilter);
    void OnFilterChosen(ETransferFilter eFilter);
    void FillGrid();
    std::string& Filter(ETransferFilter eFilter);

    CTransferBase& m_working;
    STransferFilters m_filters;
    std::vector<SFilterEntry> m_entries[3];
    CRefillComboBox* m_pBoxes[3];
    std::vector<STransferRow> m_rows;
    QTableWidget* m_pGrid;
};
