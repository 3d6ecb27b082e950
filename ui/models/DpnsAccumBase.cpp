// The rapid selection's type dialog: the lists shown from the core cascade, and Done.
#include "models/DpnsAccumBase.h"

#include "controls/CodeComboBox.h"
#include "controls/NamedButtons.h"
#include "models/ModelDialogs.h"
#include "models/RapidSelection.h"
#include "models/RapidStrings.h"
#include "platform/StringTable.h"
#include "product/AccumulatorObjectDPNS.h"
#include "product/StepDialogs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace
{
QString Text(int nId)
{
    return QString::fromStdString(LoadString(nId));
}
} // namespace

QLabel* DpnsWarning(int nId, QWidget* pParent)
{
    auto* pLabel = new QLabel(Text(nId), pParent);
    pLabel->setAccessibleName(pLabel->text());
    pLabel->setWordWrap(true);
    QFont bold = pLabel->font();
    bold.setBold(true);
    pLabel->setFont(bold);
    return pLabel;
}

CDpnsAccumBase::CDpnsAccumBase(CAccumulatorObjectDPNS& product, const SRapidType& type, const std::string& strSeries,
                               std::function<int()> fnDone, QWidget* pParent)
    : QDialog(pParent), m_product(product), m_type(type), m_fnDone(std::move(fnDone))
{
    setWindowTitle(Text(type.nTitleId));

    // Two columns of lists, in the order of the cascade.
    auto* pGrid = new QGridLayout;
    const int nRows = (static_cast<int>(type.lists.size()) + 1) / 2;
    for (std::size_t k = 0; k < type.lists.size(); ++k)
    {
        auto* pList = new CCodeComboBox(this);
        pList->setMinimumWidth(320);
        const int nRow = static_cast<int>(k) % nRows;
        const int nColumn = static_cast<int>(k) / nRows;
        pGrid->addWidget(modeldlg::Caption(Text(type.lists[k].nCaptionId), this, pList), 2 * nRow, nColumn);
        pGrid->addWidget(pList, 2 * nRow + 1, nColumn);
        m_lists.push_back(pList);
        connect(pList, &QComboBox::currentIndexChanged, this, [this, k] { OnListChanged(static_cast<int>(k)); });
    }

    m_pModelNumber = new QLineEdit(this);
    m_pModelNumber->setReadOnly(true);
    QFont bold = m_pModelNumber->font();
    bold.setBold(true);
    m_pModelNumber->setFont(bold);
    auto* pNumberRow = new QHBoxLayout;
    pNumberRow->addWidget(modeldlg::Caption(tr("Completed Model Number:"), this, m_pModelNumber));
    pNumberRow->addWidget(m_pModelNumber, 1);

    auto* pReference = NamedButton(tr("&Reference"), this);
    auto* pHelp = NamedButton(tr("&Help"), this);
    m_pDone = NamedButton(tr("&Done"), this);
    auto* pCancel = NamedButton(tr("Cancel"), this);
    // Enter chooses Done once the model number is complete, and no other button meanwhile.
    for (QPushButton* pButton : {pReference, pHelp, pCancel})
        pButton->setAutoDefault(false);
    auto* pButtons = new QHBoxLayout;
    pButtons->addWidget(pReference);
    pButtons->addWidget(pHelp);
    pButtons->addStretch();
    pButtons->addWidget(m_pDone);
    pButtons->addWidget(pCancel);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(DpnsWarning(rapidtext::kWarning, this));
    pLayout->addLayout(pGrid);
    pLayout->addLayout(pNumberRow);
    pLayout->addWidget(DpnsWarning(rapidtext::kNote, this));
    pLayout->addLayout(pButtons);

    connect(m_pDone, &QPushButton::clicked, this, &CDpnsAccumBase::OnDone);
    connect(pCancel, &QPushButton::clicked, this, &CDpnsAccumBase::reject);
    connect(pReference, &QPushButton::clicked, this, &CDpnsAccumBase::OnReference);
    connect(pHelp, &QPushButton::clicked, this, &CDpnsAccumBase::OnHelp);

    // The whole series list of the type, on the series chosen before when it offers it.
    if (IDatabase* pDb = m_product.Database())
        modeldlg::Guarded(
            [&]
            {
                m_pRapid = std::make_unique<CRapidSelection>(type, *pDb);
                m_pRapid->SelectCode(0, strSeries);
                m_product.HoldRapidSelection(*m_pRapid);
            });
    ShowState();
    // The list waiting for a choice has the focus from the start.
    if (m_pRapid && !m_pRapid->IsComplete())
        List(m_pRapid->Waiting())->setFocus();
    else
        m_pDone->setFocus();
}

CDpnsAccumBase::~CDpnsAccumBase() = default;

void CDpnsAccumBase::OnListChanged(int nList)
{
    if (!m_pRapid)
        return;
    m_pModelNumber->clear();
    const int nItem = m_lists[static_cast<std::size_t>(nList)]->GetItemValue(List(nList)->currentIndex());
    modeldlg::Guarded([&] { m_pRapid->Select(nList, nItem); });
    modeldlg::Guarded([&] { m_product.HoldRapidSelection(*m_pRapid); });
    ShowState();
    const int nWaiting = m_pRapid->Waiting();
    if (nWaiting > nList)
    {
        // The next choice is the user's: there the focus goes, with the list open.
        CCodeComboBox* pNext = List(nWaiting);
        pNext->setFocus();
        if (isVisible())
            pNext->showPopup();
    }
    else if (nWaiting < 0)
        m_pDone->setFocus();
}

void CDpnsAccumBase::ShowState()
{
    for (std::size_t k = 0; k < m_lists.size(); ++k)
    {
        CCodeComboBox* pList = m_lists[k];
        const QSignalBlocker blocker(pList);
        pList->clear();
        if (!m_pRapid)
        {
            pList->setEnabled(false);
            continue;
        }
        const SRapidListState& state = m_pRapid->Lists()[k];
        for (std::size_t i = 0; i < state.items.size(); ++i)
        {
            const SRapidItem& item = state.items[i];
            const QString strCode = QString::fromStdString(item.code.m_strCode);
            const QString strText = QString::fromStdString(item.strText);
            const int nIndex = pList->AddItem(strCode, strText, static_cast<int>(i));
            // The closed list shows the code and what it stands for.
            pList->setItemText(nIndex, strCode + QStringLiteral("   ") + strText);
        }
        pList->setCurrentIndex(state.nSelected);
        pList->setEnabled(state.bEnabled);
    }
    const bool bComplete = m_pRapid && m_product.m_bSelectionComplete;
    m_pModelNumber->setText(bComplete ? QString::fromStdString(m_product.m_strModelNumber) : QString());
    m_pDone->setEnabled(bComplete);
    m_pDone->setDefault(bComplete);
}

void CDpnsAccumBase::OnDone()
{
    if (!m_product.m_bSelectionComplete)
        return;
    if (!m_fnDone || m_fnDone() == dlg::Ok)
        done(dlg::Ok);
}

void CDpnsAccumBase::reject()
{
    done(dlg::Cancel);
}

void CDpnsAccumBase::OnReference()
{
    const SRapidItem* pSeries = m_pRapid ? m_pRapid->Lists().front().Selected() : nullptr;
    modeldlg::OpenReference(m_product, pSeries ? pSeries->code.m_strCode : std::string(), m_type.pszDialog);
}

void CDpnsAccumBase::OnHelp()
{
    modeldlg::OpenHelp(m_product, m_type.pszDialog);
}
