// "Choose Accumulator": requirements, the model grid with its hiding and preselection rules,
// the high-flow note on every selection change, and OK with the chain results.
#include "models/AccumulatorChooseModel.h"

#include "catalogue/Catalogue.h"
#include "catalogue/MessageKeys.h"
#include "models/ModelDialogs.h"
#include "platform/Prompt.h"
#include "product/AccumulatorObject.h"
#include "product/StepDialogs.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace
{
constexpr int kVisibleRows = 10;

// The required value as the step shows it: no decimals, then the unit.
// To two decimals, as the results showed it: 2.5 gal must not read as 2 gal.
QString WithUnit(const CUnitDouble& value)
{
    return QString::fromStdString(value.FormatPrecision("2") + " " + value.GetUnitString());
}

QStringList Lines(const std::string& strHeader)
{
    return QString::fromStdString(strHeader).split(QLatin1Char('\n'));
}
} // namespace

CAccumulatorChooseModel::CAccumulatorChooseModel(CAccumulatorObject& product, CAccumulatorData& working,
                                                 CAccumulatorData& stored, QWidget* pParent)
    : QDialog(pParent), m_product(product), m_working(working), m_stored(stored),
      m_strOversize(working.strOversizePorts)
{
    using namespace modeldlg;
    setWindowTitle(QCoreApplication::translate("CAccumulatorChooseModel", "Choose Accumulator"));

    m_pCapacity = new QLabel(this);
    m_pCapacity->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QLabel* pCapacityCaption = Caption(
        QCoreApplication::translate("CAccumulatorChooseModel", "Your Required Accumulator Capacity:"), this);
    m_pCapacity->setAccessibleName(pCapacityCaption->accessibleName());
    m_pFlow = new QLabel(this);
    m_pFlow->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pFlowCaption =
        Caption(QCoreApplication::translate("CAccumulatorChooseModel", "Your Required Flow Rate:"), this);
    m_pFlow->setAccessibleName(m_pFlowCaption->accessibleName());

    m_pGrid = new QTableWidget(this);
    m_pGrid->setAccessibleName(QCoreApplication::translate("CAccumulatorChooseModel", "Accumulator models"));
    m_pInfo = ReadOnlyText(QCoreApplication::translate("CAccumulatorChooseModel", "Additional Information"),
                           3, this);
    QLabel* pInfoCaption =
        Caption(QCoreApplication::translate("CAccumulatorChooseModel", "Additional Information"), this);

    const SButtonRow buttons = ButtonRow(this);
    m_pOk = buttons.pOk;

    auto* pRequirements = new QGridLayout;
    pRequirements->addWidget(pCapacityCaption, 0, 0);
    pRequirements->addWidget(m_pCapacity, 0, 1);
    pRequirements->addWidget(m_pFlowCaption, 1, 0);
    pRequirements->addWidget(m_pFlow, 1, 1);
    pRequirements->setColumnStretch(1, 1);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pRequirements);
    pLayout->addWidget(m_pGrid, 1);
    pLayout->addWidget(pInfoCaption);
    pLayout->addWidget(m_pInfo);
    pLayout->addLayout(buttons.pLayout);

    connect(m_pOk, &QPushButton::clicked, this, &CAccumulatorChooseModel::OnOk);
    connect(buttons.pCancel, &QPushButton::clicked, this, &CAccumulatorChooseModel::reject);
    connect(buttons.pReference, &QPushButton::clicked, this, &CAccumulatorChooseModel::OnReference);
    connect(buttons.pHelp, &QPushButton::clicked, this, &CAccumulatorChooseModel::OnHelp);
    // Enter reaches the default OK button; a double click on a model acts as OK too.
    connect(m_pGrid, &QTableWidget::cellDoubleClicked, this, [this] { OnOk(); });

    if (IDatabase* pDb = m_product.Database())
        m_bSearched = Guarded([&] { m_search = RunModelSearch(m_working, *pDb); });
    else
        GetPrompt().Message(
            QCoreApplication::translate("CAccumulatorChooseModel",
                                        "The catalogue is not open, so there are no models to choose from.")
                .toStdString());
    ShowRequirements();
    SetUpGrid();
    FillGrid();
    connect(m_pGrid->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CAccumulatorChooseModel::OnSelectionChanged);
    OnSelectionChanged();
    m_pGrid->setFocus();
}

void CAccumulatorChooseModel::ShowRequirements()
{
    m_pCapacity->setText(WithUnit(m_working.sdRequiredAccumulatorVol));
    m_pFlowCaption->setEnabled(m_search.bFlowShown);
    m_pFlow->setEnabled(m_search.bFlowShown);
    if (m_search.bFlowShown)
        m_pFlow->setText(WithUnit(m_search.requiredFlow));
}

void CAccumulatorChooseModel::SetUpGrid()
{
    QTableWidget& grid = *m_pGrid;
    grid.setColumnCount(kColumns);
    grid.verticalHeader()->hide();
    grid.setSelectionBehavior(QAbstractItemView::SelectRows);
    // One model at a time: a drag over several rows moves the one selected row.
    grid.setSelectionMode(QAbstractItemView::SingleSelection);
    grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid.setTabKeyNavigation(false);
    grid.setWordWrap(false);
    grid.setAlternatingRowColors(true);
    grid.verticalHeader()->setDefaultSectionSize(grid.fontMetrics().height() + 8);
    grid.horizontalHeader()->setHighlightSections(false);
    grid.horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);

    QStringList labels{QString()};
    for (const std::string& strHeader : GridHeaders())
    {
        QStringList lines = Lines(strHeader);
        for (QString& strLine : lines)
            strLine = strLine.trimmed();
        labels << lines.join(QLatin1Char('\n'));
    }
    labels << QString();
    grid.setHorizontalHeaderLabels(labels);
}

void CAccumulatorChooseModel::FillGrid()
{
    QTableWidget& grid = *m_pGrid;
    const int nRows = static_cast<int>(m_search.rows.size());
    grid.setRowCount(nRows);
    const QBrush headerBrush = palette().brush(QPalette::Button);
    for (int r = 0; r < nRows; ++r)
    {
        auto* pHeader = new QTableWidgetItem(QString::number(r + 1));
        pHeader->setTextAlignment(Qt::AlignCenter);
        pHeader->setBackground(headerBrush);
        grid.setItem(r, 0, pHeader);
        const std::vector<std::string> cells = GridCells(m_search.rows[static_cast<std::size_t>(r)]);
        for (int c = 1; c <= kGridColumns; ++c)
        {
            auto* pItem =
                new QTableWidgetItem(QString::fromStdString(cells[static_cast<std::size_t>(c - 1)]));
            const bool bText = c == 1 || c == 7;
            pItem->setTextAlignment((bText ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            grid.setItem(r, c, pItem);
        }
    }

    // Each column as wide as its longest header line (the headers carry padding for this),
    // and never narrower than what it shows.
    const int nCharWidth = fontMetrics().averageCharWidth();
    const QFontMetrics headerMetrics(grid.horizontalHeader()->font());
    const std::vector<std::string> headers = GridHeaders();
    grid.setColumnWidth(0, std::max(3, static_cast<int>(QString::number(nRows).size()) + 2) * nCharWidth);
    for (int c = 1; c <= kGridColumns; ++c)
    {
        int nWidth = 0;
        for (const QString& strLine : Lines(headers[static_cast<std::size_t>(c - 1)]))
            nWidth = std::max({nWidth, static_cast<int>(strLine.size()) * nCharWidth,
                               headerMetrics.horizontalAdvance(strLine.trimmed()) + 2 * nCharWidth});
        for (int r = 0; r < nRows; ++r)
            nWidth =
                std::max(nWidth, fontMetrics().horizontalAdvance(grid.item(r, c)->text()) + 2 * nCharWidth);
        grid.setColumnWidth(c, nWidth);
    }
    const std::set<int> hidden = HiddenColumns(m_search.rows);
    for (int c = 1; c <= kGridColumns; ++c)
        grid.setColumnHidden(c, hidden.count(c) != 0);
    grid.setColumnHidden(kColumns - 1, true);

    // Room for every shown column and about ten models; a longer list scrolls.
    int nWidth = 2 * grid.frameWidth() + grid.verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < kColumns; ++c)
        if (!grid.isColumnHidden(c))
            nWidth += grid.columnWidth(c);
    grid.setMinimumWidth(nWidth);
    grid.setMinimumHeight(grid.horizontalHeader()->sizeHint().height() +
                          kVisibleRows * grid.verticalHeader()->defaultSectionSize() + 2 * grid.frameWidth());

    if (nRows == 0)
    {
        m_pInfo->setPlainText(
            m_bSearched ? QCoreApplication::translate("CAccumulatorChooseModel",
                                                      "No accumulator in the catalogue meets this application. "
                                                      "Change the application under \"Describe Application\" "
                                                      "and choose the model again.")
                        : QCoreApplication::translate("CAccumulatorChooseModel",
                                                      "The models could not be read from the catalogue."));
        return;
    }
    const int nSelect = PreselectedRow(m_search.rows, m_working);
    grid.setCurrentCell(nSelect, 1);
    grid.selectRow(nSelect);
    grid.scrollToItem(grid.item(nSelect, 1), QAbstractItemView::PositionAtCenter);
}

int CAccumulatorChooseModel::ChosenRow() const
{
    const QModelIndexList rows = m_pGrid->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return -1;
    const int nRow = rows.front().row();
    return nRow < static_cast<int>(m_search.rows.size()) ? nRow : -1;
}

void CAccumulatorChooseModel::OnSelectionChanged()
{
    if (m_search.rows.empty())
        return;
    int nRow = ChosenRow();
    // A Ctrl+click can take the selection away; the row under the cursor stays chosen.
    if (nRow < 0 && m_pGrid->currentRow() >= 0)
    {
        m_pGrid->selectRow(m_pGrid->currentRow());
        return; // the selection change comes back here
    }
    if (nRow < 0)
        return;
    IDatabase* pDb = m_product.Database();
    if (!pDb)
        return;
    modeldlg::Guarded(
        [&]
        {
            const SHighFlowNote note = HighFlowNote(m_search.rows[static_cast<std::size_t>(nRow)],
                                                    m_search.requiredFlow, m_strOversize, *pDb);
            m_strOversize = note.strOversize;
            m_pInfo->setPlainText(
                QString::fromStdString(m_product.Messages().GetMessage(note.strMessageKey)));
        });
}

void CAccumulatorChooseModel::OnOk()
{
    const int nRow = ChosenRow();
    if (nRow < 0)
    {
        modeldlg::ShowMessage(m_product, msg::kSelectItemFromList);
        return;
    }
    const SAccumulatorList& row = m_search.rows[static_cast<std::size_t>(nRow)];
    // The model already held: nothing changed, whatever details were chosen for it since.
    const CAccumulatorData* pHeld = m_product.AccumulatorData();
    if (pHeld && pHeld->m_nLevel >= 2 && IsHeldModel(row, *pHeld))
    {
        done(dlg::CloseChain);
        return;
    }
    IDatabase* pDb = m_product.Database();
    if (!pDb || !modeldlg::Guarded(
                    [&]
                    {
                        ApplyModelChoice(m_working, row, m_search, m_strOversize, *pDb);
                        ApplyModelChoice(m_stored, row, m_search, m_strOversize, *pDb);
                    }))
        return;
    modeldlg::EndModelStep(*this, m_product, m_working);
}

void CAccumulatorChooseModel::reject()
{
    done(dlg::Cancel);
}

void CAccumulatorChooseModel::OnReference()
{
    const int nRow = ChosenRow();
    const std::string strSeries = nRow >= 0 ? m_search.rows[static_cast<std::size_t>(nRow)].series.m_strCode
                                            : m_working.cpcSeriesCode.m_strCode;
    modeldlg::OpenReference(m_product, strSeries, "CAccumulatorChooseModel");
}

void CAccumulatorChooseModel::OnHelp()
{
    modeldlg::OpenHelp(m_product, "CAccumulatorChooseModel");
}
