// The sizing dialogs' shared frame: buttons, refused entries, nested dialogs, the end of a chain.
#include "sizing/SizingDialog.h"

#include "app/DialogRunner.h"
#include "controls/ComboUnit.h"
#include "controls/EditNumeric.h"
#include "controls/NamedButtons.h"
#include "controls/StaticNumeric.h"
#include "platform/Prompt.h"
#include "product/AccumulatorObject.h"
#include "product/StepDialogs.h"
#include "sizing/CheckMessages.h"
#include "sizing/ResultDialog.h"
#include "sizing/ResultNotes.h"
#include "sizing/SizingResult.h"
#include "units/UnitTable.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <exception>

namespace
{
QString WithoutMnemonic(QString strText)
{
    return strText.remove(QLatin1Char('&'));
}

} // namespace

CSizingDialog::CSizingDialog(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                             const QString& strTitle, std::string strClassName, QWidget* pParent)
    : QDialog(pParent), m_product(product), m_working(working), m_stored(stored),
      m_strClassName(std::move(strClassName))
{
    setWindowTitle(strTitle);
}

void CSizingDialog::SetContent(QLayout* pContent)
{
    auto* pReference = NamedButton(QStringLiteral("&Reference"));
    auto* pHelp = NamedButton(QStringLiteral("&Help"));
    auto* pOk = NamedButton(QStringLiteral("OK"));
    pOk->setDefault(true);
    m_pOk = pOk;
    auto* pCancel = NamedButton(QStringLiteral("Cancel"));

    auto* pButtons = new QHBoxLayout;
    pButtons->addWidget(pReference);
    pButtons->addWidget(pHelp);
    pButtons->addStretch();
    pButtons->addWidget(pOk);
    pButtons->addWidget(pCancel);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pContent);
    pLayout->addSpacing(8);
    pLayout->addLayout(pButtons);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);

    // The buttons come last in the tab order, after every entry of the content.
    setTabOrder(pReference, pHelp);
    setTabOrder(pHelp, pOk);
    setTabOrder(pOk, pCancel);

    connect(pOk, &QPushButton::clicked, this, &CSizingDialog::OnOkClicked);
    connect(pCancel, &QPushButton::clicked, this, &CSizingDialog::reject);
    connect(pReference, &QPushButton::clicked, this, &CSizingDialog::OnReference);
    connect(pHelp, &QPushButton::clicked, this, &CSizingDialog::OnHelp);
}

void CSizingDialog::reject()
{
    done(dlg::Cancel);
}

void CSizingDialog::OnOkClicked()
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

void CSizingDialog::OnReference()
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

void CSizingDialog::OnHelp()
{
    try
    {
        m_product.OpenReferenceCategory("Help");
    }
    catch (const std::exception& e)
    {
        GetPrompt().Message(e.what());
    }
}

void CSizingDialog::MapField(const std::string& strField, QWidget* pControl)
{
    m_fields[strField] = pControl;
}

QWidget* CSizingDialog::FieldControl(const std::string& strField) const
{
    const auto it = m_fields.find(strField);
    return it == m_fields.end() ? nullptr : it->second;
}

void CSizingDialog::FocusField(const std::string& strField)
{
    QWidget* pControl = FieldControl(strField);
    if (!pControl)
        return;
    pControl->setFocus(Qt::OtherFocusReason);
    if (auto* pEdit = qobject_cast<QLineEdit*>(pControl))
        pEdit->selectAll();
}

void CSizingDialog::ShowFailure(const sizing::SCheckFailure& failure)
{
    GetPrompt().Message(failure.strMessage);
    FocusField(failure.strField);
}

int CSizingDialog::RunNested(QDialog& dialog)
{
    return GetDialogRunner().Run(dialog);
}

void CSizingDialog::Continue(int nResult, const std::function<void()>& fnCopyAccepted)
{
    if (nResult == dlg::Ok)
    {
        fnCopyAccepted();
        done(dlg::Ok);
    }
    else if (nResult == dlg::CloseChain)
        done(dlg::CloseChain);
}

void CSizingDialog::EndWithConfirmation(const std::function<void()>& fnCopyAccepted)
{
    if (m_working.IsSameAsStored())
    {
        done(dlg::CloseChain);
        return;
    }
    // Describing the application is step 1: the model and the details would be lost.
    const int nAnswer = m_product.ConfirmSelectionChange(1);
    if (nAnswer == answer::No)
        done(dlg::Cancel);
    else if (nAnswer != answer::Cancel)
    {
        if (fnCopyAccepted)
            fnCopyAccepted();
        done(dlg::Ok);
    }
}

bool CSizingDialog::PassesChecks(const std::function<sizing::CheckResult(bool bAcceptQuestions)>& fnCheck)
{
    sizing::CheckResult failure = fnCheck(false);
    if (failure && failure->bQuestion)
    {
        if (GetPrompt().YesNo(failure->strMessage) != EPromptAnswer::Yes)
        {
            FocusField(failure->strField);
            return false;
        }
        failure = fnCheck(true);
    }
    if (failure)
    {
        ShowFailure(*failure);
        return false;
    }
    return true;
}

bool CSizingDialog::Computed(const sizing::SSizingResult& result)
{
    if (result.eStatus != sizing::ESizingStatus::CannotCompute)
        return true;
    GetPrompt().Message(sizing::CannotSizeMessage(result.strReason, m_product.Messages()));
    return false;
}

void CSizingDialog::ShowResults(const std::function<void()>& fnCopyAccepted)
{
    CResultDialog results(m_product, m_working, m_stored, false, this);
    Continue(RunNested(results), fnCopyAccepted);
}

QLabel* CSizingDialog::Caption(const QString& strText, QWidget* pBuddy)
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

CEditNumeric* CSizingDialog::NumberEdit(const QString& strName)
{
    auto* pEdit = new CEditNumeric;
    pEdit->setAccessibleName(WithoutMnemonic(strName));
    pEdit->setMinimumWidth(pEdit->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 14);
    pEdit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return pEdit;
}

CComboUnit* CSizingDialog::UnitCombo(const CUnitDouble& value, int nCategoryId, const QString& strName)
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

QLabel* CSizingDialog::FollowingUnit(CComboUnit* pCombo)
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

CStaticNumeric* CSizingDialog::ValueText(const QString& strCaption)
{
    auto* pValue = new CStaticNumeric;
    pValue->setAccessibleName(WithoutMnemonic(strCaption));
    return pValue;
}

void CSizingDialog::NameAfterText(QLabel* pValue, const QString& strCaption)
{
    pValue->setAccessibleName(WithoutMnemonic(strCaption) + QLatin1Char(' ') + pValue->text());
}

void CSizingDialog::ShowMinimumPumpFlow(CStaticNumeric* pValue, const QString& strCaption,
                                        const CUnitDouble& minimum, const CComboUnit* pUnit)
{
    const std::string strUnit = pUnit->GetSelectedUnitCode();
    if (strUnit.empty())
        return;
    const double dMinimum = std::ceil(minimum.GetValue(strUnit) * 100.0 - 1e-9) / 100.0;
    pValue->SetNumberWithUnit(dMinimum, strUnit, 2, true, false);
    NameAfterText(pValue, strCaption);
}

void CSizingDialog::ShowNotAbove(CEditNumeric* pEdit, const CUnitDouble& value)
{
    // Ten decimals round to nearest: step down a last decimal at a time while the text reads above.
    double d = value.Value();
    pEdit->SetNumber(d, 10, false, true);
    for (int i = 0; i < 4 && std::isfinite(d) && pEdit->GetDouble() > value.Value(); ++i)
    {
        d = std::min(d - 1e-10, std::nextafter(d, -HUGE_VAL));
        pEdit->SetNumber(d, 10, false, true);
    }
}

void CSizingDialog::Show(CEditNumeric* pEdit, const CUnitDouble& value)
{
    pEdit->SetValue(value, 10, false, true);
}

void CSizingDialog::ShowIn(CEditNumeric* pEdit, const CUnitDouble& value, const std::string& strUnit)
{
    Show(pEdit, CUnitDouble(value.GetUnit() == strUnit ? value.Value() : value.GetValue(strUnit), strUnit));
}

void CSizingDialog::Read(CUnitDouble& field, const CEditNumeric* pEdit, const CComboUnit* pUnit)
{
    const std::string strUnit = pUnit->GetSelectedUnitCode();
    Read(field, pEdit, strUnit.empty() ? field.GetUnit() : strUnit);
}

void CSizingDialog::Read(CUnitDouble& field, const CEditNumeric* pEdit, const std::string& strUnit)
{
    field.Set(pEdit->GetDouble(), strUnit);
}
