// The entry dialogs' shared frame: buttons, references, refused entries, named widgets.
#include "sizing/EntryDialog.h"

#include "controls/ComboUnit.h"
#include "controls/EditNumeric.h"
#include "controls/NamedButtons.h"
#include "controls/StaticNumeric.h"
#include "platform/Prompt.h"
#include "product/AccumulatorObject.h"
#include "product/StepDialogs.h"
#include "sizing/CheckMessages.h"
#include "units/UnitTable.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <exception>

namespace
{
QString WithoutMnemonic(QString strText)
{
    return strText.remove(QLatin1Char('&'));
}
} // namespace

CEntryDialog::CEntryDialog(CAccumulatorObject& product, const QString& strTitle, std::string strClassName,
                           QWidget* pParent)
    : QDialog(pParent), m_product(product), m_strClassName(std::move(strClassName))
{
    setWindowTitle(strTitle);
}

void CEntryDialog::SetContent(QLayout* pContent, bool bHelp)
{
    auto* pReference = NamedButton(QCoreApplication::translate("CEntryDialog", "&Reference"));
    auto* pHelp = bHelp ? NamedButton(QCoreApplication::translate("CEntryDialog", "&Help")) : nullptr;
    auto* pOk = NamedButton(QStringLiteral("OK"));
    pOk->setDefault(true);
    m_pOk = pOk;
    auto* pCancel = NamedButton(QCoreApplication::translate("CEntryDialog", "Cancel"));

    auto* pButtons = new QHBoxLayout;
    pButtons->addWidget(pReference);
    if (pHelp)
        pButtons->addWidget(pHelp);
    pButtons->addStretch();
    pButtons->addWidget(pOk);
    pButtons->addWidget(pCancel);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pContent);
    pLayout->addSpacing(8);
    pLayout->addLayout(pButtons);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);
    // Wide enough for the title, often drawn bold, beside the window's own buttons.
    QFont title = font();
    title.setBold(true);
    pLayout->addStrut(QFontMetrics(title).horizontalAdvance(windowTitle()) +
                      16 * fontMetrics().averageCharWidth());

    // The buttons come last in the tab order, after every entry of the content.
    QWidget* pBefore = pReference;
    for (QWidget* pButton :
         {static_cast<QWidget*>(pHelp), static_cast<QWidget*>(pOk), static_cast<QWidget*>(pCancel)})
        if (pButton)
        {
            setTabOrder(pBefore, pButton);
            pBefore = pButton;
        }

    connect(pOk, &QPushButton::clicked, this, &CEntryDialog::OnOkClicked);
    connect(pCancel, &QPushButton::clicked, this, &CEntryDialog::reject);
    connect(pReference, &QPushButton::clicked, this, &CEntryDialog::OnReference);
    if (pHelp)
        connect(pHelp, &QPushButton::clicked, this, &CEntryDialog::OnHelp);
}

void CEntryDialog::reject()
{
    done(dlg::Cancel);
}

void CEntryDialog::OnOkClicked()
{
    try
    {
        OnOk();
    }
    catch (const std::exception& e)
    {
        GetPrompt().Message(e.what());
    }
}

void CEntryDialog::OnReference()
{
    try
    {
        m_product.ViewReferenceTopic(m_product.GetRefJump("ALL", m_strClassName));
    }
    catch (const std::exception& e)
    {
        GetPrompt().Message(e.what());
    }
}

void CEntryDialog::OnHelp()
{
    try
    {
        m_product.ShowHelp(m_strClassName);
    }
    catch (const std::exception& e)
    {
        GetPrompt().Message(e.what());
    }
}

void CEntryDialog::MapField(const std::string& strField, QWidget* pControl)
{
    m_fields[strField] = pControl;
}

QWidget* CEntryDialog::FieldControl(const std::string& strField) const
{
    const auto it = m_fields.find(strField);
    return it == m_fields.end() ? nullptr : it->second;
}

void CEntryDialog::FocusField(const std::string& strField)
{
    QWidget* pControl = FieldControl(strField);
    if (!pControl)
        return;
    pControl->setFocus(Qt::OtherFocusReason);
    if (auto* pEdit = qobject_cast<QLineEdit*>(pControl))
        pEdit->selectAll();
}

void CEntryDialog::ShowFailure(const sizing::SCheckFailure& failure)
{
    GetPrompt().Message(failure.strMessage);
    FocusField(failure.strField);
}

QLabel* CEntryDialog::Caption(const QString& strText, QWidget* pBuddy)
{
    auto* pLabel = new QLabel(strText);
    pLabel->setAccessibleName(WithoutMnemonic(strText));
    if (pBuddy)
    {
        pLabel->setBuddy(pBuddy);
        pBuddy->setAccessibleName(WithoutMnemonic(strText));
    }
    return pLabel;
}

CEditNumeric* CEntryDialog::NumberEdit(const QString& strName)
{
    auto* pEdit = new CEditNumeric;
    pEdit->setAccessibleName(WithoutMnemonic(strName));
    pEdit->setMinimumWidth(pEdit->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 14);
    pEdit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return pEdit;
}

CEditNumeric* CEntryDialog::WholeNumberEdit(const QString& strName)
{
    CEditNumeric* pEdit = NumberEdit(strName);
    pEdit->SetLocaleDecimal(false);
    return pEdit;
}

QRadioButton* CEntryDialog::ChoiceButton(const QString& strText, QButtonGroup* pGroup, int nId)
{
    auto* pButton = new QRadioButton(strText);
    pButton->setAccessibleName(WithoutMnemonic(strText));
    pGroup->addButton(pButton, nId);
    return pButton;
}

CComboUnit* CEntryDialog::UnitCombo(const CUnitDouble& value, int nCategoryId, const QString& strName)
{
    auto* pCombo = new CComboUnit;
    pCombo->setAccessibleName(WithoutMnemonic(strName));
    const CUnitObject* pUnit = FindUnit(value.GetUnit());
    if (pUnit && pUnit->m_iCategoryID == nCategoryId)
        pCombo->FillUnits(value);
    else
    {
        // A value without a unit of this category (an old or damaged file) takes the user's default.
        pCombo->FillCategory(nCategoryId);
        if (!pCombo->SelectUnit(m_product.DefaultUnit(nCategoryId)) && pCombo->count() > 0)
            pCombo->setCurrentIndex(0);
    }
    return pCombo;
}

QLabel* CEntryDialog::FollowingUnit(CComboUnit* pCombo)
{
    auto* pLabel = new QLabel(pCombo->currentText());
    pLabel->setAccessibleName(pCombo->currentText());
    connect(pCombo, &QComboBox::currentTextChanged, pLabel,
            [pLabel](const QString& strText)
            {
                pLabel->setText(strText);
                pLabel->setAccessibleName(strText);
            });
    return pLabel;
}

CStaticNumeric* CEntryDialog::ValueText(const QString& strCaption)
{
    auto* pValue = new CStaticNumeric;
    pValue->setAccessibleName(WithoutMnemonic(strCaption));
    return pValue;
}

void CEntryDialog::NameAfterText(QLabel* pValue, const QString& strCaption)
{
    pValue->setAccessibleName(WithoutMnemonic(strCaption) + QLatin1Char(' ') + pValue->text());
}
