// The sizing dialogs' shared frame: nested dialogs, the end of a chain, entries of the selection.
#include "sizing/SizingDialog.h"

#include "app/DialogRunner.h"
#include "app/OperatingRangeSetting.h"
#include "controls/ComboUnit.h"
#include "controls/EditNumeric.h"
#include "controls/NamedButtons.h"
#include "controls/StaticNumeric.h"
#include "platform/Prompt.h"
#include "platform/Settings.h"
#include "product/AccumulatorObject.h"
#include "product/ProductHost.h"
#include "product/StepDialogs.h"
#include "sizing/CheckMessages.h"
#include "sizing/OperatingRangeGroup.h"
#include "sizing/ResultDialog.h"
#include "sizing/ResultNotes.h"
#include "sizing/SizingComparison.h"
#include "sizing/SizingResult.h"
#include "units/UnitTable.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <exception>

CSizingDialog::CSizingDialog(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                             const QString& strTitle, std::string strClassName, QWidget* pParent)
    : CEntryDialog(product, strTitle, std::move(strClassName), pParent), m_working(working), m_stored(stored)
{
}

void CSizingDialog::SetSizingContent(QLayout* pContent)
{
    SOperatingTemperatures range = m_working.m_operatingTemperatures;
    const ISettings* pSettings = m_product.Host().UserSettings();
    if (range.IsEmpty() && pSettings)
        range = ReadLastOperatingRange(*pSettings);
    const CUnitDouble& system = m_working.sdSysTemperature;
    const std::string strUnit = IsUnitOfCategory(system.GetUnit(), UnitCategory::Temperature)
                                    ? system.GetUnit()
                                    : m_product.DefaultUnit(UnitCategory::Temperature);
    m_pRange = new COperatingRangeGroup(range, strUnit);
    MapField("sdOperatingTempMin", m_pRange->Minimum());
    MapField("sdOperatingTempMax", m_pRange->Maximum());
    auto* pLayout = new QVBoxLayout;
    pLayout->addLayout(pContent);
    pLayout->addWidget(m_pRange);
    SetContent(pLayout);
}

bool CSizingDialog::AcceptOperatingRange()
{
    if (!m_pRange)
        return true;
    m_working.m_operatingTemperatures = m_pRange->Read();
    if (const sizing::CheckResult failure = sizing::CheckOperatingTemperatures(m_working, m_product.Messages()))
    {
        ShowFailure(*failure);
        return false;
    }
    RememberOperatingRange();
    return true;
}

void CSizingDialog::RememberOperatingRange() const
{
    if (ISettings* pSettings = m_product.Host().UserSettings())
        WriteLastOperatingRange(*pSettings, m_working.m_operatingTemperatures);
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
        // The range changes no result of a later step: it is taken over without asking.
        if (CAccumulatorData* pCurrent = m_product.AccumulatorData())
            pCurrent->m_operatingTemperatures = m_working.m_operatingTemperatures;
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
    if (!AcceptOperatingRange())
        return;
    CResultDialog results(m_product, m_working, m_stored, false, this);
    Continue(RunNested(results),
             [this, &fnCopyAccepted]
             {
                 fnCopyAccepted();
                 m_stored.m_operatingTemperatures = m_working.m_operatingTemperatures;
             });
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
