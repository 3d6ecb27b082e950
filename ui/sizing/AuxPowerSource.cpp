// "Auxiliary Power Source": the common checks with its wording, the two gas runs and the results.
#include "sizing/AuxPowerSource.h"

#include "controls/ComboUnit.h"
#include "controls/EditNumeric.h"
#include "product/AccumulatorObject.h"
#include "sizing/ApplicationChecks.h"
#include "sizing/SizeApplication.h"
#include "units/UnitTable.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

CAuxPowerSource::CAuxPowerSource(CAccumulatorObject& product, CAccumulatorData& working,
                                 CAccumulatorData& stored, QWidget* pParent)
    : CSizingDialog(product, working, stored,
                    QCoreApplication::translate("CAuxPowerSource", "Auxiliary Power Source"),
                    "CAuxPowerSource", pParent)
{
    const QString strMax = QCoreApplication::translate("CAuxPowerSource", "Maximum System Pressure:");
    const QString strMin = QCoreApplication::translate("CAuxPowerSource", "Minimum System Pressure:");
    const QString strTemperature =
        QCoreApplication::translate("CAuxPowerSource", "Estimated System Temperature:");
    m_pMax = NumberEdit(strMax);
    m_pPressureUnit = UnitCombo(m_working.sdMaxSysPress, UnitCategory::Pressure,
                                QCoreApplication::translate("CAuxPowerSource", "Pressure unit"));
    m_pMin = NumberEdit(strMin);
    m_pTemperature = NumberEdit(strTemperature);
    m_pTemperature->SetAllowMinus(true);
    m_pTemperatureUnit = UnitCombo(m_working.sdSysTemperature, UnitCategory::Temperature,
                                   QCoreApplication::translate("CAuxPowerSource", "System Temperature unit"));
    m_pPrecharge = new CPrechargeGroup(
        CPrechargeGroup::ERule::ForMinimum,
        QCoreApplication::translate("CAuxPowerSource", "For a Bladder / Diaphragm Accumulator:"), true);
    m_pPrecharge->FollowUnit(m_pPressureUnit);

    auto* pGrid = new QGridLayout;
    pGrid->addWidget(Caption(strMax, m_pMax), 0, 0);
    pGrid->addWidget(m_pMax, 0, 1);
    pGrid->addWidget(m_pPressureUnit, 0, 2);
    pGrid->addWidget(Caption(strMin, m_pMin), 1, 0);
    pGrid->addWidget(m_pMin, 1, 1);
    pGrid->addWidget(FollowingUnit(m_pPressureUnit), 1, 2);
    pGrid->addWidget(Caption(strTemperature, m_pTemperature), 2, 0);
    pGrid->addWidget(m_pTemperature, 2, 1);
    pGrid->addWidget(m_pTemperatureUnit, 2, 2);
    auto* pContent = new QVBoxLayout;
    pContent->addLayout(pGrid);
    pContent->addWidget(m_pPrecharge);
    SetSizingContent(pContent);
    setTabOrder(m_pMax, m_pPressureUnit);
    setTabOrder(m_pPressureUnit, m_pMin);
    setTabOrder(m_pMin, m_pTemperature);
    setTabOrder(m_pTemperature, m_pTemperatureUnit);
    setTabOrder(m_pTemperatureUnit, m_pPrecharge->Choice(CPrechargeGroup::kIHave));

    MapField("sdMaxSysPress", m_pMax);
    MapField("sdMinSysPress", m_pMin);
    MapField("sdSysTemperature", m_pTemperature);
    MapField("sdPrechargePress", m_pPrecharge->Precharge());

    const std::string strPressure = m_pPressureUnit->GetSelectedUnitCode();
    ShowIn(m_pMax, m_working.sdMaxSysPress, strPressure);
    ShowIn(m_pMin, m_working.sdMinSysPress, strPressure);
    Show(m_pTemperature, m_working.sdSysTemperature);
    m_pPrecharge->Load(m_working);
    auto showOptima = [this]
    { m_pPrecharge->ShowOptimaFor(CUnitDouble(m_pMin->GetDouble(), m_pPressureUnit->GetSelectedUnitCode())); };
    showOptima();
    connect(m_pMin, &QLineEdit::textChanged, this, showOptima);
    connect(m_pPressureUnit, &QComboBox::currentIndexChanged, this, showOptima);
    m_pMax->setFocus();
}

void CAuxPowerSource::OnOk()
{
    Read(m_working.sdMaxSysPress, m_pMax, m_pPressureUnit);
    Read(m_working.sdMinSysPress, m_pMin, m_working.sdMaxSysPress.GetUnit());
    Read(m_working.sdSysTemperature, m_pTemperature, m_pTemperatureUnit);
    const sizing::SPrechargePair optima = m_pPrecharge->Read(m_working);
    const CIMsgStoredProc& messages = m_product.Messages();
    if (!PassesChecks([&](bool bAccept)
                      { return sizing::CheckAuxiliaryPower(m_working, optima, messages, bAccept); }) ||
        !Computed(sizing::CalculateAuxiliaryPower(m_working)))
        return;
    ShowResults(
        [this]
        {
            CopyAccepted(&SApplicationData::sdMaxSysPress, &SApplicationData::sdMinSysPress,
                         &SApplicationData::sdSysTemperature, &SApplicationData::sdPrechargePress,
                         &SApplicationData::bPrechargeIHaveUseCalc, &SApplicationData::bPrechargePistonOrBladder,
                         &SApplicationData::sdVolRatio, &SApplicationData::sdVolDefci,
                         &SApplicationData::sdPolyTropicExponent, &SApplicationData::sdPolyTropicExponentCharging,
                         &SApplicationData::sdRequiredAccumulatorVol);
        });
}
