// "Select Repair Kit": five filters that refill as they open, the kit list, and OK.
#include "products/RepairKitSelect.h"

#include "catalogue/MessageKeys.h"
#include "controls/RefillComboBox.h"
#include "models/ModelDialogs.h"
#include "models/NoFilter.h"
#include "platform/StringTable.h"
#include "product/StepDialogs.h"
#include "selection/RepairKitBase.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace
{
constexpr int kStringViewAll = 50001;
constexpr EKitFilter kFilters[] = {EKitFilter::Size, EKitFilter::Seal, EKitFilter::Construction, EKitFilter::Service,
                                   EKitFilter::Port};
const char* const kCaptions[] = {
    QT_TRANSLATE_NOOP("CRepairKitSelect", "Size:"), QT_TRANSLATE_NOOP("CRepairKitSelect", "Seals:"),
    QT_TRANSLATE_NOOP("CRepairKitSelect", "Construction:"), QT_TRANSLATE_NOOP("CRepairKitSelect", "Service:"),
    QT_TRANSLATE_NOOP("CRepairKitSelect", "Port:")};
} // namespace

CRepairKitSelect::CRepairKitSelect(CAccumulatorObject& product, CRepairKitBase& working, QWidget* pParent)
    : CProductDialog(product, QCoreApplication::translate("CRepairKitSelect", "Select Repair Kit"),
                     "CRepairKitSelect", true, pParent),
      m_working(working), m_filters(working.strKitType)
{
    m_pList = new QTreeWidget(this);
    m_pList->setColumnCount(2);
    m_pList->setHeaderLabels({QCoreApplication::translate("CRepairKitSelect", "Repair Kit"),
                              QCoreApplication::translate("CRepairKitSelect", "Part Number")});
    m_pList->setRootIsDecorated(false);
    m_pList->setAllColumnsShowFocus(true);
    m_pList->setAlternatingRowColors(true);
    m_pList->setAccessibleName(QCoreApplication::translate("CRepairKitSelect", "Repair Kit"));
    const int nChar = fontMetrics().averageCharWidth();
    m_pList->setMinimumSize(132 * nChar, 14 * fontMetrics().lineSpacing());

    auto* pGroup = new QGroupBox(QCoreApplication::translate("CRepairKitSelect", "Accumulator Options"));
    auto* pFilters = new QGridLayout(pGroup);
    auto* pHint = new QLabel(QCoreApplication::translate(
        "CRepairKitSelect", "Select Any of the Options below to filter the list."));
    pFilters->addWidget(pHint, 0, 0, 1, 4);
    for (const EKitFilter eFilter : kFilters)
    {
        const auto n = static_cast<int>(eFilter);
        auto* pBox = new CRefillComboBox(this);
        m_pBoxes[n] = pBox;
        pBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        pBox->setMinimumContentsLength(24);
        const int nRow = 1 + n / 2, nColumn = 2 * (n % 2);
        pFilters->addWidget(
            modeldlg::Caption(QCoreApplication::translate("CRepairKitSelect", kCaptions[n]), this, pBox),
            nRow, nColumn);
        pFilters->addWidget(pBox, nRow, nColumn + 1);
        pBox->SetRefill([this, eFilter] { FillFilter(eFilter); });
        connect(pBox, &QComboBox::currentIndexChanged, this, [this, eFilter] { OnFilterChosen(eFilter); });
    }
    pFilters->setColumnStretch(1, 1);
    pFilters->setColumnStretch(3, 1);

    auto* pContent = new QVBoxLayout;
    pContent->addWidget(m_pList, 1);
    pContent->addWidget(pGroup);
    SetContent(pContent);
    // A double click on a kit accepts it like OK.
    connect(m_pList, &QTreeWidget::itemDoubleClicked, this, [this] { OkButton()->click(); });

    for (const EKitFilter eFilter : kFilters)
        FillFilter(eFilter);
    FillKits();
    m_pList->setFocus();
}

void CRepairKitSelect::FillFilter(EKitFilter eFilter)
{
    std::vector<std::string> values;
    if (IDatabase* pDb = Catalogue())
        Guarded([&] { values = KitFilterValues(eFilter, m_filters, *pDb); });
    CRefillComboBox* pBox = FilterBox(eFilter);
    const QSignalBlocker blocker(pBox);
    pBox->clear();
    pBox->addItem(QString::fromStdString(LoadString(kStringViewAll)));
    int nSelect = 0;
    for (const std::string& strValue : values)
    {
        pBox->addItem(QString::fromStdString(strValue));
        if (strValue == m_filters[eFilter])
            nSelect = pBox->count() - 1;
    }
    pBox->setCurrentIndex(nSelect);
}

void CRepairKitSelect::OnFilterChosen(EKitFilter eFilter)
{
    CRefillComboBox* pBox = FilterBox(eFilter);
    m_filters[eFilter] = pBox->currentIndex() > 0 ? pBox->currentText().toStdString() : std::string(kNoFilter);
    FillKits();
}

void CRepairKitSelect::FillKits()
{
    m_kits.clear();
    if (IDatabase* pDb = Catalogue())
        Guarded([&] { m_kits = RepairKits(m_filters, *pDb); });
    m_pList->clear();
    for (const SRepairKit& kit : m_kits)
        new QTreeWidgetItem(m_pList, {QString::fromStdString(kit.strKit), QString::fromStdString(kit.strPartNumber)});
    m_pList->resizeColumnToContents(0);
    m_pList->setColumnWidth(0, m_pList->columnWidth(0) + 16);
    const int nSelect = PreselectedKit(m_kits, m_working);
    if (nSelect >= 0)
        m_pList->setCurrentItem(m_pList->topLevelItem(nSelect));
}

void CRepairKitSelect::OnOk()
{
    QTreeWidgetItem* pItem = m_pList->currentItem();
    const int nRow = pItem && pItem->isSelected() ? m_pList->indexOfTopLevelItem(pItem) : -1;
    if (nRow < 0 || nRow >= static_cast<int>(m_kits.size()))
    {
        ShowMessage(msg::kSelectItemFromList);
        m_pList->setFocus();
        return;
    }
    ApplyRepairKit(m_working, m_kits[static_cast<std::size_t>(nRow)]);
    done(IsHeld(m_working) ? dlg::CloseChain : dlg::Ok);
}
