// "Choose Product": list, description, picture, and the rules for changing an earlier choice.
#include "products/ChooseProduct.h"

#include "catalogue/Catalogue.h"
#include "controls/NamedButtons.h"
#include "platform/Prompt.h"
#include "product/AccumulatorObject.h"
#include "product/ProductHost.h"
#include "product/StepDialogs.h"
#include "products/PictureBox.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <exception>

namespace
{
QLabel* Caption(const QString& strText, QWidget* pParent)
{
    auto* pLabel = new QLabel(strText, pParent);
    pLabel->setAccessibleName(strText);
    return pLabel;
}
} // namespace

CChooseProduct::CChooseProduct(CAccumulatorObject& product, QWidget* pParent)
    : QDialog(pParent), m_product(product)
{
    setWindowTitle(QCoreApplication::translate("CChooseProduct", "Choose Product"));

    m_pList = new QListWidget(this);
    m_pList->setAccessibleName(QCoreApplication::translate("CChooseProduct", "Choose Product Type"));
    m_pList->setMinimumWidth(190);
    QLabel* pListCaption =
        Caption(QCoreApplication::translate("CChooseProduct", "Choose Product Type"), this);
    pListCaption->setBuddy(m_pList);

    m_pDescription = new QLabel(this);
    m_pDescription->setAccessibleName(QCoreApplication::translate("CChooseProduct", "Description"));
    m_pDescription->setWordWrap(true);
    m_pDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pDescription->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Room for the longest description, so that the picture does not jump between products.
    m_pDescription->setMinimumHeight(7 * fontMetrics().lineSpacing());
    QLabel* pDescriptionCaption = Caption(QCoreApplication::translate("CChooseProduct", "Description"), this);

    m_pPicture = new CPictureBox(this);
    m_pPicture->setAccessibleName(QCoreApplication::translate("CChooseProduct", "Product picture"));

    auto* pRapid = NamedButton(QCoreApplication::translate("CChooseProduct", "Ra&pid Selection..."), this);
    pRapid->setEnabled(m_product.Database() != nullptr);
    auto* pReference = NamedButton(QCoreApplication::translate("CChooseProduct", "&Reference"), this);
    auto* pHelp = NamedButton(QCoreApplication::translate("CChooseProduct", "&Help"), this);

    auto* pButtons = OkCancelButtons(this);
    m_pOk = pButtons->button(QDialogButtonBox::Ok);
    m_pOk->setDefault(true);
    QPushButton* pCancel = pButtons->button(QDialogButtonBox::Cancel);

    auto* pGrid = new QGridLayout;
    pGrid->addWidget(pListCaption, 0, 0);
    pGrid->addWidget(m_pList, 1, 0, 3, 1);
    pGrid->addWidget(pDescriptionCaption, 0, 1);
    pGrid->addWidget(m_pDescription, 1, 1);
    pGrid->addWidget(m_pPicture, 2, 1);
    pGrid->setRowStretch(2, 1);
    pGrid->setColumnStretch(1, 1);

    auto* pBottom = new QHBoxLayout;
    pBottom->addWidget(pRapid);
    pBottom->addWidget(pReference);
    pBottom->addWidget(pHelp);
    pBottom->addStretch();
    pBottom->addWidget(pButtons);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pGrid);
    pLayout->addLayout(pBottom);
    m_pDescription->setMinimumWidth(320);

    connect(m_pList, &QListWidget::currentRowChanged, this, &CChooseProduct::ShowProduct);
    // Enter reaches the default OK button; a double click acts as OK too.
    connect(m_pList, &QListWidget::itemDoubleClicked, this, &CChooseProduct::OnOk);
    connect(m_pOk, &QPushButton::clicked, this, &CChooseProduct::OnOk);
    connect(pCancel, &QPushButton::clicked, this, &CChooseProduct::reject);
    connect(pReference, &QPushButton::clicked, this, &CChooseProduct::OnReference);
    connect(pHelp, &QPushButton::clicked, this, &CChooseProduct::OnHelp);
    // A completed rapid selection is the selection now: nothing is left for this step to do.
    connect(pRapid, &QPushButton::clicked, this,
            [this]
            {
                if (m_product.Host().RunRapidSelection() == dlg::Ok)
                    done(dlg::CloseChain);
            });

    LoadRows();
    m_pOk->setEnabled(!m_rows.empty());
    int nSelect = 0;
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].nProdId == m_product.ProdId()) // the id: the type's text is the language's
            nSelect = static_cast<int>(i);
    if (!m_rows.empty())
        m_pList->setCurrentRow(nSelect);
    m_pList->setFocus();
}

void CChooseProduct::LoadRows()
{
    IDatabase* pDb = m_product.Database();
    if (!pDb)
    {
        GetPrompt().Message(
            QCoreApplication::translate("CChooseProduct",
                                        "The catalogue is not open, so there are no products to choose from.")
                .toStdString());
        return;
    }
    try
    {
        IQueryDef def(*pDb);
        def.Open("qProduct");
        IRecordset rows(*pDb);
        rows.Open(def);
        for (; !rows.IsEOF(); rows.MoveNext())
            m_rows.push_back({rows.GetString("ProdType"), rows.GetInt("ProdId"),
                              rows.GetString("Description"), rows.GetString("Image")});
    }
    catch (const CCatalogueError& e)
    {
        m_rows.clear();
        GetPrompt().Message(e.what());
    }
    for (std::size_t i = 0; i < m_rows.size(); ++i)
    {
        auto* pItem = new QListWidgetItem(QString::fromStdString(m_rows[i].strProdType), m_pList);
        pItem->setData(Qt::UserRole, static_cast<int>(i));
    }
}

void CChooseProduct::ShowProduct(int nRow)
{
    if (nRow < 0 || nRow >= static_cast<int>(m_rows.size()))
        return;
    const SProductRow& row =
        m_rows[static_cast<std::size_t>(m_pList->item(nRow)->data(Qt::UserRole).toInt())];
    m_pDescription->setText(QString::fromStdString(row.strDescription));
    // A product without a picture shows none, never the picture of the product before it.
    m_pPicture->Clear();
    try
    {
        if (IDatabase* pDb = m_product.Database())
            if (const auto bytes = CLoadJpeg::Load(row.strImage, *pDb))
                m_pPicture->SetJpeg(*bytes);
    }
    catch (const CCatalogueError& e)
    {
        // Said once: the same failure would follow every change of the highlighted product.
        if (!m_bPictureErrorShown)
            GetPrompt().Message(e.what());
        m_bPictureErrorShown = true;
    }
}

void CChooseProduct::OnOk()
{
    const int nRow = m_pList->currentRow();
    if (nRow < 0 || nRow >= static_cast<int>(m_rows.size()))
        return;
    const SProductRow& row =
        m_rows[static_cast<std::size_t>(m_pList->item(nRow)->data(Qt::UserRole).toInt())];
    if (row.nProdId == m_product.ProdId())
    {
        done(dlg::CloseChain);
        return;
    }
    int nAnswer = answer::Cancel;
    try
    {
        nAnswer = m_product.ConfirmSelectionChange(0);
    }
    catch (const std::exception& e)
    {
        GetPrompt().Message(e.what());
        return;
    }
    if (nAnswer == answer::Cancel)
        return;
    if (nAnswer == answer::No)
    {
        done(dlg::Cancel);
        return;
    }
    // A product this version cannot hold is refused with its message; the dialog stays open.
    if (m_product.SetProduct(row.nProdId, row.strProdType, row.strDescription))
        done(dlg::Ok);
}

void CChooseProduct::reject()
{
    done(dlg::Cancel);
}

void CChooseProduct::OnReference()
{
    m_product.ViewReferenceTopic(m_product.GetRefJump("ALL", "CChooseProduct"));
}

void CChooseProduct::OnHelp()
{
    m_product.ShowHelp("CChooseProduct");
}
