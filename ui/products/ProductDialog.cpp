// The other products' dialog frame.
#include "products/ProductDialog.h"

#include "app/DialogRunner.h"
#include "controls/NamedButtons.h"
#include "models/ModelDialogs.h"
#include "platform/Prompt.h"
#include "product/AccumulatorObject.h"
#include "product/StepDialogs.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

CProductDialog::CProductDialog(CAccumulatorObject& product, const QString& strTitle, const char* pszClassName,
                               bool bHelp, QWidget* pParent)
    : QDialog(pParent), m_product(product), m_pszClassName(pszClassName), m_bHelp(bHelp)
{
    setWindowTitle(strTitle);
}

void CProductDialog::SetContent(QLayout* pContent)
{
    auto* pReference = NamedButton(QCoreApplication::translate("CProductDialog", "&Reference"), this);
    auto* pButtons = OkCancelButtons(this);
    m_pOk = pButtons->button(QDialogButtonBox::Ok);
    m_pOk->setDefault(true);
    QPushButton* pCancel = pButtons->button(QDialogButtonBox::Cancel);

    auto* pBottom = new QHBoxLayout;
    pBottom->addWidget(pReference);
    if (m_bHelp)
    {
        auto* pHelp = NamedButton(QCoreApplication::translate("CProductDialog", "&Help"), this);
        pBottom->addWidget(pHelp);
        connect(pHelp, &QPushButton::clicked, this, [this] { modeldlg::OpenHelp(m_product, m_pszClassName); });
    }
    pBottom->addStretch();
    pBottom->addWidget(pButtons);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pContent, 1);
    pLayout->addSpacing(6);
    pLayout->addLayout(pBottom);

    connect(m_pOk, &QPushButton::clicked, this, &CProductDialog::OnOkClicked);
    connect(pCancel, &QPushButton::clicked, this, &CProductDialog::reject);
    connect(pReference, &QPushButton::clicked, this,
            [this] { modeldlg::OpenReference(m_product, ReferenceSeries(), m_pszClassName); });
}

void CProductDialog::reject()
{
    done(dlg::Cancel);
}

void CProductDialog::OnOkClicked()
{
    Guarded([this] { OnOk(); });
}

IDatabase* CProductDialog::Catalogue()
{
    IDatabase* pDb = m_product.Database();
    if (!pDb && !m_bToldNoCatalogue)
    {
        m_bToldNoCatalogue = true;
        GetPrompt().Message(
            QCoreApplication::translate("CProductDialog",
                                        "The catalogue is not open, so there is nothing to choose from.")
                .toStdString());
    }
    return pDb;
}

bool CProductDialog::Guarded(const std::function<void()>& fnAction)
{
    return modeldlg::Guarded(fnAction);
}

void CProductDialog::ShowMessage(const std::string& strKey)
{
    modeldlg::ShowMessage(m_product, strKey);
}

int CProductDialog::RunNested(QDialog& dialog)
{
    return GetDialogRunner().Run(dialog);
}

void CProductDialog::SetUpRowGrid(QTableWidget& grid)
{
    grid.verticalHeader()->hide();
    grid.setSelectionBehavior(QAbstractItemView::SelectRows);
    grid.setSelectionMode(QAbstractItemView::SingleSelection);
    grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid.setTabKeyNavigation(false);
    grid.setAlternatingRowColors(true);
    grid.setWordWrap(false);
    grid.verticalHeader()->setDefaultSectionSize(grid.fontMetrics().height() + 8);
}
