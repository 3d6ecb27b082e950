// "Supplementing Pump Flow": entries, optimal precharges, checks, the calculation and the results.
#include "sizing/SupPumpFlow.h"

#include "controls/ComboUnit.h"
#include "controls/EditNumeric.h"
#include "controls/StaticNumeric.h"
#include "platform/Prompt.h"
#include "product/AccumulatorObject.h"
#include "sizing/ApplicationChecks.h"
#include "sizing/ResultDialog.h"
#include "sizing/SizeApplication.h"
#include "units/UnitTable.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

namespace
{
const QString kMinimumPump = QStringLiteral("Minimum Pump Required:");
const QString kRunning = QStringLiteral("Is the Pump Running During Actuation:");
const QString kIHaveText = QStringLiteral("I have a Precharge Pressure of:");
const QString kPistonText = QStringLiteral("For a Piston Accumulator:");
const QString kBladderText = QStringLiteral("For a Bladder / Diaphragm Accumulator:");

QRadioButton* Choice(const QString& strText, QButtonGroup* pGroup, int nId)
{
    auto* pButton = new QRadioButton(strText);
    pButton->setAccessibleName(strText);
    pGroup->addButton(pButton, nId);
    return pButton;
}
} // namespace

CSupPumpFlow::CSupPumpFlow(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                           QWidget* pParent)
    : CSizingDialog(product, working, stored, QStringLiteral("Supplementing Pump Flow"), "CSupPumpFlow",
                    pParent),
      m_pRunning(new QButtonGroup(this)), m_pPrechargeChoice(new QButtonGroup(this))
{
    const QString strPumpSize = QStringLiteral("Pump Size:");
    const QString strMax = QStringLiteral("Maximum System Pressure:");
    const QString strMin = QStringLiteral("Minimum System Pressure:");
    const QString strTemperature = QStringLiteral("System Temperature:");

    m_pMinimumPump = ValueText(kMinimumPump);
    m_pPumpSize = NumberEdit(strPumpSize);
    m_pFlowUnit =
        UnitCombo(m_working.sdEnterPumpSize, UnitCategory::FlowRate, QStringLiteral("Pump Size unit"));
    QRadioButton* pYes = Choice(QStringLiteral("Yes"), m_pRunning, 1);
    QRadioButton* pNo = Choice(QStringLiteral("No"), m_pRunning, 0);
    pYes->setAccessibleDescription(kRunning);
    pNo->setAccessibleDescription(kRunning);
    m_pMax = NumberEdit(strMax);
    m_pPressureUnit =
        UnitCombo(m_working.sdMaxSysPress, UnitCategory::Pressure, QStringLiteral("Pressure unit"));
    m_pMin = NumberEdit(strMin);
    m_pTemperature = NumberEdit(strTemperature);
    m_pTemperature->SetAllowMinus(true);
    m_pTemperatureUnit = UnitCombo(m_working.sdSysTemperature, UnitCategory::Temperature,
                                   QStringLiteral("System Temperature unit"));

    auto* pRunningRow = new QHBoxLayout;
    pRunningRow->addWidget(pYes);
    pRunningRow->addWidget(pNo);
    pRunningRow->addStretch();

    auto* pGrid = new QGridLayout;
    pGrid->addWidget(Caption(kMinimumPump), 0, 0);
    pGrid->addWidget(m_pMinimumPump, 0, 1);
    pGrid->addWidget(Caption(strPumpSize, m_pPumpSize), 1, 0);
    pGrid->addWidget(m_pPumpSize, 1, 1);
    pGrid->addWidget(m_pFlowUnit, 1, 2);
    pGrid->addWidget(Caption(kRunning), 2, 0);
    pGrid->addLayout(pRunningRow, 2, 1, 1, 2);
    pGrid->addWidget(Caption(strMax, m_pMax), 3, 0);
    pGrid->addWidget(m_pMax, 3, 1);
    pGrid->addWidget(m_pPressureUnit, 3, 2);
    pGrid->addWidget(Caption(strMin, m_pMin), 4, 0);
    pGrid->addWidget(m_pMin, 4, 1);
    pGrid->addWidget(FollowingUnit(m_pPressureUnit), 4, 2);
    pGrid->addWidget(Caption(strTemperature, m_pTemperature), 5, 0);
    pGrid->addWidget(m_pTemperature, 5, 1);
    pGrid->addWidget(m_pTemperatureUnit, 5, 2);

    auto* pPrechargeBox = new QGroupBox(QStringLiteral("Precharge Pressure"));
    pPrechargeBox->setAccessibleName(pPrechargeBox->title());
    m_pPrecharge = NumberEdit(kIHaveText);
    m_pPistonOptimum = ValueText(kPistonText);
    m_pBladderOptimum = ValueText(kBladderText);
    QRadioButton* pIHave = Choice(kIHaveText, m_pPrechargeChoice, kIHave);
    auto* pPrechargeGrid = new QGridLayout(pPrechargeBox);
    pPrechargeGrid->addWidget(pIHave, 0, 0);
    pPrechargeGrid->addWidget(m_pPrecharge, 0, 1);
    pPrechargeGrid->addWidget(FollowingUnit(m_pPressureUnit), 0, 2);
    pPrechargeGrid->addWidget(Choice(kPistonText, m_pPrechargeChoice, kPiston), 1, 0);
    pPrechargeGrid->addWidget(m_pPistonOptimum, 1, 1, 1, 2);
    pPrechargeGrid->addWidget(Choice(kBladderText, m_pPrechargeChoice, kBladder), 2, 0);
    pPrechargeGrid->addWidget(m_pBladderOptimum, 2, 1, 1, 2);
    pPrechargeGrid->setColumnStretch(2, 1);

    auto* pContent = new QVBoxLayout;
    pContent->addLayout(pGrid);
    pContent->addWidget(pPrechargeBox);
    SetContent(pContent);
    setTabOrder(m_pPumpSize, m_pFlowUnit);
    setTabOrder(m_pFlowUnit, pYes);
    setTabOrder(pYes, pNo);
    setTabOrder(pNo, m_pMax);
    setTabOrder(m_pMax, m_pPressureUnit);
    setTabOrder(m_pPressureUnit, m_pMin);
    setTabOrder(m_pMin, m_pTemperature);
    setTabOrder(m_pTemperature, m_pTemperatureUnit);
    setTabOrder(m_pTemperatureUnit, pIHave);
    setTabOrder(pIHave, m_pPrecharge);

    MapField("sdEnterPumpSize", m_pPumpSize);
    MapField("sdMaxSysPress", m_pMax);
    MapField("sdMinSysPress", m_pMin);
    MapField("sdSysTemperature", m_pTemperature);
    MapField("sdPrechargePress", m_pPrecharge);

    // Minimum and precharge share the maximum's unit.
    const std::string strPressure = m_pPressureUnit->GetSelectedUnitCode();
    Show(m_pPumpSize, m_working.sdEnterPumpSize);
    PumpRunning(m_working.bIsPumpRunning != 0)->setChecked(true);
    ShowIn(m_pMax, m_working.sdMaxSysPress, strPressure);
    ShowIn(m_pMin, m_working.sdMinSysPress, strPressure);
    Show(m_pTemperature, m_working.sdSysTemperature);
    ShowIn(m_pPrecharge, m_working.sdPrechargePress, strPressure);
    const int nChoice = m_working.bPrechargeIHaveUseCalc != 0      ? kIHave
                        : m_working.bPrechargePistonOrBladder != 0 ? kPiston
                                                                   : kBladder;
    PrechargeChoice(nChoice)->setChecked(true);
    m_pPrecharge->setEnabled(nChoice == kIHave);
    ShowMinimumPump();
    RecomputeOptima();

    connect(m_pFlowUnit, &QComboBox::currentIndexChanged, this, &CSupPumpFlow::ShowMinimumPump);
    connect(m_pMin, &QLineEdit::textChanged, this, &CSupPumpFlow::RecomputeOptima);
    connect(m_pPressureUnit, &QComboBox::currentIndexChanged, this, &CSupPumpFlow::RecomputeOptima);
    connect(m_pPrechargeChoice, &QButtonGroup::idClicked, this,
            [this](int nId)
            {
                m_pPrecharge->setEnabled(nId == kIHave);
                if (nId == kIHave)
                {
                    m_pPrecharge->setFocus();
                    m_pPrecharge->selectAll();
                }
            });
    m_pPumpSize->setFocus();
}

QRadioButton* CSupPumpFlow::PumpRunning(bool bYes) const
{
    return qobject_cast<QRadioButton*>(m_pRunning->button(bYes ? 1 : 0));
}

QRadioButton* CSupPumpFlow::PrechargeChoice(int nChoice) const
{
    return qobject_cast<QRadioButton*>(m_pPrechargeChoice->button(nChoice));
}

void CSupPumpFlow::ShowMinimumPump()
{
    const std::string strUnit = m_pFlowUnit->GetSelectedUnitCode();
    if (strUnit.empty())
        return;
    // Rounded up, so that a pump of the size shown passes the check against the exact minimum.
    const double dMinimum = std::ceil(m_working.sdMinPumpFlow.GetValue(strUnit) * 100.0 - 1e-9) / 100.0;
    m_pMinimumPump->SetNumberWithUnit(dMinimum, strUnit, 2, true, false);
    NameAfterText(m_pMinimumPump, kMinimumPump);
}

void CSupPumpFlow::RecomputeOptima()
{
    const std::string strUnit = m_pPressureUnit->GetSelectedUnitCode();
    if (strUnit.empty())
        return;
    m_optima = sizing::OptimalPrechargesFromGauge(CUnitDouble(m_pMin->GetDouble(), strUnit));
    // Without a minimum pressure there is nothing to optimise; a number would only mislead.
    if (m_pMin->GetDouble() > 0.0)
    {
        m_pPistonOptimum->SetValue(m_optima.piston, 2, true, false);
        m_pBladderOptimum->SetValue(m_optima.bladder, 2, true, false);
    }
    else
    {
        m_pPistonOptimum->clear();
        m_pBladderOptimum->clear();
    }
    NameAfterText(m_pPistonOptimum, kPistonText);
    NameAfterText(m_pBladderOptimum, kBladderText);
}

void CSupPumpFlow::ReadEntries()
{
    Read(m_working.sdEnterPumpSize, m_pPumpSize, m_pFlowUnit);
    m_working.bIsPumpRunning = m_pRunning->checkedId() == 1 ? 1 : 0;
    Read(m_working.sdMaxSysPress, m_pMax, m_pPressureUnit);
    const std::string strPressure = m_working.sdMaxSysPress.GetUnit();
    Read(m_working.sdMinSysPress, m_pMin, strPressure);
    Read(m_working.sdSysTemperature, m_pTemperature, m_pTemperatureUnit);
    const int nChoice = m_pPrechargeChoice->checkedId();
    m_working.bPrechargeIHaveUseCalc = nChoice == kIHave ? 1 : 0;
    if (nChoice == kIHave)
        Read(m_working.sdPrechargePress, m_pPrecharge, strPressure);
    else
        m_working.bPrechargePistonOrBladder = nChoice == kPiston ? 1 : 0;
    m_optima = sizing::OptimalPrechargesFromGauge(m_working.sdMinSysPress);
    sizing::ApplyPrechargeChoice(m_working, m_optima);
}

void CSupPumpFlow::OnOk()
{
    ReadEntries();
    const CIMsgStoredProc& messages = m_product.Messages();
    sizing::CheckResult failure = sizing::CheckSupplementingPumpFlow(m_working, m_optima, messages, false);
    if (failure && failure->bQuestion)
    {
        // "Precharge Too High": No goes back to the precharge; Yes keeps it and goes on.
        if (GetPrompt().YesNo(failure->strMessage) != EPromptAnswer::Yes)
        {
            FocusField(failure->strField);
            return;
        }
        failure = sizing::CheckSupplementingPumpFlow(m_working, m_optima, messages, true);
    }
    if (failure)
    {
        ShowFailure(*failure);
        return;
    }
    const sizing::SSizingResult result = sizing::CalculateSupplementingPumpFlow(m_working);
    if (result.eStatus == sizing::ESizingStatus::CannotCompute)
    {
        GetPrompt().Message("The accumulator cannot be sized with these entries: " + result.strReason + ".");
        return;
    }

    CResultDialog results(m_product, m_working, m_stored, false, this);
    Continue(RunNested(results),
             [this]
             {
                 m_stored.sdEnterPumpSize = m_working.sdEnterPumpSize;
                 m_stored.sdMaxSysPress = m_working.sdMaxSysPress;
                 m_stored.sdMinSysPress = m_working.sdMinSysPress;
                 m_stored.sdSysTemperature = m_working.sdSysTemperature;
                 m_stored.sdPrechargePress = m_working.sdPrechargePress;
                 m_stored.bIsPumpRunning = m_working.bIsPumpRunning;
                 m_stored.bPrechargeIHaveUseCalc = m_working.bPrechargeIHaveUseCalc;
                 m_stored.bPrechargePistonOrBladder = m_working.bPrechargePistonOrBladder;
                 m_stored.sdVolRatio = m_working.sdVolRatio;
                 m_stored.sdVolDefci = m_working.sdVolDefci;
                 m_stored.sdPolyTropicExponent = m_working.sdPolyTropicExponent;
                 m_stored.sdPolyTropicExponentCharging = m_working.sdPolyTropicExponentCharging;
                 m_stored.sdRequiredAccumulatorVol = m_working.sdRequiredAccumulatorVol;
             });
}
