// "Choose Seals": the seal class list with typical fluids, information and temperature
// ranges of the one selected, and the fluid compatibility search behind it.
#include "models/ChooseSeals.h"

#include "app/DialogRunner.h"
#include "catalogue/Catalogue.h"
#include "catalogue/MessageKeys.h"
#include "controls/NamedButtons.h"
#include "models/FluidCompatability.h"
#include "models/ModelDialogs.h"
#include "platform/Prompt.h"
#include "product/AccumulatorObject.h"
#include "product/StepDialogs.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CChooseSeals::CChooseSeals(CAccumulatorObject& product, const std::string& strAccumType,
                           const std::string& strSealCode, const std::optional<SFluidSearchResult>& former,
                           QWidget* pParent)
    : QDialog(pParent), m_product(product), m_strAccumType(strAccumType), m_search(former)
{
    using namespace modeldlg;
    setWindowTitle(QCoreApplication::translate("CChooseSeals", "Choose Seals"));

    m_pList = new QListWidget(this);
    m_pList->setMinimumWidth(220);
    QLabel* pListCaption = Caption(QCoreApplication::translate("CChooseSeals", "Seal Class"), this, m_pList);
    m_pTypical = ReadOnlyText(QCoreApplication::translate("CChooseSeals", "Typical Fluids Sealed"), 3, this);
    QLabel* pTypicalCaption =
        Caption(QCoreApplication::translate("CChooseSeals", "Typical Fluids Sealed"), this);
    m_pInfo = ReadOnlyText(QCoreApplication::translate("CChooseSeals", "Additional Information"), 3, this);
    QLabel* pInfoCaption =
        Caption(QCoreApplication::translate("CChooseSeals", "Additional Information"), this);
    m_pRange1 = new QLabel(this);
    m_pRange2 = new QLabel(this);
    QLabel* pRangeCaption =
        Caption(QCoreApplication::translate("CChooseSeals", "Fluid Temperature Range"), this);
    m_pRange1->setAccessibleName(pRangeCaption->accessibleName());
    m_pRange2->setAccessibleName(pRangeCaption->accessibleName());
    m_pRange1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pRange2->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* pFluid =
        NamedButton(QCoreApplication::translate("CChooseSeals", "Additional Fluid Compatibility"), this);
    const SButtonRow buttons = ButtonRow(this);

    auto* pGrid = new QGridLayout;
    pGrid->addWidget(pListCaption, 0, 0);
    pGrid->addWidget(m_pList, 1, 0, 7, 1);
    pGrid->addWidget(pTypicalCaption, 0, 1);
    pGrid->addWidget(m_pTypical, 1, 1);
    pGrid->addWidget(pInfoCaption, 2, 1);
    pGrid->addWidget(m_pInfo, 3, 1);
    pGrid->addWidget(pRangeCaption, 4, 1);
    pGrid->addWidget(m_pRange1, 5, 1);
    pGrid->addWidget(m_pRange2, 6, 1);
    pGrid->addWidget(pFluid, 7, 1, Qt::AlignLeft);
    pGrid->setColumnStretch(1, 1);
    pGrid->setRowStretch(7, 1);
    m_pTypical->setMinimumWidth(360);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pGrid);
    pLayout->addLayout(buttons.pLayout);

    connect(m_pList, &QListWidget::currentRowChanged, this, &CChooseSeals::ShowSeal);
    connect(m_pList, &QListWidget::itemDoubleClicked, this, &CChooseSeals::OnOk);
    connect(pFluid, &QPushButton::clicked, this, &CChooseSeals::OnFluidCompatibility);
    connect(buttons.pOk, &QPushButton::clicked, this, &CChooseSeals::OnOk);
    connect(buttons.pCancel, &QPushButton::clicked, this, &CChooseSeals::reject);
    connect(buttons.pReference, &QPushButton::clicked, this, &CChooseSeals::OnReference);
    connect(buttons.pHelp, &QPushButton::clicked, this, &CChooseSeals::OnHelp);

    if (IDatabase* pDb = m_product.Database())
        Guarded([&] { m_seals = SealList(m_strAccumType, strSealCode, *pDb); });
    for (std::size_t i = 0; i < m_seals.items.size(); ++i)
        m_pList->addItem(QString::fromStdString(m_seals.items[i].m_strDescription));
    if (m_seals.nSelected >= 0)
        m_pList->setCurrentRow(m_seals.nSelected);
    m_pList->setFocus();
}

void CChooseSeals::ShowSeal(int nRow)
{
    m_info = SSealFluidInfo();
    IDatabase* pDb = m_product.Database();
    if (nRow >= 0 && nRow < static_cast<int>(m_seals.items.size()) && pDb)
        modeldlg::Guarded(
            [&] {
                m_info = SealFluidInfo(m_strAccumType,
                                       m_seals.items[static_cast<std::size_t>(nRow)].m_strCode, *pDb);
            });
    m_pTypical->setPlainText(QString::fromStdString(m_info.strTypicalFluids));
    m_pInfo->setPlainText(QString::fromStdString(m_info.strInfo));
    m_pRange1->setText(QString::fromStdString(m_info.strRange1));
    m_pRange2->setText(QString::fromStdString(m_info.strRange2));
}

void CChooseSeals::OnFluidCompatibility()
{
    CFluidCompatability dialog(m_product, m_strAccumType, m_search, this);
    if (GetDialogRunner().Run(dialog) != dlg::Ok)
        return;
    m_search = dialog.Result();
    for (std::size_t i = 0; i < m_seals.items.size(); ++i)
        if (m_seals.items[i].m_strCode == dialog.Seal().m_strCode)
            m_pList->setCurrentRow(static_cast<int>(i));
}

void CChooseSeals::OnOk()
{
    const int nRow = m_pList->currentRow();
    if (nRow < 0 || nRow >= static_cast<int>(m_seals.items.size()))
    {
        modeldlg::ShowMessage(m_product, msg::kSelectFromList);
        return;
    }
    m_assistance.seal = m_seals.items[static_cast<std::size_t>(nRow)];
    m_assistance.strTypicalFluids = m_info.strTypicalFluids;
    // A search that chose another seal does not describe this one.
    m_assistance.search.reset();
    if (m_search && m_search->strSealCode == m_assistance.seal.m_strCode)
        m_assistance.search = m_search;
    done(dlg::Ok);
}

void CChooseSeals::reject()
{
    done(dlg::Cancel);
}

void CChooseSeals::OnReference()
{
    modeldlg::OpenReference(m_product, std::string(), "CChooseSeals");
}

void CChooseSeals::OnHelp()
{
    modeldlg::OpenHelp(m_product, "CChooseSeals");
}
