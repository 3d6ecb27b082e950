// "Fluid Compatibility": fluid, temperature range and unit, the search with its checks and
// three outcomes, the seal classes found, and OK's rules.
#include "models/FluidCompatability.h"

#include "catalogue/Catalogue.h"
#include "catalogue/MessageKeys.h"
#include "controls/ComboUnit.h"
#include "controls/EditNumeric.h"
#include "controls/NamedButtons.h"
#include "models/ModelDialogs.h"
#include "platform/Prompt.h"
#include "product/AccumulatorObject.h"
#include "product/StepDialogs.h"
#include "units/UnitConvMap.h"
#include "units/UnitTable.h"

#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace
{
CEditNumeric* TemperatureEdit(QWidget* pParent)
{
    auto* pEdit = new CEditNumeric(pParent);
    pEdit->SetAllowMinus(true);
    pEdit->SetAllowPoint(true);
    pEdit->SetShowZero(true);
    pEdit->setMaximumWidth(pEdit->fontMetrics().averageCharWidth() * 12);
    return pEdit;
}

// The entry's number; nothing for an entry without a digit.
std::optional<double> Entered(const CEditNumeric& edit)
{
    const QString strText = edit.GetText();
    for (const QChar ch : strText)
        if (ch.isDigit())
            return edit.GetDouble();
    return std::nullopt;
}

QString Number(double dValue)
{
    return QString::fromStdString(CUnitConvMap::FormatNumberString(dValue, 6, false, true));
}
} // namespace

CFluidCompatability::CFluidCompatability(CAccumulatorObject& product, const std::string& strAccumType,
                                         const std::optional<SFluidSearchResult>& former, QWidget* pParent)
    : QDialog(pParent), m_product(product), m_strAccumType(strAccumType)
{
    using namespace modeldlg;
    setWindowTitle(QCoreApplication::translate("CFluidCompatability", "Fluid Compatibility"));

    m_pFluid = new QComboBox(this);
    m_pFluid->setEditable(true);
    m_pFluid->setInsertPolicy(QComboBox::NoInsert);
    m_pFluid->setMaxVisibleItems(15);
    m_pFluid->completer()->setCompletionMode(QCompleter::PopupCompletion);
    m_pFluid->completer()->setFilterMode(Qt::MatchContains);
    m_pFluid->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    QLabel* pFluidCaption =
        Caption(QCoreApplication::translate("CFluidCompatability", "&Fluid:"), this, m_pFluid);
    m_pFluid->lineEdit()->setAccessibleName(m_pFluid->accessibleName());
    m_pHigh = TemperatureEdit(this);
    QLabel* pHighCaption =
        Caption(QCoreApplication::translate("CFluidCompatability", "High Temp."), this, m_pHigh);
    m_pLow = TemperatureEdit(this);
    QLabel* pLowCaption =
        Caption(QCoreApplication::translate("CFluidCompatability", "Low Temp."), this, m_pLow);
    m_pUnit = new CComboUnit(this);
    QLabel* pUnitCaption =
        Caption(QCoreApplication::translate("CFluidCompatability", "&Unit:"), this, m_pUnit);
    m_pSearch = NamedButton(QCoreApplication::translate("CFluidCompatability", "&Search"), this);

    m_pResults = new QTreeWidget(this);
    m_pResults->setAccessibleName(QCoreApplication::translate("CFluidCompatability", "Seal classes found"));
    m_pResults->setRootIsDecorated(false);
    m_pResults->setHeaderLabels({QCoreApplication::translate("CFluidCompatability", "Seal Class"),
                                 QCoreApplication::translate("CFluidCompatability", "Low"),
                                 QCoreApplication::translate("CFluidCompatability", "Unit"),
                                 QCoreApplication::translate("CFluidCompatability", "High")});
    m_pResults->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_pResults->header()->setStretchLastSection(false);
    m_pResults->setMinimumSize(460, m_pResults->fontMetrics().lineSpacing() * 8);
    m_pOutcome = new QLabel(this);
    m_pOutcome->setWordWrap(true);
    m_pOutcome->setAccessibleName(QCoreApplication::translate("CFluidCompatability", "Search result"));

    const SButtonRow buttons = ButtonRow(this);
    m_pOk = buttons.pOk;

    auto* pEntries = new QGridLayout;
    pEntries->addWidget(pFluidCaption, 0, 0);
    pEntries->addWidget(m_pFluid, 0, 1, 1, 5);
    pEntries->addWidget(pHighCaption, 1, 0);
    pEntries->addWidget(m_pHigh, 1, 1);
    pEntries->addWidget(pLowCaption, 1, 2);
    pEntries->addWidget(m_pLow, 1, 3);
    pEntries->addWidget(pUnitCaption, 1, 4);
    pEntries->addWidget(m_pUnit, 1, 5);
    pEntries->addWidget(m_pSearch, 1, 6);
    pEntries->setColumnStretch(5, 1);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pEntries);
    pLayout->addWidget(m_pResults, 1);
    pLayout->addWidget(m_pOutcome);
    pLayout->addLayout(buttons.pLayout);

    // Enter searches until there is something to choose; then it accepts the choice.
    m_pSearch->setDefault(true);
    connect(m_pSearch, &QPushButton::clicked, this, &CFluidCompatability::OnSearch);
    connect(m_pOk, &QPushButton::clicked, this, &CFluidCompatability::OnOk);
    connect(buttons.pCancel, &QPushButton::clicked, this, &CFluidCompatability::reject);
    connect(buttons.pReference, &QPushButton::clicked, this, &CFluidCompatability::OnReference);
    connect(buttons.pHelp, &QPushButton::clicked, this, &CFluidCompatability::OnHelp);
    connect(m_pResults, &QTreeWidget::itemDoubleClicked, this, &CFluidCompatability::OnOk);
    auto searchAgain = [this] { m_pSearch->setDefault(true); };
    connect(m_pFluid, &QComboBox::editTextChanged, this, searchAgain);
    connect(m_pHigh, &QLineEdit::textEdited, this, searchAgain);
    connect(m_pLow, &QLineEdit::textEdited, this, searchAgain);

    if (IDatabase* pDb = m_product.Database())
        Guarded(
            [&]
            {
                for (const std::string& strName : FluidNames(*pDb))
                    m_pFluid->addItem(QString::fromStdString(strName));
            });
    m_pUnit->FillCategory(UnitCategory::Temperature);
    if (former)
    {
        m_pFluid->setEditText(QString::fromStdString(former->strFluid));
        m_pHigh->SetValue(former->maxEntered, 6, false, true);
        m_pLow->SetValue(former->minEntered, 6, false, true);
    }
    else
    {
        m_pFluid->setEditText(QString());
    }
    if (!(former && m_pUnit->SelectUnit(former->minEntered.GetUnit())) &&
        !m_pUnit->SelectUnit(m_product.DefaultUnit(UnitCategory::Temperature)))
        m_pUnit->SelectUnit("DEG_F");
    m_pFluid->setFocus();
}

void CFluidCompatability::OnSearch()
{
    const SFluidSearchCheck check = CheckFluidSearch(Entered(*m_pHigh), Entered(*m_pLow));
    if (!check.strMessageKey.empty())
    {
        modeldlg::ShowMessage(m_product, check.strMessageKey);
        CEditNumeric* pEntry = check.eEntry == ETemperatureEntry::Low ? m_pLow : m_pHigh;
        pEntry->setFocus();
        pEntry->selectAll();
        return;
    }
    IDatabase* pDb = m_product.Database();
    if (!pDb)
        return;
    const std::string strFluid = m_pFluid->currentText().trimmed().toStdString();
    const std::string strUnit = m_pUnit->GetSelectedUnitCode();
    const double dHigh = m_pHigh->GetDouble();
    const double dLow = m_pLow->GetDouble();
    SSealSearch search;
    if (!modeldlg::Guarded([&]
                           { search = RunSealSearch(m_strAccumType, strFluid, strUnit, dLow, dHigh, *pDb); }))
        return;
    m_search = search;
    m_strSearchedFluid = strFluid;
    m_searchedHigh = CUnitDouble(dHigh, strUnit);
    m_searchedLow = CUnitDouble(dLow, strUnit);

    m_pResults->clear();
    for (const SSealClassElement& row : search.rows)
    {
        auto* pItem = new QTreeWidgetItem(
            m_pResults, {QString::fromStdString(row.strDescription), Number(row.dTempLow),
                         QString::fromStdString(UnitDisplayText(row.strUnits)), Number(row.dTempHigh)});
        for (int c = 1; c <= 3; c += 2)
            pItem->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }
    for (int c = 1; c <= 3; ++c)
        m_pResults->resizeColumnToContents(c);
    m_strOutcome = modeldlg::Message(m_product, search.strMessageKey);
    m_pOutcome->setText(QString::fromStdString(m_strOutcome));
    GetPrompt().Message(m_strOutcome);
    // With seal classes to choose from, Enter accepts the one clicked.
    if (!search.rows.empty())
        m_pOk->setDefault(true);
}

void CFluidCompatability::OnOk()
{
    if (!m_search)
    {
        modeldlg::ShowMessage(m_product, msg::kSearchFirst);
        return;
    }
    const QTreeWidgetItem* pItem = m_pResults->currentItem();
    const int nRow =
        pItem && pItem->isSelected() ? m_pResults->indexOfTopLevelItem(m_pResults->currentItem()) : -1;
    if (nRow < 0 || nRow >= static_cast<int>(m_search->rows.size()))
    {
        modeldlg::ShowMessage(m_product, msg::kSelectFromList);
        m_pResults->setFocus();
        return;
    }
    const SSealClassElement& row = m_search->rows[static_cast<std::size_t>(nRow)];
    m_seal = row.code;
    m_result = MakeFluidSearchResult(row, m_strSearchedFluid, m_searchedHigh, m_searchedLow, m_strOutcome);
    done(dlg::Ok);
}

void CFluidCompatability::reject()
{
    done(dlg::Cancel);
}

void CFluidCompatability::OnReference()
{
    modeldlg::OpenReference(m_product, std::string(), "CFluidCompatability");
}

void CFluidCompatability::OnHelp()
{
    modeldlg::OpenHelp(m_product, "CFluidCompatability");
}
