// The details steps' shared frame: seal assistant, buttons, and the end of the step.
#include "models/DetailsDialog.h"

#include "app/DialogRunner.h"
#include "catalogue/Catalogue.h"
#include "controls/CodeComboBox.h"
#include "controls/NamedButtons.h"
#include "models/ChooseSeals.h"
#include "models/ModelDialogs.h"
#include "platform/Prompt.h"
#include "product/AccumulatorObject.h"
#include "product/StepDialogs.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

CDetailsDialog::CDetailsDialog(CAccumulatorObject& product, CAccumulatorData& working,
                               CAccumulatorData& stored, const QString& strTitle, const char* pszClassName,
                               QWidget* pParent)
    : QDialog(pParent), m_product(product), m_working(working), m_stored(stored), m_pszClassName(pszClassName)
{
    setWindowTitle(strTitle);
}

CCodeComboBox* CDetailsDialog::CodeBox(QWidget* pParent)
{
    auto* pBox = new CCodeComboBox(pParent);
    pBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    pBox->setMinimumWidth(260);
    return pBox;
}

std::optional<CPartCode> CDetailsDialog::Choice(const QComboBox& box, const SDetailList& list)
{
    const int nRow = modeldlg::ChosenRow(box);
    if (nRow < 0 || nRow >= static_cast<int>(list.items.size()))
        return std::nullopt;
    return list.items[static_cast<std::size_t>(nRow)];
}

QPushButton* CDetailsDialog::MakeSealBox()
{
    m_pSeal = CodeBox(this);
    auto* pAssistance =
        NamedButton(QCoreApplication::translate("CDetailsDialog", "Selection Assistance"), this);
    connect(pAssistance, &QPushButton::clicked, this, &CDetailsDialog::OnSelectionAssistance);
    return pAssistance;
}

bool CDetailsDialog::Read(const std::function<void(IDatabase&)>& fnRead)
{
    IDatabase* pDb = m_product.Database();
    return pDb && modeldlg::Guarded([&] { fnRead(*pDb); });
}

void CDetailsDialog::FillSeals(const std::string& strSealCode)
{
    m_seals = SDetailList();
    Read([&](IDatabase& db) { m_seals = SealList(m_working.strAccumulatorType, strSealCode, db); });
    modeldlg::FillBox(*m_pSeal, m_seals, m_bSortedLists);
}

void CDetailsDialog::SetContent(QLayout* pContent)
{
    const modeldlg::SButtonRow buttons = modeldlg::ButtonRow(this);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pContent);
    pLayout->addLayout(buttons.pLayout);

    connect(buttons.pOk, &QPushButton::clicked, this, &CDetailsDialog::OnOk);
    connect(buttons.pCancel, &QPushButton::clicked, this, &CDetailsDialog::reject);
    connect(buttons.pReference, &QPushButton::clicked, this, &CDetailsDialog::OnReference);
    connect(buttons.pHelp, &QPushButton::clicked, this, &CDetailsDialog::OnHelp);
}

std::optional<SFluidSearchResult> CDetailsDialog::FormerSearch() const
{
    if (m_assistance)
        return m_assistance->search;
    const CAccumulatorData& d = m_working;
    if (d.strSelectedFluid.empty())
        return std::nullopt;
    const CAccumulatorData* pHeld = m_product.AccumulatorData();
    return SFluidSearchResult{d.cpcSealCode.m_strCode,
                              d.strSelectedFluid,
                              d.cudMaxEnteredTempFluidCompatibility,
                              d.cudMinEnteredTempFluidCompatibility,
                              d.cudMaxFluidTempFluidCompatibility,
                              d.cudMinFluidTempFluidCompatibility,
                              pHeld ? pHeld->strFluidCompatDescription : std::string()};
}

void CDetailsDialog::OnSelectionAssistance()
{
    if (!m_pSeal)
        return;
    const std::optional<CPartCode> seal = Choice(*m_pSeal, m_seals);
    CChooseSeals dialog(m_product, m_working.strAccumulatorType,
                        seal ? seal->m_strCode : m_working.cpcSealCode.m_strCode, FormerSearch(), this);
    if (GetDialogRunner().Run(dialog) != dlg::Ok)
        return;
    m_assistance = dialog.Assistance();
    FillSeals(m_assistance->seal.m_strCode);
}

void CDetailsDialog::Finish(const std::string& strRefusal, const std::function<void()>& fnApply)
{
    const CAccumulatorData* pHeld = m_product.AccumulatorData();
    if (!pHeld || !m_product.Database())
        return;
    if (!strRefusal.empty())
    {
        GetPrompt().Message(strRefusal);
        return;
    }
    if (!modeldlg::Guarded(fnApply))
        return;
    // Details chosen before and chosen alike again: nothing changed. The first time the
    // step must complete, even with every default kept.
    done(pHeld->m_nLevel >= 3 && m_working.IsSameAsStored() ? dlg::CloseChain : dlg::Ok);
}

void CDetailsDialog::reject()
{
    done(dlg::Cancel);
}

void CDetailsDialog::OnReference()
{
    modeldlg::OpenReference(m_product, m_working.cpcSeriesCode.m_strCode, m_pszClassName);
}

void CDetailsDialog::OnHelp()
{
    modeldlg::OpenHelp(m_product, m_pszClassName);
}
