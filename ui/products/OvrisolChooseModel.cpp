// "Choose Ovrisol Model": size list, bladder list, seal assistant and the choice written into the result.
#include "products/OvrisolChooseModel.h"

#include "catalogue/MessageKeys.h"
#include "controls/NamedButtons.h"
#include "models/ChooseSeals.h"
#include "models/DetailLists.h"
#include "models/ModelDialogs.h"
#include "platform/Prompt.h"
#include "product/AccumulatorObject.h"
#include "product/StepDialogs.h"
#include "selection/OvrisolBase.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace
{
constexpr int kIndexRole = Qt::UserRole;
}

COvrisolChooseModel::COvrisolChooseModel(CAccumulatorObject& product, COvrisolBase& working,
                                         COvrisolBase& stored, QWidget* pParent)
    : CProductDialog(product, QCoreApplication::translate("COvrisolChooseModel", "Choose Ovrisol Model"),
                     "COvrisolChooseModel", true, pParent),
      m_working(working), m_stored(stored)
{
    m_pSizes = new QTreeWidget(this);
    m_pSizes->setColumnCount(2);
    m_pSizes->setHeaderLabels({QCoreApplication::translate("COvrisolChooseModel", "Ovrisol Size"),
                               QCoreApplication::translate("COvrisolChooseModel", "Construction")});
    m_pSizes->setRootIsDecorated(false);
    m_pSizes->setAllColumnsShowFocus(true);
    m_pSizes->setAccessibleName(QCoreApplication::translate("COvrisolChooseModel", "Ovrisol Size"));
    m_pSizes->header()->setStretchLastSection(true);
    m_pSizes->setMinimumWidth(440);
    m_pBladder = new QComboBox(this);
    m_pBladder->setMinimumContentsLength(28);
    auto* pAssistance =
        NamedButton(QCoreApplication::translate("COvrisolChooseModel", "Selection Assistance"), this);

    auto* pGrid = new QGridLayout;
    // The capacity the sizes were found for, as the step panel shows it.
    auto* pRequired = new QLabel(QString::fromStdString(m_working.GetSelectionDisplayText(1)), this);
    pRequired->setAccessibleName(pRequired->text());
    pGrid->addWidget(pRequired, 0, 0, 1, 3);
    pGrid->addWidget(m_pSizes, 1, 0, 1, 3);
    pGrid->addWidget(
        modeldlg::Caption(QCoreApplication::translate("COvrisolChooseModel", "Bladder"), this, m_pBladder), 2,
        0);
    pGrid->addWidget(m_pBladder, 2, 1);
    pGrid->addWidget(pAssistance, 2, 2);
    pGrid->setColumnStretch(1, 1);
    SetContent(pGrid);

    connect(pAssistance, &QPushButton::clicked, this, &COvrisolChooseModel::OnSelectionAssistance);
    // A double click on a size acts as OK.
    connect(m_pSizes, &QTreeWidget::itemDoubleClicked, this, [this] { OkButton()->click(); });

    FillSizes();
    FillBladders();
    m_pSizes->setFocus();
}

void COvrisolChooseModel::FillSizes()
{
    IDatabase* pDb = Catalogue();
    if (pDb)
        Guarded([&] { m_sizes = OvrisolSizes(m_working, *pDb); });
    // The series of the sizes found is the one whose bladders are offered.
    if (!m_sizes.empty())
        m_working.cpcSeriesCode = m_sizes.front().series;
    for (std::size_t i = 0; i < m_sizes.size(); ++i)
    {
        const QString strText = QString::fromStdString(OvrisolSizeText(m_sizes[i]));
        auto* pItem = new QTreeWidgetItem(m_pSizes, strText.split(QLatin1Char('\t')));
        pItem->setData(0, kIndexRole, static_cast<int>(i));
        pItem->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    }
    m_pSizes->resizeColumnToContents(0);
    m_pSizes->setColumnWidth(0, m_pSizes->columnWidth(0) + 24);
    const int nSelect = PreselectedOvrisolSize(m_sizes, m_working);
    if (nSelect >= 0)
        m_pSizes->setCurrentItem(m_pSizes->topLevelItem(nSelect));
}

void COvrisolChooseModel::FillBladders()
{
    m_bladders = SDetailList();
    if (IDatabase* pDb = Catalogue())
        Guarded([&] {
            m_bladders = OvrisolBladders(m_working.cpcSeriesCode.m_strCode, m_working.cpcBladderCode.m_strCode, *pDb);
        });
    m_pBladder->clear();
    for (std::size_t i = 0; i < m_bladders.items.size(); ++i)
        m_pBladder->addItem(QString::fromStdString(m_bladders.items[i].m_strDescription), static_cast<int>(i));
    m_pBladder->setCurrentIndex(m_bladders.nSelected);
}

int COvrisolChooseModel::ChosenSize() const
{
    const QTreeWidgetItem* pItem = m_pSizes->currentItem();
    return pItem && pItem->isSelected() ? pItem->data(0, kIndexRole).toInt() : -1;
}

void COvrisolChooseModel::OnSelectionAssistance()
{
    const int nBladder = m_pBladder->currentIndex();
    const std::string strBladder = nBladder >= 0 ? m_bladders.items[static_cast<std::size_t>(nBladder)].m_strCode
                                                 : m_working.cpcBladderCode.m_strCode;
    // The search found before for this bladder fills the fluid compatibility search in again.
    std::optional<SFluidSearchResult> former;
    if (!m_working.strSelectedFluid.empty() && m_working.cpcBladderCode.m_strCode == strBladder)
        former = SFluidSearchResult{strBladder,
                                    m_working.strSelectedFluid,
                                    m_working.cudMaxEnteredTempFluidCompatibility,
                                    m_working.cudMinEnteredTempFluidCompatibility,
                                    m_working.cudMaxFluidTempFluidCompatibility,
                                    m_working.cudMinFluidTempFluidCompatibility,
                                    std::string()};
    CChooseSeals dialog(m_product, m_working.strAccumulatorType, strBladder, former, this);
    if (RunNested(dialog) != dlg::Ok)
        return;
    ApplyOvrisolSealAssistance(m_working, dialog.Assistance());
    ApplyOvrisolSealAssistance(m_stored, dialog.Assistance());
    FillBladders();
}

void COvrisolChooseModel::OnOk()
{
    const int nSize = ChosenSize();
    if (nSize < 0)
    {
        ShowMessage(msg::kSelectItemFromList);
        m_pSizes->setFocus();
        return;
    }
    const int nBladder = m_pBladder->currentIndex();
    if (nBladder < 0)
    {
        GetPrompt().Message(MissingChoiceMessage({{kCaptionBladder, false}}));
        return;
    }
    IDatabase* pDb = Catalogue();
    if (!pDb)
        return;
    ApplyOvrisolModel(m_stored, m_sizes[static_cast<std::size_t>(nSize)],
                      m_bladders.items[static_cast<std::size_t>(nBladder)], m_working, *pDb);
    done(IsHeld(m_stored) ? dlg::CloseChain : dlg::Ok);
}

std::string COvrisolChooseModel::ReferenceSeries() const
{
    return m_working.cpcSeriesCode.m_strCode;
}
