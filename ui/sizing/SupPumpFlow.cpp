// "Supplementing Pump Flow": entries, optimal precharges, checks, the calculation and the results.
#include "sizing/SupPumpFlow.h"

#include "controls/ComboUnit.h"
#include "controls/EditNumeric.h"
#include "controls/StaticNumeric.h"
#include "product/AccumulatorObject.h"
#include "sizing/ApplicationChecks.h"
#include "sizing/SizeApplication.h"
#include "units/UnitTable.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{
const char* const kMinimumPump = QT_TRANSLATE_NOOP("CSupPumpFlow", "Minimum Pump Required:");
const char* const kRunning = QT_TRANSLATE_NOOP("CSupPumpFlow", "Is the Pump Running During Actuation:");

} // namespace

CSupPumpFlow::CSupPumpFlow(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                           QWidget* pParent)
    : CSizingDialog(product, working, stored,
                    QCoreApplication::translate("CSupPumpFlow", "Supplementing Pump Flow"), "CSupPumpFlow",
                    pParent),
      m_pRunning(new QButtonGroup(this))
{
    const QString strPumpSize = QCoreApplication::translate("CSupPumpFlow", "Pump Size:");
    const QString strMax = QCoreApplication::translate("CSupPumpFlow", "Maximum System Pressure:");
    const QString strMin = QCoreApplication::translate("CSupPumpFlow", "Minimum System Pressure:");
    const QString strTemperature = QCoreApplication::translate("CSupPumpFlow", "System Temperature:");

    m_pMinimumPump = ValueText(QCoreApplication::translate("CSupPumpFlow", kMinimumPump));
    m_pPumpSize = NumberEdit(strPumpSize);
    m_pFlowUnit = UnitCombo(m_working.sdEnterPumpSize, UnitCategory::FlowRate,
                            QCoreApplication::translate("CSupPumpFlow", "Pump Size unit"));
    QRadioButton* pYes = ChoiceButton(QCoreApplication::translate("CSupPumpFlow", "Yes"), m_pRunning, 1);
    QRadioButton* pNo = ChoiceButton(QCoreApplication::translate("CSupPumpFlow", "No"), m_pRunning, 0);
    pYes->setAccessibleDescription(QCoreApplication::translate("CSupPumpFlow", kRunning));
    pNo->setAccessibleDescription(QCoreApplication::translate("CSupPumpFlow", kRunning));
    m_pMax = NumberEdit(strMax);
    m_pPressureUnit = UnitCombo(m_working.sdMaxSysPress, UnitCategory::Pressure,
                                QCoreApplication::translate("CSupPumpFlow", "Pressure unit"));
    m_pMin = NumberEdit(strMin);
    m_pTemperature = NumberEdit(strTemperature);
    m_pTemperature->SetAllowMinus(true);
    m_pTemperatureUnit = UnitCombo(m_working.sdSysTemperature, UnitCategory::Temperature,
                                   QCoreApplication::translate("CSupPumpFlow", "System Temperature unit"));

    auto* pRunningRow = new QHBoxLayout;
    pRunningRow->addWidget(pYes);
    pRunningRow->addWidget(pNo);
    pRunningRow->addStretch();

    auto* pGrid = new QGridLayout;
    pGrid->addWidget(Caption(QCoreApplication::translate("CSupPumpFlow", kMinimumPump)), 0, 0);
    pGrid->addWidget(m_pMinimumPump, 0, 1);
    pGrid->addWidget(Caption(strPumpSize, m_pPumpSize), 1, 0);
    pGrid->addWidget(m_pPumpSize, 1, 1);
    pGrid->addWidget(m_pFlowUnit, 1, 2);
    pGrid->addWidget(Caption(QCoreApplication::translate("CSupPumpFlow", kRunning)), 2, 0);
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

    m_pPrecharge = new CPrechargeGroup(
        CPrechargeGroup::ERule::FromGauge,
        QCoreApplication::translate("CSupPumpFlow", "For a Bladder / Diaphragm Accumulator:"), false);
    m_pPrecharge->FollowUnit(m_pPressureUnit);

    auto* pContent = new QVBoxLayout;
    pContent->addLayout(pGrid);
    pContent->addWidget(m_pPrecharge);
    SetSizingContent(pContent);
    setTabOrder(m_pPumpSize, m_pFlowUnit);
    setTabOrder(m_pFlowUnit, pYes);
    setTabOrder(pYes, pNo);
    setTabOrder(pNo, m_pMax);
    setTabOrder(m_pMax, m_pPressureUnit);
    setTabOrder(m_pPressureUnit, m_pMin);
    setTabOrder(m_pMin, m_pTemperature);
    setTabOrder(m_pTemperature, m_pTemperatureUnit);
    setTabOrder(m_pTemperatureUnit, PrechargeChoice(kIHave));

    MapField("sdEnterPumpSize", m_pPumpSize);
    MapField("sdMaxSysPress", m_pMax);
    MapField("sdMinSysPress", m_pMin);
    MapField("sdSysTemperature", m_pTemperature);
    MapField("sdPrechargePress", Precharge());

    // Minimum and precharge share the maximum's unit.
    const std::string strPressure = m_pPressureUnit->GetSelectedUnitCode();
    Show(m_pPumpSize, m_working.sdEnterPumpSize);
    PumpRunning(m_working.bIsPumpRunning != 0)->setChecked(true);
    ShowIn(m_pMax, m_working.sdMaxSysPress, strPressure);
    ShowIn(m_pMin, m_working.sdMinSysPress, strPressure);
    Show(m_pTemperature, m_working.sdSysTemperature);
    m_pPrecharge->Load(m_working);
    ShowMinimumPump();
    RecomputeOptima();

    connect(m_pFlowUnit, &QComboBox::currentIndexChanged, this, &CSupPumpFlow::ShowMinimumPump);
    connect(m_pMin, &QLineEdit::textChanged, this, &CSupPumpFlow::RecomputeOptima);
    connect(m_pPressureUnit, &QComboBox::currentIndexChanged, this, &CSupPumpFlow::RecomputeOptima);
    m_pPumpSize->setFocus();
}

QRadioButton* CSupPumpFlow::PumpRunning(bool bYes) const
{
    return qobject_cast<QRadioButton*>(m_pRunning->button(bYes ? 1 : 0));
}

void CSupPumpFlow::ShowMinimumPump()
{
    ShowMinimumPumpFlow(m_pMinimumPump, QCoreApplication::translate("CSupPumpFlow", kMinimumPump),
                        m_working.sdMinPumpFlow, m_pFlowUnit);
}

void CSupPumpFlow::RecomputeOptima()
{
    m_pPrecharge->ShowOptimaFor(CUnitDouble(m_pMin->GetDouble(), m_pPressureUnit->GetSelectedUnitCode()));
}

void CSupPumpFlow::ReadEntries()
{
    Read(m_working.sdEnterPumpSize, m_pPumpSize, m_pFlowUnit);
    m_working.bIsPumpRunning = m_pRunning->checkedId() == 1 ? 1 : 0;
    Read(m_working.sdMaxSysPress, m_pMax, m_pPressureUnit);
    const std::string strPressure = m_working.sdMaxSysPress.GetUnit();
    Read(m_working.sdMinSysPress, m_pMin, strPressure);
    Read(m_working.sdSysTemperature, m_pTemperature, m_pTemperatureUnit);
    m_optima = m_pPrecharge->Read(m_working);
}

void CSupPumpFlow::OnOk()
{
    ReadEntries();
    const CIMsgStoredProc& messages = m_product.Messages();
    if (!PassesChecks([&](bool bAccept)
                      { return sizing::CheckSupplementingPumpFlow(m_working, m_optima, messages, bAccept); }) ||
        !Computed(sizing::CalculateSupplementingPumpFlow(m_working)))
        return;
    ShowResults(
        [this]
        {
            CopyAccepted(&SApplicationData::sdEnterPumpSize, &SApplicationData::sdMaxSysPress,
                         &SApplicationData::sdMinSysPress, &SApplicationData::sdSysTemperature,
                         &SApplicationData::sdPrechargePress, &SApplicationData::bIsPumpRunning,
                         &SApplicationData::bPrechargeIHaveUseCalc, &SApplicationData::bPrechargePistonOrBladder,
                         &SApplicationData::sdVolRatio, &SApplicationData::sdVolDefci,
                         &SApplicationData::sdPolyTropicExponent, &SApplicationData::sdPolyTropicExponentCharging,
                         &SApplicationData::sdRequiredAccumulatorVol);
        });
}
