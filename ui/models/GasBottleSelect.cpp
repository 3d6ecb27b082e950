// "Select Gas Bottle": type, pressure and bottle lists refilled in turn, the high-flow note of
// the bottle, and OK with its refusals and the chain results.
#include "models/GasBottleSelect.h"

#include "catalogue/Catalogue.h"
#include "catalogue/MessageKeys.h"
#include "models/ModelDialogs.h"
#include "product/AccumulatorObject.h"
#include "product/StepDialogs.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace
{
const char* const kTypeCaptions[kGasBottleTypes] = {
    QT_TRANSLATE_NOOP("CGasBottleSelect", "Piston Accumulator Gas Bottle"),
    QT_TRANSLATE_NOOP("CGasBottleSelect", "Bladder Accumulator Gas Bottle"),
    QT_TRANSLATE_NOOP("CGasBottleSelect", "GB Series Gas Bottle"),
    QT_TRANSLATE_NOOP("CGasBottleSelect", "View All")};
} // namespace

CGasBottleSelect::CGasBottleSelect(CAccumulatorObject& product, CAccumulatorData& working,
                                   CAccumulatorData& stored, QWidget* pParent)
    : QDialog(pParent), m_product(product), m_working(working), m_stored(stored),
      m_strOversize(working.strOversizePorts), m_pTypes(new QButtonGroup(this))
{
    using modeldlg::Caption;
    setWindowTitle(QCoreApplication::translate("CGasBottleSelect", "Select Gas Bottle"));

    auto* pTypeBox = new QGroupBox(QCoreApplication::translate("CGasBottleSelect", "Gas Bottle Type"), this);
    pTypeBox->setAccessibleName(pTypeBox->title());
    auto* pTypeLayout = new QGridLayout(pTypeBox);
    for (int nType = 0; nType < kGasBottleTypes; ++nType)
    {
        auto* pButton =
            new QRadioButton(QCoreApplication::translate("CGasBottleSelect", kTypeCaptions[nType]), pTypeBox);
        pButton->setAccessibleName(pButton->text());
        m_pTypes->addButton(pButton, nType);
        pTypeLayout->addWidget(pButton, nType % 2, nType / 2);
    }

    m_pPressures = new QListWidget(this);
    m_pPressures->setMinimumWidth(120);
    QLabel* pPressureCaption =
        Caption(QCoreApplication::translate("CGasBottleSelect", "&Pressure"), this, m_pPressures);

    m_pBottles = new QTreeWidget(this);
    m_pBottles->setAccessibleName(QCoreApplication::translate("CGasBottleSelect", "Gas Bottles"));
    m_pBottles->setColumnCount(3);
    m_pBottles->setHeaderLabels({QCoreApplication::translate("CGasBottleSelect", "Type"),
                                 QCoreApplication::translate("CGasBottleSelect", "Capacity"),
                                 QCoreApplication::translate("CGasBottleSelect", "Bore Size")});
    m_pBottles->setRootIsDecorated(false);
    m_pBottles->setUniformRowHeights(true);
    m_pBottles->setAllColumnsShowFocus(true);
    m_pBottles->setMinimumSize(520, 220);
    m_pBottles->header()->setStretchLastSection(false);
    m_pBottles->header()->setSectionResizeMode(0, QHeaderView::Stretch);

    m_pInfo = modeldlg::ReadOnlyText(
        QCoreApplication::translate("CGasBottleSelect", "Additional Information"), 2, this);
    QLabel* pInfoCaption =
        Caption(QCoreApplication::translate("CGasBottleSelect", "Additional Information"), this);

    const modeldlg::SButtonRow buttons = modeldlg::ButtonRow(this);

    auto* pGrid = new QGridLayout;
    pGrid->addWidget(pTypeBox, 0, 0, 1, 2);
    pGrid->addWidget(pPressureCaption, 1, 0);
    pGrid->addWidget(m_pPressures, 2, 0);
    pGrid->addWidget(
        Caption(QCoreApplication::translate("CGasBottleSelect", "&Gas Bottle"), this, m_pBottles), 1, 1);
    pGrid->addWidget(m_pBottles, 2, 1);
    pGrid->setColumnStretch(1, 1);
    pGrid->setRowStretch(2, 1);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pGrid);
    pLayout->addWidget(pInfoCaption);
    pLayout->addWidget(m_pInfo);
    pLayout->addLayout(buttons.pLayout);

    m_pTypes->button(HeldGasBottleType(m_working))->setChecked(true);
    FillPressures();

    connect(m_pTypes, &QButtonGroup::idClicked, this, &CGasBottleSelect::FillPressures);
    connect(m_pPressures, &QListWidget::itemSelectionChanged, this, &CGasBottleSelect::FillBottles);
    connect(m_pBottles, &QTreeWidget::itemSelectionChanged, this, &CGasBottleSelect::OnBottleChanged);
    // Enter reaches the default OK button; a double click on a bottle acts as OK too.
    connect(m_pBottles, &QTreeWidget::itemDoubleClicked, this, [this] { OnOk(); });
    connect(buttons.pOk, &QPushButton::clicked, this, &CGasBottleSelect::OnOk);
    connect(buttons.pCancel, &QPushButton::clicked, this, &CGasBottleSelect::reject);
    connect(buttons.pReference, &QPushButton::clicked, this, &CGasBottleSelect::OnReference);
    connect(buttons.pHelp, &QPushButton::clicked, this, &CGasBottleSelect::OnHelp);
    OnBottleChanged();
    m_pPressures->setFocus();
}

QRadioButton* CGasBottleSelect::TypeButton(int nType) const
{
    return qobject_cast<QRadioButton*>(m_pTypes->button(nType));
}

int CGasBottleSelect::CheckedType() const
{
    const int nType = m_pTypes->checkedId();
    return nType >= 0 ? nType : kViewAllGasBottles;
}

int CGasBottleSelect::ChosenPressure() const
{
    const QList<QListWidgetItem*> chosen = m_pPressures->selectedItems();
    const int nRow = chosen.isEmpty() ? -1 : m_pPressures->row(chosen.front());
    return nRow < static_cast<int>(m_pressures.size()) ? nRow : -1;
}

int CGasBottleSelect::ChosenBottle() const
{
    const QList<QTreeWidgetItem*> chosen = m_pBottles->selectedItems();
    const int nRow = chosen.isEmpty() ? -1 : m_pBottles->indexOfTopLevelItem(chosen.front());
    return nRow < static_cast<int>(m_bottles.size()) ? nRow : -1;
}

void CGasBottleSelect::FillPressures()
{
    m_pressures.clear();
    if (IDatabase* pDb = m_product.Database())
        modeldlg::Guarded([&] { m_pressures = GasBottlePressures(CheckedType(), *pDb); });
    {
        const QSignalBlocker blocker(m_pPressures);
        m_pPressures->clear();
        for (const CUnitDouble& pressure : m_pressures)
            m_pPressures->addItem(QString::fromStdString(GasBottlePressureText(pressure)));
        m_pPressures->setCurrentRow(PreselectedPressure(m_pressures, m_working.cudMaxPressure));
    }
    FillBottles();
}

void CGasBottleSelect::FillBottles()
{
    m_bottles.clear();
    const int nPressure = ChosenPressure();
    IDatabase* pDb = m_product.Database();
    if (pDb && nPressure >= 0)
        modeldlg::Guarded(
            [&] {
                m_bottles =
                    GasBottleList(CheckedType(), m_pressures[static_cast<std::size_t>(nPressure)], *pDb);
            });
    {
        const QSignalBlocker blocker(m_pBottles);
        m_pBottles->clear();
        for (const SGbList& bottle : m_bottles)
        {
            QStringList cells;
            for (const std::string& strCell : GasBottleCells(bottle))
                cells << QString::fromStdString(strCell);
            auto* pItem = new QTreeWidgetItem(m_pBottles, cells);
            pItem->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
            pItem->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        }
        for (int c = 1; c < m_pBottles->columnCount(); ++c)
            m_pBottles->resizeColumnToContents(c);
        const int nHeld = PreselectedBottle(m_bottles, m_working);
        m_pBottles->setCurrentItem(nHeld >= 0 ? m_pBottles->topLevelItem(nHeld) : nullptr);
    }
    OnBottleChanged();
}

void CGasBottleSelect::OnBottleChanged()
{
    const int nRow = ChosenBottle();
    const int nPressure = ChosenPressure();
    IDatabase* pDb = m_product.Database();
    if (!pDb || nRow < 0 || nPressure < 0)
    {
        m_pInfo->clear();
        return;
    }
    // No application gives a flow here, so the note says that the flow was not calculated.
    modeldlg::Guarded(
        [&]
        {
            const SHighFlowNote note =
                HighFlowNote(AsModelRow(m_bottles[static_cast<std::size_t>(nRow)],
                                        m_pressures[static_cast<std::size_t>(nPressure)]),
                             CUnitDouble(0.0, "GPM"), m_strOversize, *pDb);
            m_strOversize = note.strOversize;
            m_pInfo->setPlainText(
                QString::fromStdString(m_product.Messages().GetMessage(note.strMessageKey)));
        });
}

void CGasBottleSelect::OnOk()
{
    const int nPressure = ChosenPressure();
    if (nPressure < 0)
    {
        modeldlg::ShowMessage(m_product, msg::kSelectFromPressureList);
        return;
    }
    const int nRow = ChosenBottle();
    if (nRow < 0)
    {
        modeldlg::ShowMessage(m_product, msg::kSelectFromGasBottleList);
        return;
    }
    const SGbList& bottle = m_bottles[static_cast<std::size_t>(nRow)];
    const CUnitDouble& pressure = m_pressures[static_cast<std::size_t>(nPressure)];
    // The bottle already held: nothing changed, whatever details were chosen for it since.
    const CAccumulatorData* pHeld = m_product.AccumulatorData();
    if (pHeld && IsHeldBottle(bottle, pressure, *pHeld))
    {
        done(dlg::CloseChain);
        return;
    }
    IDatabase* pDb = m_product.Database();
    const int nType = CheckedType();
    if (!pDb || !modeldlg::Guarded(
                    [&]
                    {
                        ApplyGasBottleChoice(m_working, bottle, pressure, nType, m_strOversize, *pDb);
                        ApplyGasBottleChoice(m_stored, bottle, pressure, nType, m_strOversize, *pDb);
                    }))
        return;
    modeldlg::EndModelStep(*this, m_product, m_working);
}

void CGasBottleSelect::reject()
{
    done(dlg::Cancel);
}

void CGasBottleSelect::OnReference()
{
    const int nRow = ChosenBottle();
    const std::string strSeries = nRow >= 0 ? m_bottles[static_cast<std::size_t>(nRow)].series.m_strCode
                                            : m_working.cpcSeriesCode.m_strCode;
    modeldlg::OpenReference(m_product, strSeries, "CGasBottleSelect");
}

void CGasBottleSelect::OnHelp()
{
    modeldlg::OpenHelp(m_product, "CGasBottleSelect");
}
