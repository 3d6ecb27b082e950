// The pump-response dialogs' shared part: layout, the computed maximum and its default, the checks,
// the calculation and what is stored.
#include "sizing/ShockPumpOver.h"

#include "controls/ComboUnit.h"
#include "controls/EditNumeric.h"
#include "controls/StaticNumeric.h"
#include "product/AccumulatorObject.h"
#include "sizing/ApplicationChecks.h"
#include "sizing/SizeApplication.h"
#include "units/UnitConvMap.h"
#include "units/UnitTable.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace
{
const char* const kComputed = QT_TRANSLATE_NOOP("CShockPumpOver", "Maximum Allowable Shock Pressure:");
} // namespace

CShockPumpOver::CShockPumpOver(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                               const QString& strTitle, std::string strClassName, sizing::EPumpType eType,
                               QWidget* pParent)
    : CSizingDialog(product, working, stored, strTitle, std::move(strClassName), pParent), m_eType(eType)
{
    m_pSystem = NumberEdit(QCoreApplication::translate("CShockPumpOver", "System Pressure:"));
    m_pPressureUnit = UnitCombo(m_working.sdMaxSysPress, UnitCategory::Pressure,
                                QCoreApplication::translate("CShockPumpOver", "Pressure unit"));
    m_pShock = NumberEdit(QCoreApplication::translate("CShockPumpOver", "Maximum Shock Pressure:"));
    m_pComputed = ValueText(QCoreApplication::translate("CShockPumpOver", kComputed));
    m_pFlow = NumberEdit(QCoreApplication::translate("CShockPumpOver", "Flow Rate:"));
    m_pFlowUnit = UnitCombo(m_working.sdFlowRate, UnitCategory::FlowRate,
                            QCoreApplication::translate("CShockPumpOver", "Flow rate unit"));
    m_pTemperature = NumberEdit(QCoreApplication::translate("CShockPumpOver", "Estimated:"));
    m_pTemperature->SetAllowMinus(true);
    m_pTemperatureUnit = UnitCombo(m_working.sdSysTemperature, UnitCategory::Temperature,
                                   QCoreApplication::translate("CShockPumpOver", "System Temperature unit"));
    m_pResponse = NumberEdit(QCoreApplication::translate("CShockPumpOver", "Response Time:"));
    m_pTypical = ValueText(QCoreApplication::translate("CShockPumpOver", "Typical Response Time:"));
}

void CShockPumpOver::Build(QWidget* pPumpRow, const QString& strPumpCaption)
{
    const QString strSeconds = QString::fromStdString(UnitDisplayText("SEC"));
    auto* pGrid = new QGridLayout;
    int nRow = 0;
    auto addRow = [&](const QString& strCaption, QWidget* pField, QWidget* pUnit)
    {
        pGrid->addWidget(Caption(strCaption, pField), nRow, 0);
        pGrid->addWidget(pField, nRow, 1);
        if (pUnit)
            pGrid->addWidget(pUnit, nRow, 2);
        ++nRow;
    };
    addRow(QCoreApplication::translate("CShockPumpOver", "System Pressure:"), m_pSystem, m_pPressureUnit);
    addRow(QCoreApplication::translate("CShockPumpOver", "Maximum Shock Pressure:"), m_pShock,
           FollowingUnit(m_pPressureUnit));
    pGrid->addWidget(Caption(QCoreApplication::translate("CShockPumpOver", kComputed)), nRow, 0);
    pGrid->addWidget(m_pComputed, nRow++, 1, 1, 2);
    addRow(QCoreApplication::translate("CShockPumpOver", "Flow Rate:"), m_pFlow, m_pFlowUnit);
    pGrid->addWidget(Caption(QCoreApplication::translate("CShockPumpOver", "System Temperature")), nRow++, 0);
    addRow(QCoreApplication::translate("CShockPumpOver", "Estimated:"), m_pTemperature, m_pTemperatureUnit);
    if (pPumpRow)
        addRow(strPumpCaption, pPumpRow, nullptr);
    pGrid->addWidget(Caption(QCoreApplication::translate("CShockPumpOver", "Typical Response Time:")), nRow,
                     0);
    pGrid->addWidget(m_pTypical, nRow, 1);
    pGrid->addWidget(Caption(QStringLiteral("Sec.")), nRow++, 2);
    addRow(QCoreApplication::translate("CShockPumpOver", "Response Time:"), m_pResponse, Caption(strSeconds));

    auto* pContent = new QVBoxLayout;
    pContent->addLayout(pGrid);
    pContent->addWidget(Caption(
        QCoreApplication::translate("CShockPumpOver", "Precharge pressure is 85% of the System Pressure")));
    SetSizingContent(pContent);

    MapField("sdMaxSysPress", m_pSystem);
    MapField("sdShockMaxShockPress", m_pShock);
    MapField("sdSysTemperature", m_pTemperature);
    MapField("sdFlowRate", m_pFlow);
    MapField("sdShockResponseTime", m_pResponse);
    if (pPumpRow)
        MapField("sdShockReliefValve", pPumpRow);

    const std::string strPressure = m_pPressureUnit->GetSelectedUnitCode();
    ShowIn(m_pSystem, m_working.sdMaxSysPress, strPressure);
    if (m_working.sdShockMaxShockPress.Value() != 0.0)
        ShowIn(m_pShock, m_working.sdShockMaxShockPress, strPressure);
    Show(m_pTemperature, m_working.sdSysTemperature);
    Show(m_pFlow, m_working.sdFlowRate);
    ShowIn(m_pResponse, m_working.sdShockResponseTime, "SEC");
    // Known from the start, so that OK never checks against a maximum not yet computed.
    ShowComputedMaximum();

    connect(m_pSystem, &QLineEdit::editingFinished, this, &CShockPumpOver::OnSystemPressureLeft);
    connect(m_pPressureUnit, &QComboBox::currentIndexChanged, this, &CShockPumpOver::ShowComputedMaximum);
    connect(m_pFlow, &QLineEdit::editingFinished, this, &CShockPumpOver::OnFlowLeft);
    connect(m_pFlowUnit, &QComboBox::currentIndexChanged, this, &CShockPumpOver::OnFlowLeft);
    m_pSystem->setFocus();
}

double CShockPumpOver::FlowGpm() const
{
    return CUnitDouble(m_pFlow->GetDouble(), m_pFlowUnit->GetSelectedUnitCode()).GetValue("GPM");
}

void CShockPumpOver::ShowTypical(std::optional<double> dSeconds, const QString& strMissing)
{
    if (dSeconds)
        m_pTypical->SetNumber(*dSeconds, 2, true, false);
    else
        m_pTypical->setText(strMissing);
    NameAfterText(m_pTypical, QCoreApplication::translate("CShockPumpOver", "Typical Response Time:"));
}

void CShockPumpOver::ShowComputedMaximum()
{
    const CUnitDouble system(m_pSystem->GetDouble(), m_pPressureUnit->GetSelectedUnitCode());
    m_computed = sizing::PumpResponseMaximumShock(system);
    const std::string& strUnit = system.GetUnit();
    m_pComputed->setText(QString::fromStdString(sizing::MessageNumber(m_computed.GetValue(strUnit), 1) + " " +
                                                UnitDisplayText(strUnit)));
    NameAfterText(m_pComputed, QCoreApplication::translate("CShockPumpOver", kComputed));
}

void CShockPumpOver::OnSystemPressureLeft()
{
    const CUnitDouble system(m_pSystem->GetDouble(), m_pPressureUnit->GetSelectedUnitCode());
    ShowComputedMaximum();
    if (m_pShock->GetDouble() == 0.0 && system.Value() > 0.0)
    {
        // The default never passes the computed maximum, in the system pressure's unit.
        const CUnitDouble proposed = sizing::PumpResponseDefaultShock(system, m_eType);
        const CUnitDouble limit(m_computed.GetValue(system.GetUnit()), system.GetUnit());
        ShowNotAbove(m_pShock, proposed.Value() > limit.Value() ? limit : proposed);
    }
}

void CShockPumpOver::OnOk()
{
    Read(m_working.sdMaxSysPress, m_pSystem, m_pPressureUnit);
    Read(m_working.sdShockMaxShockPress, m_pShock, m_working.sdMaxSysPress.GetUnit());
    Read(m_working.sdSysTemperature, m_pTemperature, m_pTemperatureUnit);
    Read(m_working.sdFlowRate, m_pFlow, m_pFlowUnit);
    // Entered in seconds, and stored so: the unit of a reopened selection is never a leftover.
    Read(m_working.sdShockResponseTime, m_pResponse, "SEC");
    m_working.sdPrechargePress = sizing::PumpResponsePrecharge(m_working.sdMaxSysPress);
    m_working.bPrechargeIHaveUseCalc = 0;
    const bool bValve = ReadValve();
    ShowComputedMaximum();
    const sizing::SPumpResponseValues values{m_computed, bValve};
    if (!PassesChecks([&](bool)
                      { return sizing::CheckPumpResponse(m_working, m_eType, values, m_product.Messages()); }) ||
        !Computed(sizing::CalculatePumpResponse(m_working)))
        return;
    ShowResults(
        [this]
        {
            // The chosen relief valve too, so that a reopened dialog and the report show it.
            CopyAccepted(&SApplicationData::sdMaxSysPress, &SApplicationData::sdShockMaxShockPress,
                         &SApplicationData::sdSysTemperature, &SApplicationData::sdFlowRate,
                         &SApplicationData::sdShockResponseTime, &SApplicationData::sdShockReliefValve,
                         &SApplicationData::sdPrechargePress, &SApplicationData::bPrechargeIHaveUseCalc,
                         &SApplicationData::sdRequiredAccumulatorVol, &SApplicationData::sdPolyTropicExponent);
        });
}
