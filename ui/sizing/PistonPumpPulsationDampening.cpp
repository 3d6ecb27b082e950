// "Piston Pump Pulsation Dampening": the values shown as the entries change, the piston limit, the
// checks, the closed-form volume and the results.
#include "sizing/PistonPumpPulsationDampening.h"

#include "controls/ComboUnit.h"
#include "controls/EditNumeric.h"
#include "controls/StaticNumeric.h"
#include "platform/Prompt.h"
#include "product/AccumulatorObject.h"
#include "sizing/ApplicationChecks.h"
#include "sizing/Pulsation.h"
#include "sizing/ShockSuppression.h"
#include "sizing/SizeApplication.h"
#include "units/UnitTable.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{
const char* const kComputed =
    QT_TRANSLATE_NOOP("CPistonPumpPulsationDampening", "Maximum Allowable Shock Pressure:");
const char* const kCalculatedDisp = QT_TRANSLATE_NOOP("CPistonPumpPulsationDampening", "Calculated Rate:");
const char* const kCalculatedPrecharge =
    QT_TRANSLATE_NOOP("CPistonPumpPulsationDampening", "Use the calculated optimal Precharge Pressure:");

} // namespace

CPistonPumpPulsationDampening::CPistonPumpPulsationDampening(CAccumulatorObject& product,
                                                             CAccumulatorData& working,
                                                             CAccumulatorData& stored, QWidget* pParent)
    : CSizingDialog(
          product, working, stored,
          QCoreApplication::translate("CPistonPumpPulsationDampening", "Piston Pump Pulsation Dampening"),
          "CPistonPumpPulsationDampening", pParent),
      m_pDisplacementChoice(new QButtonGroup(this)), m_pAction(new QButtonGroup(this)),
      m_pPrechargeChoice(new QButtonGroup(this))
{
    const QString strSystem =
        QCoreApplication::translate("CPistonPumpPulsationDampening", "System Pressure:");
    const QString strShock = QCoreApplication::translate("CPistonPumpPulsationDampening",
                                                         "Maximum Allowable Shock Pressure (entered):");
    const QString strPistons =
        QCoreApplication::translate("CPistonPumpPulsationDampening", "Number of Pistons in Pump:");
    m_pSystem = NumberEdit(strSystem);
    m_pPressureUnit =
        UnitCombo(m_working.sdMaxSysPress, UnitCategory::Pressure,
                  QCoreApplication::translate("CPistonPumpPulsationDampening", "Pressure unit"));
    m_pShock = NumberEdit(strShock);
    m_pComputed = ValueText(QCoreApplication::translate("CPistonPumpPulsationDampening", kComputed));
    m_pPistons = WholeNumberEdit(strPistons);
    m_pDisplacement = NumberEdit(
        QCoreApplication::translate("CPistonPumpPulsationDampening", "Enter Pump Displacement Directly:"));
    m_pDisplacementUnit =
        UnitCombo(m_working.sdPulsationPumpDisp, UnitCategory::Displacement,
                  QCoreApplication::translate("CPistonPumpPulsationDampening", "Pump displacement unit"));
    m_pFlow = NumberEdit(QCoreApplication::translate("CPistonPumpPulsationDampening", "Flow Rate:"));
    m_pFlowUnit = UnitCombo(m_working.sdFlowRate, UnitCategory::FlowRate,
                            QCoreApplication::translate("CPistonPumpPulsationDampening", "Flow rate unit"));
    m_pSpeed = WholeNumberEdit(QCoreApplication::translate("CPistonPumpPulsationDampening", "Pump Speed"));
    m_pCalculatedDisp =
        ValueText(QCoreApplication::translate("CPistonPumpPulsationDampening", kCalculatedDisp));
    m_pTemperature = NumberEdit(QCoreApplication::translate("CPistonPumpPulsationDampening", "Estimated:"));
    m_pTemperature->SetAllowMinus(true);
    m_pTemperatureUnit =
        UnitCombo(m_working.sdSysTemperature, UnitCategory::Temperature,
                  QCoreApplication::translate("CPistonPumpPulsationDampening", "System Temperature unit"));
    m_pPrecharge = NumberEdit(
        QCoreApplication::translate("CPistonPumpPulsationDampening", "I have a Precharge Pressure of:"));
    m_pCalculatedPrecharge =
        ValueText(QCoreApplication::translate("CPistonPumpPulsationDampening", kCalculatedPrecharge));

    auto* pGrid = new QGridLayout;
    pGrid->addWidget(Caption(strSystem, m_pSystem), 0, 0);
    pGrid->addWidget(m_pSystem, 0, 1);
    pGrid->addWidget(m_pPressureUnit, 0, 2);
    pGrid->addWidget(Caption(strShock, m_pShock), 1, 0);
    pGrid->addWidget(m_pShock, 1, 1);
    pGrid->addWidget(FollowingUnit(m_pPressureUnit), 1, 2);
    pGrid->addWidget(Caption(QCoreApplication::translate("CPistonPumpPulsationDampening", kComputed)), 2, 0);
    pGrid->addWidget(m_pComputed, 2, 1, 1, 2);
    pGrid->addWidget(Caption(strPistons, m_pPistons), 3, 0);
    pGrid->addWidget(m_pPistons, 3, 1);

    auto* pPumpBox =
        new QGroupBox(QCoreApplication::translate("CPistonPumpPulsationDampening", "Pump Displacement"));
    pPumpBox->setAccessibleName(pPumpBox->title());
    auto* pPumpGrid = new QGridLayout(pPumpBox);
    pPumpGrid->addWidget(ChoiceButton(QCoreApplication::translate("CPistonPumpPulsationDampening",
                                                                  "Enter Pump Displacement Directly:"),
                                      m_pDisplacementChoice, 1),
                         0, 0);
    pPumpGrid->addWidget(m_pDisplacement, 0, 1);
    pPumpGrid->addWidget(m_pDisplacementUnit, 0, 2);
    pPumpGrid->addWidget(ChoiceButton(QCoreApplication::translate("CPistonPumpPulsationDampening",
                                                                  "Calculate the displacement:"),
                                      m_pDisplacementChoice, 0),
                         1, 0);
    pPumpGrid->addWidget(
        Caption(QCoreApplication::translate("CPistonPumpPulsationDampening", "Flow Rate:"), m_pFlow), 2, 0,
        Qt::AlignRight);
    pPumpGrid->addWidget(m_pFlow, 2, 1);
    pPumpGrid->addWidget(m_pFlowUnit, 2, 2);
    pPumpGrid->addWidget(
        Caption(QCoreApplication::translate("CPistonPumpPulsationDampening", "Pump Speed"), m_pSpeed), 3, 0,
        Qt::AlignRight);
    pPumpGrid->addWidget(m_pSpeed, 3, 1);
    pPumpGrid->addWidget(Caption(QStringLiteral("RPM")), 3, 2);
    pPumpGrid->addWidget(
        Caption(QCoreApplication::translate("CPistonPumpPulsationDampening", kCalculatedDisp)), 4, 0,
        Qt::AlignRight);
    pPumpGrid->addWidget(m_pCalculatedDisp, 4, 1, 1, 2);
    auto* pActionRow = new QHBoxLayout;
    pActionRow->addWidget(ChoiceButton(
        QCoreApplication::translate("CPistonPumpPulsationDampening", "Single Acting Pump"), m_pAction, 1));
    pActionRow->addWidget(ChoiceButton(
        QCoreApplication::translate("CPistonPumpPulsationDampening", "Double Acting Pump"), m_pAction, 0));
    pActionRow->addStretch();
    pPumpGrid->addLayout(pActionRow, 5, 0, 1, 3);

    auto* pTemperatureRow = new QHBoxLayout;
    pTemperatureRow->addWidget(
        Caption(QCoreApplication::translate("CPistonPumpPulsationDampening", "System Temperature")));
    pTemperatureRow->addStretch();
    pTemperatureRow->addWidget(
        Caption(QCoreApplication::translate("CPistonPumpPulsationDampening", "Estimated:"), m_pTemperature));
    pTemperatureRow->addWidget(m_pTemperature);
    pTemperatureRow->addWidget(m_pTemperatureUnit);

    auto* pPrechargeBox =
        new QGroupBox(QCoreApplication::translate("CPistonPumpPulsationDampening", "Precharge Pressure"));
    pPrechargeBox->setAccessibleName(pPrechargeBox->title());
    auto* pPrechargeGrid = new QGridLayout(pPrechargeBox);
    pPrechargeGrid->addWidget(ChoiceButton(QCoreApplication::translate("CPistonPumpPulsationDampening",
                                                                       "I have a Precharge Pressure of:"),
                                           m_pPrechargeChoice, 1),
                              0, 0);
    pPrechargeGrid->addWidget(m_pPrecharge, 0, 1);
    pPrechargeGrid->addWidget(FollowingUnit(m_pPressureUnit), 0, 2);
    pPrechargeGrid->addWidget(
        ChoiceButton(QCoreApplication::translate("CPistonPumpPulsationDampening", kCalculatedPrecharge),
                     m_pPrechargeChoice, 0),
        1, 0);
    pPrechargeGrid->addWidget(m_pCalculatedPrecharge, 1, 1, 1, 2);

    auto* pContent = new QVBoxLayout;
    pContent->addLayout(pGrid);
    pContent->addWidget(pPumpBox);
    pContent->addLayout(pTemperatureRow);
    pContent->addWidget(pPrechargeBox);
    SetSizingContent(pContent);

    MapField("sdMaxSysPress", m_pSystem);
    MapField("sdShockMaxShockPress", m_pShock);
    MapField("iPulsationNoOfPistInPump", m_pPistons);
    MapField("sdPulsationPumpDisp", m_pDisplacement);
    MapField("sdFlowRate", m_pFlow);
    MapField("iPulsationPumpSpeed", m_pSpeed);
    MapField("sdSysTemperature", m_pTemperature);
    MapField("sdPrechargePress", m_pPrecharge);

    const std::string strPressure = m_pPressureUnit->GetSelectedUnitCode();
    ShowIn(m_pSystem, m_working.sdMaxSysPress, strPressure);
    if (m_working.sdShockMaxShockPress.Value() != 0.0)
        ShowIn(m_pShock, m_working.sdShockMaxShockPress, strPressure);
    m_pPistons->SetInt(m_working.iPulsationNoOfPistInPump);
    Show(m_pDisplacement, m_working.sdPulsationPumpDisp);
    Show(m_pFlow, m_working.sdFlowRate);
    m_pSpeed->SetInt(m_working.iPulsationPumpSpeed);
    m_calculatedDisplacement = m_working.sdPulsationCalcDisplacement;
    Show(m_pTemperature, m_working.sdSysTemperature);
    if (m_working.bPrechargeIHaveUseCalc != 0)
        ShowIn(m_pPrecharge, m_working.sdPrechargePress, strPressure);
    PumpAction(m_working.bPulsationSingleOrDoublePump != 0 ? 1 : 0)->setChecked(true);
    const int nEntered = m_working.bPulsationEnterPumpDispOrCalc != 0 ? 1 : 0;
    DisplacementChoice(nEntered)->setChecked(true);
    auto enableDisplacement = [this](int nChoice)
    {
        m_pDisplacement->setEnabled(nChoice == 1);
        m_pDisplacementUnit->setEnabled(nChoice == 1);
        for (QWidget* pWidget : std::initializer_list<QWidget*>{m_pFlow, m_pFlowUnit, m_pSpeed})
            pWidget->setEnabled(nChoice == 0);
    };
    enableDisplacement(nEntered);
    const int nPrecharge = m_working.bPrechargeIHaveUseCalc != 0 ? 1 : 0;
    PrechargeChoice(nPrecharge)->setChecked(true);
    m_pPrecharge->setEnabled(nPrecharge == 1);
    // The computed maximum is known from the start, so that OK never checks against an unset one.
    ShowPressures();
    ShowDisplacement();

    connect(m_pSystem, &QLineEdit::textChanged, this, &CPistonPumpPulsationDampening::ShowPressures);
    connect(m_pPressureUnit, &QComboBox::currentIndexChanged, this, &CPistonPumpPulsationDampening::ShowPressures);
    connect(m_pSystem, &QLineEdit::editingFinished, this, &CPistonPumpPulsationDampening::OnSystemPressureLeft);
    connect(m_pFlow, &QLineEdit::textChanged, this, &CPistonPumpPulsationDampening::ShowDisplacement);
    connect(m_pSpeed, &QLineEdit::textChanged, this, &CPistonPumpPulsationDampening::ShowDisplacement);
    connect(m_pFlowUnit, &QComboBox::currentIndexChanged, this, &CPistonPumpPulsationDampening::ShowDisplacement);
    // Queued: a field cannot be cleared from inside the change the typed digit is still making.
    connect(m_pPistons, &QLineEdit::textChanged, this, &CPistonPumpPulsationDampening::CheckPistons,
            Qt::QueuedConnection);
    connect(m_pDisplacementChoice, &QButtonGroup::idClicked, this, enableDisplacement);
    connect(m_pPrechargeChoice, &QButtonGroup::idClicked, this,
            [this](int nChoice) { m_pPrecharge->setEnabled(nChoice == 1); });
    m_pSystem->setFocus();
}

QRadioButton* CPistonPumpPulsationDampening::DisplacementChoice(int nEntered) const
{
    return qobject_cast<QRadioButton*>(m_pDisplacementChoice->button(nEntered));
}

QRadioButton* CPistonPumpPulsationDampening::PumpAction(int nSingle) const
{
    return qobject_cast<QRadioButton*>(m_pAction->button(nSingle));
}

QRadioButton* CPistonPumpPulsationDampening::PrechargeChoice(int nEntered) const
{
    return qobject_cast<QRadioButton*>(m_pPrechargeChoice->button(nEntered));
}

void CPistonPumpPulsationDampening::ShowPressures()
{
    const CUnitDouble system(m_pSystem->GetDouble(), m_pPressureUnit->GetSelectedUnitCode());
    m_calculatedPrecharge = sizing::PulsationPrecharge(system);
    m_computed = sizing::MaximumAllowableShockPressure(system);
    m_pCalculatedPrecharge->SetValue(m_calculatedPrecharge, 2, true, false);
    m_pComputed->SetValue(m_computed, 2, true, false);
    NameAfterText(m_pCalculatedPrecharge,
                  QCoreApplication::translate("CPistonPumpPulsationDampening", kCalculatedPrecharge));
    NameAfterText(m_pComputed, QCoreApplication::translate("CPistonPumpPulsationDampening", kComputed));
}

void CPistonPumpPulsationDampening::OnSystemPressureLeft()
{
    ShowPressures();
    // One rule with the computed maximum: the program's own default always passes its check.
    if (m_pShock->GetDouble() == 0.0 && m_pSystem->GetDouble() > 0.0)
        ShowNotAbove(m_pShock, sizing::PulsationDefaultShock(CUnitDouble(m_pSystem->GetDouble(),
                                                                          m_pPressureUnit->GetSelectedUnitCode())));
}

void CPistonPumpPulsationDampening::ShowDisplacement()
{
    m_calculatedDisplacement = sizing::CalculatedDisplacement(
        CUnitDouble(m_pFlow->GetDouble(), m_pFlowUnit->GetSelectedUnitCode()), m_pSpeed->GetInt(),
        m_calculatedDisplacement);
    m_pCalculatedDisp->SetValue(m_calculatedDisplacement, 2, true, false);
    NameAfterText(m_pCalculatedDisp,
                  QCoreApplication::translate("CPistonPumpPulsationDampening", kCalculatedDisp));
}

void CPistonPumpPulsationDampening::CheckPistons()
{
    if (const sizing::CheckResult failure =
            sizing::CheckPulsationPistonLimit(m_pPistons->GetInt(), m_product.Messages()))
    {
        GetPrompt().Message(failure->strMessage);
        m_pPistons->clear();
        m_pPistons->setFocus();
        QApplication::beep();
    }
}

void CPistonPumpPulsationDampening::ReadEntries()
{
    Read(m_working.sdMaxSysPress, m_pSystem, m_pPressureUnit);
    const std::string strPressure = m_working.sdMaxSysPress.GetUnit();
    Read(m_working.sdShockMaxShockPress, m_pShock, strPressure);
    m_working.iPulsationNoOfPistInPump = m_pPistons->GetInt();
    Read(m_working.sdPulsationPumpDisp, m_pDisplacement, m_pDisplacementUnit);
    Read(m_working.sdFlowRate, m_pFlow, m_pFlowUnit);
    m_working.iPulsationPumpSpeed = m_pSpeed->GetInt();
    m_working.sdPulsationCalcDisplacement = m_calculatedDisplacement;
    Read(m_working.sdSysTemperature, m_pTemperature, m_pTemperatureUnit);
    m_working.bPulsationSingleOrDoublePump = m_pAction->checkedId() == 1 ? 1 : 0;
    m_working.bPulsationEnterPumpDispOrCalc = m_pDisplacementChoice->checkedId() == 1 ? 1 : 0;
    m_working.bPrechargeIHaveUseCalc = m_pPrechargeChoice->checkedId() == 1 ? 1 : 0;
    ShowPressures();
    if (m_working.bPrechargeIHaveUseCalc != 0)
        Read(m_working.sdPrechargePress, m_pPrecharge, strPressure);
    else
        m_working.sdPrechargePress = m_calculatedPrecharge;
}

void CPistonPumpPulsationDampening::OnOk()
{
    ReadEntries();
    const sizing::SPulsationValues values{m_calculatedPrecharge, m_computed};
    if (!PassesChecks([&](bool bAccept)
                      { return sizing::CheckPulsation(m_working, values, m_product.Messages(), bAccept); }) ||
        !Computed(sizing::CalculatePulsation(m_working)))
        return;
    ShowResults(
        [this]
        {
            // With the precharge choice, and the precharge the volume was computed with.
            CopyAccepted(&SApplicationData::sdMaxSysPress, &SApplicationData::sdShockMaxShockPress,
                         &SApplicationData::iPulsationNoOfPistInPump, &SApplicationData::sdPulsationPumpDisp,
                         &SApplicationData::sdFlowRate, &SApplicationData::iPulsationPumpSpeed,
                         &SApplicationData::sdPulsationCalcDisplacement, &SApplicationData::sdSysTemperature,
                         &SApplicationData::sdPrechargePress, &SApplicationData::bPulsationSingleOrDoublePump,
                         &SApplicationData::bPulsationEnterPumpDispOrCalc, &SApplicationData::bPrechargeIHaveUseCalc,
                         &SApplicationData::sdRequiredAccumulatorVol, &SApplicationData::sdPolyTropicExponent);
        });
}
