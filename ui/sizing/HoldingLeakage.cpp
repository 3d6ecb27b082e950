// "Holding / Leakage Compensation": the leakage estimate as the entries change, the checks, the
// holding run and the results.
#include "sizing/HoldingLeakage.h"

#include "controls/ComboUnit.h"
#include "controls/EditNumeric.h"
#include "controls/StaticNumeric.h"
#include "product/AccumulatorObject.h"
#include "sizing/ApplicationChecks.h"
#include "sizing/ListCombo.h"
#include "sizing/SizeApplication.h"
#include "sizing/SizingLists.h"
#include "units/UnitConvMap.h"
#include "units/UnitTable.h"

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
const char* const kCalculated = QT_TRANSLATE_NOOP("CHoldingLeakage", "Calculated Rate:");
} // namespace

CHoldingLeakage::CHoldingLeakage(CAccumulatorObject& product, CAccumulatorData& working,
                                 CAccumulatorData& stored, QWidget* pParent)
    : CSizingDialog(product, working, stored,
                    QCoreApplication::translate("CHoldingLeakage", "Holding / Leakage Compensation"),
                    "CHoldingLeakage", pParent),
      m_pChoice(new QButtonGroup(this))
{
    const QString strMax = QCoreApplication::translate("CHoldingLeakage", "Maximum System Pressure:");
    const QString strMin = QCoreApplication::translate("CHoldingLeakage", "Minimum System Pressure:");
    const QString strHold = QCoreApplication::translate("CHoldingLeakage", "Time to Hold Pressure:");
    const QString strTemperature =
        QCoreApplication::translate("CHoldingLeakage", "Estimated System Temperature:");
    const QString strEntered = QCoreApplication::translate("CHoldingLeakage", "Estimated Leakage Rate");
    const QString strEstimated = QCoreApplication::translate(
        "CHoldingLeakage", "Estimate the leakage rate using the number and size of valves");
    m_pMax = NumberEdit(strMax);
    m_pPressureUnit = UnitCombo(m_working.sdMaxSysPress, UnitCategory::Pressure,
                                QCoreApplication::translate("CHoldingLeakage", "Pressure unit"));
    m_pMin = NumberEdit(strMin);
    m_pHoldTime = NumberEdit(strHold);
    m_pTemperature = NumberEdit(strTemperature);
    m_pTemperature->SetAllowMinus(true);
    m_pTemperatureUnit = UnitCombo(m_working.sdSysTemperature, UnitCategory::Temperature,
                                   QCoreApplication::translate("CHoldingLeakage", "System Temperature unit"));
    m_pRate = NumberEdit(strEntered);
    m_pRateUnit = UnitCombo(m_working.sdHoldLeakageRate, UnitCategory::FlowRate,
                            QCoreApplication::translate("CHoldingLeakage", "Leakage rate unit"));
    m_pValves = WholeNumberEdit(QCoreApplication::translate("CHoldingLeakage", "Number of leaking valves"));
    m_pValveSize = new CListCombo(QCoreApplication::translate("CHoldingLeakage", "Size:"));
    m_pValveSize->Fill(sizing::ValveSizes(*m_product.Database()));
    m_pCalculated = ValueText(QCoreApplication::translate("CHoldingLeakage", kCalculated));

    auto* pGrid = new QGridLayout;
    pGrid->addWidget(Caption(strMax, m_pMax), 0, 0);
    pGrid->addWidget(m_pMax, 0, 1);
    pGrid->addWidget(m_pPressureUnit, 0, 2);
    pGrid->addWidget(Caption(strMin, m_pMin), 1, 0);
    pGrid->addWidget(m_pMin, 1, 1);
    pGrid->addWidget(FollowingUnit(m_pPressureUnit), 1, 2);
    pGrid->addWidget(Caption(strHold, m_pHoldTime), 2, 0);
    pGrid->addWidget(m_pHoldTime, 2, 1);
    pGrid->addWidget(Caption(QStringLiteral("sec.")), 2, 2);
    pGrid->addWidget(Caption(strTemperature, m_pTemperature), 3, 0);
    pGrid->addWidget(m_pTemperature, 3, 1);
    pGrid->addWidget(m_pTemperatureUnit, 3, 2);

    auto* pLeakBox = new QGroupBox(QCoreApplication::translate("CHoldingLeakage", "Leakage"));
    pLeakBox->setAccessibleName(pLeakBox->title());
    QRadioButton* pEnteredButton = ChoiceButton(strEntered, m_pChoice, kEntered);
    QRadioButton* pEstimatedButton = ChoiceButton(strEstimated, m_pChoice, kEstimated);
    auto* pValveRow = new QHBoxLayout;
    pValveRow->addWidget(Caption(QCoreApplication::translate("CHoldingLeakage", "Leakage is due to ")));
    pValveRow->addWidget(m_pValves);
    pValveRow->addWidget(Caption(QCoreApplication::translate("CHoldingLeakage", "Valves.  ")));
    pValveRow->addWidget(Caption(QCoreApplication::translate("CHoldingLeakage", "Size:"), m_pValveSize));
    pValveRow->addWidget(m_pValveSize);
    pValveRow->addStretch();
    m_pValves->setMinimumWidth(m_pValves->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 5);
    auto* pLeakGrid = new QGridLayout(pLeakBox);
    pLeakGrid->addWidget(pEnteredButton, 0, 0);
    pLeakGrid->addWidget(m_pRate, 0, 1);
    pLeakGrid->addWidget(m_pRateUnit, 0, 2);
    pLeakGrid->addWidget(pEstimatedButton, 1, 0, 1, 3);
    pLeakGrid->addLayout(pValveRow, 2, 0, 1, 3);
    pLeakGrid->addWidget(Caption(QCoreApplication::translate("CHoldingLeakage", kCalculated)), 3, 0,
                         Qt::AlignRight);
    pLeakGrid->addWidget(m_pCalculated, 3, 1, 1, 2);

    m_pPrecharge = new CPrechargeGroup(
        CPrechargeGroup::ERule::ForMinimum,
        QCoreApplication::translate("CHoldingLeakage", "For a Bladder / Diaphragm Accumulator:"), true);
    m_pPrecharge->FollowUnit(m_pPressureUnit);

    auto* pContent = new QVBoxLayout;
    pContent->addLayout(pGrid);
    pContent->addWidget(pLeakBox);
    pContent->addWidget(m_pPrecharge);
    SetSizingContent(pContent);
    setTabOrder(m_pMax, m_pPressureUnit);
    setTabOrder(m_pPressureUnit, m_pMin);
    setTabOrder(m_pMin, m_pHoldTime);
    setTabOrder(m_pHoldTime, m_pTemperature);
    setTabOrder(m_pTemperature, m_pTemperatureUnit);

    MapField("sdMaxSysPress", m_pMax);
    MapField("sdMinSysPress", m_pMin);
    MapField("sdHoldTimeHold", m_pHoldTime);
    MapField("sdSysTemperature", m_pTemperature);
    MapField("sdHoldLeakageRate", m_pRate);
    MapField("siHoldNoOfValves", m_pValves);
    MapField("sdPrechargePress", m_pPrecharge->Precharge());

    const std::string strPressure = m_pPressureUnit->GetSelectedUnitCode();
    ShowIn(m_pMax, m_working.sdMaxSysPress, strPressure);
    ShowIn(m_pMin, m_working.sdMinSysPress, strPressure);
    ShowIn(m_pHoldTime, m_working.sdHoldTimeHold, "SEC");
    Show(m_pTemperature, m_working.sdSysTemperature);
    m_pValves->SetInt(m_working.siHoldNoOfValves.Value());
    m_pValveSize->SelectNumber(m_working.sdHoldValveSize.GetValue("IN"));
    const int nChoice = m_working.bHoldLeakageRateChoice != 0 ? kEntered : kEstimated;
    // An estimated rate was stored for the valves; the entry shows only a rate the user gave.
    if (nChoice == kEntered)
        Show(m_pRate, m_working.sdHoldLeakageRate);
    LeakageChoice(nChoice)->setChecked(true);
    EnableForChoice(nChoice);
    m_pPrecharge->Load(m_working);
    auto showOptima = [this]
    { m_pPrecharge->ShowOptimaFor(CUnitDouble(m_pMin->GetDouble(), m_pPressureUnit->GetSelectedUnitCode())); };
    showOptima();
    ShowEstimate();

    connect(m_pMin, &QLineEdit::textChanged, this, showOptima);
    connect(m_pPressureUnit, &QComboBox::currentIndexChanged, this, showOptima);
    connect(m_pMax, &QLineEdit::textChanged, this, &CHoldingLeakage::ShowEstimate);
    connect(m_pPressureUnit, &QComboBox::currentIndexChanged, this, &CHoldingLeakage::ShowEstimate);
    connect(m_pValves, &QLineEdit::textChanged, this, &CHoldingLeakage::ShowEstimate);
    connect(m_pValveSize, &QComboBox::currentIndexChanged, this, &CHoldingLeakage::ShowEstimate);
    connect(m_pChoice, &QButtonGroup::idClicked, this, &CHoldingLeakage::EnableForChoice);
    m_pMax->setFocus();
}

QRadioButton* CHoldingLeakage::LeakageChoice(int nChoice) const
{
    return qobject_cast<QRadioButton*>(m_pChoice->button(nChoice));
}

void CHoldingLeakage::EnableForChoice(int nChoice)
{
    m_pRate->setEnabled(nChoice == kEntered);
    m_pRateUnit->setEnabled(nChoice == kEntered);
    m_pValves->setEnabled(nChoice == kEstimated);
    m_pValveSize->setEnabled(nChoice == kEstimated);
}

void CHoldingLeakage::ShowEstimate()
{
    SApplicationData entries;
    entries.sdMaxSysPress.Set(m_pMax->GetDouble(), m_pPressureUnit->GetSelectedUnitCode());
    entries.siHoldNoOfValves.SetValue(m_pValves->GetInt());
    entries.sdHoldValveSize.Set(m_pValveSize->SelectedNumber().value_or(0.0), "IN");
    const std::optional<CUnitDouble> rate = sizing::EstimatedLeakageRate(entries);
    if (rate && m_pMax->GetDouble() > 0.0)
        m_pCalculated->SetValue(*rate, 1, true, false);
    else
        m_pCalculated->clear();
    NameAfterText(m_pCalculated, QCoreApplication::translate("CHoldingLeakage", kCalculated));
}

void CHoldingLeakage::ReadEntries()
{
    Read(m_working.sdMaxSysPress, m_pMax, m_pPressureUnit);
    const std::string strPressure = m_working.sdMaxSysPress.GetUnit();
    Read(m_working.sdMinSysPress, m_pMin, strPressure);
    Read(m_working.sdHoldTimeHold, m_pHoldTime, "SEC");
    Read(m_working.sdSysTemperature, m_pTemperature, m_pTemperatureUnit);
    m_working.bHoldLeakageRateChoice = m_pChoice->checkedId() == kEntered ? 1 : 0;
    m_working.siHoldNoOfValves.SetValue(m_pValves->GetInt());
    if (const std::optional<double> size = m_pValveSize->SelectedNumber())
        m_working.sdHoldValveSize.Set(*size, "IN");
    if (m_working.bHoldLeakageRateChoice != 0)
        Read(m_working.sdHoldLeakageRate, m_pRate, m_pRateUnit);
}

void CHoldingLeakage::OnOk()
{
    ReadEntries();
    const sizing::SPrechargePair optima = m_pPrecharge->Read(m_working);
    // The estimate for the valves replaces the rate; a size without a formula cannot be sized.
    if (const std::optional<std::string> reason = sizing::ApplyLeakageEstimate(m_working))
    {
        Computed(sizing::SSizingResult{.strReason = *reason});
        return;
    }
    const CIMsgStoredProc& messages = m_product.Messages();
    if (!PassesChecks([&](bool bAccept) { return sizing::CheckHolding(m_working, optima, messages, bAccept); }) ||
        !Computed(sizing::CalculateHolding(m_working)))
        return;
    ShowResults(
        [this]
        {
            // The valve size too: a reopened dialog and the report show the size the rate came from.
            CopyAccepted(&SApplicationData::sdMaxSysPress, &SApplicationData::sdMinSysPress,
                         &SApplicationData::sdHoldTimeHold, &SApplicationData::sdSysTemperature,
                         &SApplicationData::sdHoldLeakageRate, &SApplicationData::siHoldNoOfValves,
                         &SApplicationData::sdHoldValveSize, &SApplicationData::sdPrechargePress,
                         &SApplicationData::bHoldLeakageRateChoice, &SApplicationData::bPrechargePistonOrBladder,
                         &SApplicationData::bPrechargeIHaveUseCalc, &SApplicationData::sdRequiredAccumulatorVol,
                         &SApplicationData::sdPolyTropicExponent);
        });
}
