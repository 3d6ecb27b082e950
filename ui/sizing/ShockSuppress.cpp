// "Shock Suppression": the computed maximum and its default, the catalogue's fluids, pipes and tubes,
// the checks, the closed-form volume and the results.
#include "sizing/ShockSuppress.h"

#include "controls/ComboUnit.h"
#include "controls/EditNumeric.h"
#include "controls/StaticNumeric.h"
#include "product/AccumulatorObject.h"
#include "sizing/ApplicationChecks.h"
#include "sizing/ListCombo.h"
#include "sizing/ShockSuppression.h"
#include "sizing/SizeApplication.h"
#include "sizing/SizingLists.h"
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
const char* const kComputed = QT_TRANSLATE_NOOP("CShockSuppress", "Maximum Allowable Shock Pressure:");
} // namespace

CShockSuppress::CShockSuppress(CAccumulatorObject& product, CAccumulatorData& working,
                               CAccumulatorData& stored, QWidget* pParent)
    : CSizingDialog(product, working, stored,
                    QCoreApplication::translate("CShockSuppress", "Shock Suppression"), "CShockSuppress",
                    pParent),
      m_pLine(new QButtonGroup(this))
{
    const QString strSystem = QCoreApplication::translate("CShockSuppress", "System Pressure:");
    const QString strShock =
        QCoreApplication::translate("CShockSuppress", "Maximum Allowable Shock Pressure (entered):");
    const QString strFlow = QCoreApplication::translate("CShockSuppress", "Flow Rate Prior to Shut-off:");
    const QString strLength = QCoreApplication::translate("CShockSuppress", "Pipe/Tube Length:");
    m_pSystem = NumberEdit(strSystem);
    m_pPressureUnit = UnitCombo(m_working.sdMaxSysPress, UnitCategory::Pressure,
                                QCoreApplication::translate("CShockSuppress", "Pressure unit"));
    m_pShock = NumberEdit(strShock);
    m_pComputed = ValueText(QCoreApplication::translate("CShockSuppress", kComputed));
    m_pFluid = new CListCombo(QCoreApplication::translate("CShockSuppress", "Fluid:"));
    m_pFlow = NumberEdit(strFlow);
    m_pFlowUnit = UnitCombo(m_working.sdEnterPumpSize, UnitCategory::FlowRate,
                            QCoreApplication::translate("CShockSuppress", "Flow rate unit"));
    m_pNominal = new CListCombo(QCoreApplication::translate("CShockSuppress", "Nominal Size:"));
    m_pSchedule = new CListCombo(QCoreApplication::translate("CShockSuppress", "Schedule:"));
    m_pLength = NumberEdit(strLength);
    m_pLengthUnit = UnitCombo(m_working.sdShockTubeLength, UnitCategory::Distance,
                              QCoreApplication::translate("CShockSuppress", "Length unit"));
    QRadioButton* pPipe = ChoiceButton(QCoreApplication::translate("CShockSuppress", "Pipe"), m_pLine, 1);
    QRadioButton* pTube = ChoiceButton(QCoreApplication::translate("CShockSuppress", "Tube"), m_pLine, 0);

    auto* pGrid = new QGridLayout;
    pGrid->addWidget(Caption(strSystem, m_pSystem), 0, 0);
    pGrid->addWidget(m_pSystem, 0, 1);
    pGrid->addWidget(m_pPressureUnit, 0, 2);
    pGrid->addWidget(Caption(strShock, m_pShock), 1, 0);
    pGrid->addWidget(m_pShock, 1, 1);
    pGrid->addWidget(FollowingUnit(m_pPressureUnit), 1, 2);
    pGrid->addWidget(Caption(QCoreApplication::translate("CShockSuppress", kComputed)), 2, 0);
    pGrid->addWidget(m_pComputed, 2, 1, 1, 2);
    pGrid->addWidget(Caption(QCoreApplication::translate("CShockSuppress",
                                                         "(Max is normally the lesser of: 100 psi above system "
                                                         "pressure or 5% above system pressure.)")),
                     3, 0, 1, 3);
    pGrid->addWidget(Caption(QCoreApplication::translate("CShockSuppress", "Fluid:"), m_pFluid), 4, 0);
    pGrid->addWidget(m_pFluid, 4, 1, 1, 2);
    pGrid->addWidget(Caption(strFlow, m_pFlow), 5, 0);
    pGrid->addWidget(m_pFlow, 5, 1);
    pGrid->addWidget(m_pFlowUnit, 5, 2);

    auto* pLineBox = new QGroupBox(QCoreApplication::translate("CShockSuppress", "Line"));
    pLineBox->setAccessibleName(pLineBox->title());
    auto* pLineRow = new QHBoxLayout;
    pLineRow->addWidget(pPipe);
    pLineRow->addWidget(pTube);
    pLineRow->addStretch();
    auto* pLineGrid = new QGridLayout(pLineBox);
    pLineGrid->addLayout(pLineRow, 0, 0, 1, 3);
    pLineGrid->addWidget(Caption(QCoreApplication::translate("CShockSuppress", "Nominal Size:"), m_pNominal),
                         1, 0);
    pLineGrid->addWidget(m_pNominal, 1, 1, 1, 2);
    pLineGrid->addWidget(Caption(QCoreApplication::translate("CShockSuppress", "Schedule:"), m_pSchedule), 2,
                         0);
    pLineGrid->addWidget(m_pSchedule, 2, 1, 1, 2);
    pLineGrid->addWidget(Caption(strLength, m_pLength), 3, 0);
    pLineGrid->addWidget(m_pLength, 3, 1);
    pLineGrid->addWidget(m_pLengthUnit, 3, 2);

    auto* pContent = new QVBoxLayout;
    pContent->addLayout(pGrid);
    pContent->addWidget(pLineBox);
    pContent->addWidget(Caption(
        QCoreApplication::translate("CShockSuppress", "Precharge pressure is 60% of the System Pressure")));
    // No temperature entry here: say what the calculation takes, in the selection's unit.
    const std::string strTempUnit =
        m_working.sdSysTemperature.GetUnit().empty() ? "DEG_F" : m_working.sdSysTemperature.GetUnit();
    const CUnitDouble assumed(CUnitDouble::Convert(sizing::kShockAssumedTempF, "DEG_F", strTempUnit), strTempUnit);
    m_pAssumedTemperature =
        Caption(QCoreApplication::translate("CShockSuppress",
                                            "The gas temperature is taken as %1: shock suppression has no "
                                            "temperature entry.")
                    .arg(QString::fromStdString(assumed.Format(1, false, true) + " " + assumed.GetUnitString())));
    m_pAssumedTemperature->setWordWrap(true);
    pContent->addWidget(m_pAssumedTemperature);
    SetSizingContent(pContent);
    setTabOrder(m_pSystem, m_pPressureUnit);
    setTabOrder(m_pPressureUnit, m_pShock);
    setTabOrder(m_pShock, m_pFluid);
    setTabOrder(m_pFluid, m_pFlow);
    setTabOrder(m_pFlow, m_pFlowUnit);
    setTabOrder(m_pFlowUnit, pPipe);

    MapField("sdMaxSysPress", m_pSystem);
    MapField("sdShockMaxShockPress", m_pShock);
    MapField("sdEnterPumpSize", m_pFlow);
    MapField("sdShockTubeLength", m_pLength);

    IDatabase& db = *m_product.Database();
    m_pFluid->Fill(sizing::FluidDensities(db));
    m_pFluid->SelectNumber(m_working.dShockFluidDensity);
    LineType(m_working.bShockPipeOrTube != 0 ? 1 : 0)->setChecked(true);
    FillNominalSizes();
    FillSchedules();
    const std::string strPressure = m_pPressureUnit->GetSelectedUnitCode();
    ShowIn(m_pSystem, m_working.sdMaxSysPress, strPressure);
    if (m_working.sdShockMaxShockPress.Value() != 0.0)
        ShowIn(m_pShock, m_working.sdShockMaxShockPress, strPressure);
    Show(m_pFlow, m_working.sdEnterPumpSize);
    Show(m_pLength, m_working.sdShockTubeLength);
    m_pSchedule->setEnabled(m_working.bShockPipeOrTube != 0);
    // Known from the start, so that OK never checks against a maximum not yet computed.
    ShowComputedMaximum();

    connect(m_pSystem, &QLineEdit::editingFinished, this, &CShockSuppress::OnSystemPressureLeft);
    connect(m_pPressureUnit, &QComboBox::currentIndexChanged, this, &CShockSuppress::OnSystemPressureLeft);
    connect(m_pNominal, &QComboBox::currentIndexChanged, this, &CShockSuppress::FillSchedules);
    connect(m_pLine, &QButtonGroup::idClicked, this,
            [this](int nPipe)
            {
                m_pSchedule->setEnabled(nPipe == 1);
                FillNominalSizes();
                FillSchedules();
            });
    m_pSystem->setFocus();
}

QRadioButton* CShockSuppress::LineType(int nPipe) const
{
    return qobject_cast<QRadioButton*>(m_pLine->button(nPipe));
}

void CShockSuppress::ShowComputedMaximum()
{
    m_computed = sizing::MaximumAllowableShockPressure(
        CUnitDouble(m_pSystem->GetDouble(), m_pPressureUnit->GetSelectedUnitCode()));
    m_pComputed->SetValue(m_computed, 2, true, false);
    NameAfterText(m_pComputed, QCoreApplication::translate("CShockSuppress", kComputed));
}

void CShockSuppress::OnSystemPressureLeft()
{
    ShowComputedMaximum();
    if (m_pShock->GetDouble() == 0.0 && m_pSystem->GetDouble() > 0.0)
    {
        ShowNotAbove(m_pShock, m_computed);
        m_pShock->setFocus();
        m_pShock->selectAll();
    }
}

void CShockSuppress::FillNominalSizes()
{
    IDatabase& db = *m_product.Database();
    const bool bPipe = m_pLine->checkedId() == 1;
    const QSignalBlocker block(m_pNominal);
    m_pNominal->Fill(bPipe ? sizing::PipeNominalSizes(db) : sizing::TubeSizes(db));
    if (!m_pNominal->SelectText(m_working.strShockNominalSize) && m_pNominal->count() > 0)
        m_pNominal->setCurrentIndex(0);
}

void CShockSuppress::FillSchedules()
{
    m_pSchedule->Fill(sizing::PipeSchedules(*m_product.Database(), m_pNominal->SelectedText()));
    m_pSchedule->SelectText(m_working.strShockSchedule);
}

void CShockSuppress::ReadEntries()
{
    const bool bPipe = m_pLine->checkedId() == 1;
    m_working.bShockPipeOrTube = bPipe ? 1 : 0;
    m_working.dShockSchedule = (bPipe ? m_pSchedule : m_pNominal)->SelectedNumber().value_or(0.0);
    Read(m_working.sdMaxSysPress, m_pSystem, m_pPressureUnit);
    Read(m_working.sdShockMaxShockPress, m_pShock, m_working.sdMaxSysPress.GetUnit());
    Read(m_working.sdEnterPumpSize, m_pFlow, m_pFlowUnit);
    Read(m_working.sdShockTubeLength, m_pLength, m_pLengthUnit);
    // With no fluid chosen (a density the list lacks), the selection keeps the one it had.
    if (const std::optional<double> density = m_pFluid->SelectedNumber())
    {
        m_working.strShockFluid = m_pFluid->SelectedText();
        m_working.dShockFluidDensity = *density;
    }
    m_working.strShockNominalSize = m_pNominal->SelectedText();
    if (bPipe)
        m_working.strShockSchedule = m_pSchedule->SelectedText();
}

void CShockSuppress::OnOk()
{
    ReadEntries();
    ShowComputedMaximum();
    if (!PassesChecks([&](bool)
                      { return sizing::CheckShockSuppression(m_working, m_computed, m_product.Messages()); }) ||
        !Computed(sizing::CalculateShockSuppression(m_working)))
        return;
    ShowResults(
        [this]
        {
            CopyAccepted(&SApplicationData::sdMaxSysPress, &SApplicationData::sdShockMaxShockPress,
                         &SApplicationData::sdEnterPumpSize, &SApplicationData::sdShockTubeLength,
                         &SApplicationData::strShockFluid, &SApplicationData::dShockFluidDensity,
                         &SApplicationData::strShockNominalSize, &SApplicationData::strShockSchedule,
                         &SApplicationData::dShockSchedule, &SApplicationData::bShockPipeOrTube,
                         &SApplicationData::sdPrechargePress, &SApplicationData::bPrechargeIHaveUseCalc,
                         &SApplicationData::sdPolyTropicExponent, &SApplicationData::sdRequiredAccumulatorVol);
        });
}
