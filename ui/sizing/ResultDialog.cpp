// "Results": fixed units and decimals, the critical event, and the confirmation of a changed selection.
#include "sizing/ResultDialog.h"

#include "catalogue/MessageKeys.h"
#include "controls/NamedButtons.h"
#include "controls/StaticNumeric.h"
#include "platform/Prompt.h"
#include "product/AccumulatorObject.h"
#include "product/StepDialogs.h"
#include "sizing/ApplicationChecks.h"
#include "sizing/GasStateDialog.h"
#include "sizing/GasStateRun.h"
#include "sizing/ResultNotes.h"
#include "sizing/SizingComparison.h"
#include "sizing/SizingComparisonPanel.h"
#include "units/NumberFormat.h"
#include "units/UnitTable.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>

namespace
{
const char* const kCapacity = QT_TRANSLATE_NOOP("CResultDialog", "Required Accumulator Capacity:");
const char* const kPrecharge = QT_TRANSLATE_NOOP("CResultDialog", "Precharge Pressure:");
const char* const kExponent = QT_TRANSLATE_NOOP("CResultDialog", "Polytropic Exponent:");
const char* const kCharging = QT_TRANSLATE_NOOP("CResultDialog", "Polytropic Exponent Charging:");
} // namespace

CResultDialog::CResultDialog(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                             bool bDisplayOnly, QWidget* pParent)
    : CSizingDialog(product, working, stored, QCoreApplication::translate("CResultDialog", "Results"),
                    "CResultDialog", pParent),
      m_bDisplayOnly(bDisplayOnly)
{
    const QString captions[] = {QCoreApplication::translate("CResultDialog", kCapacity),
                                QCoreApplication::translate("CResultDialog", kCapacity),
                                QCoreApplication::translate("CResultDialog", kCapacity),
                                QCoreApplication::translate("CResultDialog", kPrecharge),
                                QCoreApplication::translate("CResultDialog", kPrecharge),
                                QCoreApplication::translate("CResultDialog", kExponent),
                                QCoreApplication::translate("CResultDialog", kCharging)};
    for (int i = 0; i < 7; ++i)
    {
        m_figures[i] = ValueText(captions[i]);
        m_figures[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    m_pChargingCaption = Caption(QCoreApplication::translate("CResultDialog", kCharging));
    m_pCriticalEvent = new QLabel;
    m_pCriticalEvent->setWordWrap(true);
    m_pCriticalEvent->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* pGrid = new QGridLayout;
    pGrid->setHorizontalSpacing(18);
    pGrid->addWidget(Caption(QCoreApplication::translate("CResultDialog", kCapacity)), 0, 0);
    for (int i = 0; i < 3; ++i)
        pGrid->addWidget(m_figures[i], 0, 1 + i);
    pGrid->addWidget(Caption(QCoreApplication::translate("CResultDialog", kPrecharge)), 1, 0);
    pGrid->addWidget(m_figures[3], 1, 1);
    pGrid->addWidget(m_figures[4], 1, 2);
    pGrid->addWidget(Caption(QCoreApplication::translate("CResultDialog", kExponent)), 2, 0);
    pGrid->addWidget(m_figures[5], 2, 1);
    pGrid->addWidget(m_pChargingCaption, 3, 0);
    pGrid->addWidget(m_figures[6], 3, 1);
    m_pGasState = NamedButton(QCoreApplication::translate("CResultDialog", "Gas State..."));
    connect(m_pGasState, &QPushButton::clicked, this, &CResultDialog::OnGasState);
    auto* pGasRow = new QHBoxLayout;
    pGasRow->addStretch();
    pGasRow->addWidget(m_pGasState);

    const bool bRequired = working.sdRequiredAccumulatorVol.Value() > 0.0;
    m_pComparison = new CSizingComparisonPanel(
        working, bRequired ? sizing::CompareSizing(working) : sizing::SSizingComparison{});

    auto* pContent = new QVBoxLayout;
    pContent->addLayout(pGrid);
    pContent->addWidget(m_pCriticalEvent);
    pContent->addWidget(m_pComparison);
    pContent->addLayout(pGasRow);
    SetContent(pContent);
    // Nothing to enter: the results are read and confirmed.
    OkButton()->setFocus();

    try
    {
        ShowFigures();
    }
    catch (const std::exception& e)
    {
        GetPrompt().Message(e.what());
    }
}

void CResultDialog::ShowFigures()
{
    const CUnitDouble& volume = m_working.sdRequiredAccumulatorVol;
    const bool bRequired = volume.Value() > 0.0;
    const CUnitDouble shown = bRequired ? volume : CUnitDouble(0.0, "CU_IN");
    m_figures[0]->SetValueIn(shown, "CU_IN", 1, true, false);
    m_figures[1]->SetValueIn(shown, "GAL", 2, true, false);
    m_figures[2]->SetValueIn(shown, "L", 2, true, false);
    m_figures[3]->SetValueIn(m_working.sdPrechargePress, "PSIG", 0, true, true);
    m_figures[4]->SetValueIn(m_working.sdPrechargePress, "BARG", 1, true, false);
    m_figures[5]->setText(
        QString::fromStdString(FormatExponent(bRequired ? m_working.sdPolyTropicExponent.Value() : 0.0)));
    m_figures[6]->setText(
        QString::fromStdString(FormatExponent(bRequired ? m_working.sdPolyTropicExponentCharging.Value() : 0.0)));
    const QString captions[] = {QCoreApplication::translate("CResultDialog", kCapacity),
                                QCoreApplication::translate("CResultDialog", kCapacity),
                                QCoreApplication::translate("CResultDialog", kCapacity),
                                QCoreApplication::translate("CResultDialog", kPrecharge),
                                QCoreApplication::translate("CResultDialog", kPrecharge),
                                QCoreApplication::translate("CResultDialog", kExponent),
                                QCoreApplication::translate("CResultDialog", kCharging)};
    for (int i = 0; i < 7; ++i)
        NameAfterText(m_figures[i], captions[i]);

    const bool bCharging = m_working.sdPolyTropicExponentCharging.Value() != 0.0;
    m_pChargingCaption->setVisible(bCharging);
    m_figures[6]->setVisible(bCharging);

    // The note under the figures: the critical event of a cycle, or what a shock sizing used
    // besides its entries (line diameter, fluid density, assumed temperature), so it can be checked.
    std::string strNote;
    if (bRequired)
    {
        strNote = sizing::CriticalEventText(m_working, m_product.Messages());
        if (strNote.empty())
            strNote = sizing::ShockInputsText(m_working, m_product.Messages());
    }
    const QString strCritical = QString::fromStdString(strNote);
    m_pCriticalEvent->setText(strCritical);
    m_pCriticalEvent->setAccessibleName(strCritical);
    m_pCriticalEvent->setVisible(!strCritical.isEmpty());

    m_pGasState->setEnabled(bRequired && sizing::DischargeRun(m_working).has_value());

    if (!bRequired)
        GetPrompt().Message(m_product.Messages().GetMessage(msg::kNoAccumulatorRequired));
}

void CResultDialog::OnGasState()
{
    CGasStateDialog dialog(m_working, m_product.DefaultUnit(UnitCategory::Volume), this);
    RunNested(dialog);
}

void CResultDialog::OnOk()
{
    if (const sizing::CheckResult failure = sizing::CheckResultVolume(m_working, m_product.Messages()))
    {
        // The user leaves with Cancel and changes the application's entries.
        GetPrompt().Message(failure->strMessage);
        return;
    }
    if (m_bDisplayOnly)
    {
        done(dlg::Ok);
        return;
    }
    EndWithConfirmation();
}
