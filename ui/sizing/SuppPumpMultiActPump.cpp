// The pump dialog of multiple events: its checks, the cycle calculation, the graph and the results.
#include "sizing/SuppPumpMultiActPump.h"

#include "controls/ComboUnit.h"
#include "controls/EditNumeric.h"
#include "controls/NamedButtons.h"
#include "controls/StaticNumeric.h"
#include "product/AccumulatorObject.h"
#include "sizing/ApplicationChecks.h"
#include "sizing/SizeApplication.h"
#include "sizing/SuppMultiGraph.h"
#include "units/UnitTable.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{
const char* const kMinimumPump = QT_TRANSLATE_NOOP("CSuppPumpMultiActPump", "Minimum Pump Required:");
} // namespace

CSuppPumpMultiActPump::CSuppPumpMultiActPump(CAccumulatorObject& product, CAccumulatorData& working,
                                             CAccumulatorData& stored, QWidget* pParent)
    : CSizingDialog(product, working, stored,
                    QCoreApplication::translate("CSuppPumpMultiActPump", "Supplementing Pump Flow"),
                    "CSuppPumpMultiActPump", pParent)
{
    const QString strPump = QCoreApplication::translate("CSuppPumpMultiActPump", "Select Pump Size:");
    const QString strTemperature =
        QCoreApplication::translate("CSuppPumpMultiActPump", "System Temperature:");
    m_pMinimumPump = ValueText(QCoreApplication::translate("CSuppPumpMultiActPump", kMinimumPump));
    m_pPumpSize = NumberEdit(strPump);
    m_pFlowUnit = UnitCombo(m_working.sdEnterPumpSize, UnitCategory::FlowRate,
                            QCoreApplication::translate("CSuppPumpMultiActPump", "Pump Size unit"));
    m_pTemperature = NumberEdit(strTemperature);
    m_pTemperature->SetAllowMinus(true);
    m_pTemperatureUnit =
        UnitCombo(m_working.sdSysTemperature, UnitCategory::Temperature,
                  QCoreApplication::translate("CSuppPumpMultiActPump", "System Temperature unit"));
    auto* pGraph = NamedButton(QCoreApplication::translate("CSuppPumpMultiActPump", "View Volume Graph"));
    pGraph->setAutoDefault(false);
    connect(pGraph, &QPushButton::clicked, this, &CSuppPumpMultiActPump::OnViewGraph);

    auto* pGrid = new QGridLayout;
    pGrid->addWidget(Caption(QCoreApplication::translate("CSuppPumpMultiActPump", kMinimumPump)), 0, 0);
    pGrid->addWidget(m_pMinimumPump, 0, 1, 1, 2);
    pGrid->addWidget(Caption(strPump, m_pPumpSize), 1, 0);
    pGrid->addWidget(m_pPumpSize, 1, 1);
    pGrid->addWidget(m_pFlowUnit, 1, 2);
    pGrid->addWidget(Caption(strTemperature, m_pTemperature), 2, 0);
    pGrid->addWidget(m_pTemperature, 2, 1);
    pGrid->addWidget(m_pTemperatureUnit, 2, 2);

    // The pressures come from the event list; the entered precharge takes their unit.
    m_pPrecharge = new CPrechargeGroup(
        CPrechargeGroup::ERule::FromGauge,
        QCoreApplication::translate("CSuppPumpMultiActPump", "For a Bladder Accumulator:"), false);
    m_pPrecharge->SetUnit(m_working.sdMaxSysPress.GetUnit());
    auto* pGraphRow = new QHBoxLayout;
    pGraphRow->addStretch();
    pGraphRow->addWidget(pGraph);

    auto* pContent = new QVBoxLayout;
    pContent->addLayout(pGrid);
    pContent->addWidget(m_pPrecharge);
    pContent->addLayout(pGraphRow);
    SetSizingContent(pContent);
    setTabOrder(m_pPumpSize, m_pFlowUnit);
    setTabOrder(m_pFlowUnit, m_pTemperature);
    setTabOrder(m_pTemperature, m_pTemperatureUnit);
    setTabOrder(m_pTemperatureUnit, m_pPrecharge->Choice(CPrechargeGroup::kIHave));

    MapField("sdEnterPumpSize", m_pPumpSize);
    MapField("sdSysTemperature", m_pTemperature);
    MapField("sdPrechargePress", m_pPrecharge->Precharge());

    Show(m_pPumpSize, m_working.sdEnterPumpSize);
    Show(m_pTemperature, m_working.sdSysTemperature);
    m_pPrecharge->Load(m_working);
    m_pPrecharge->ShowOptimaFor(m_working.sdMinSysPress);
    ShowMinimumPump();
    connect(m_pFlowUnit, &QComboBox::currentIndexChanged, this, &CSuppPumpMultiActPump::ShowMinimumPump);
    m_pPumpSize->setFocus();
}

void CSuppPumpMultiActPump::ShowMinimumPump()
{
    ShowMinimumPumpFlow(m_pMinimumPump, QCoreApplication::translate("CSuppPumpMultiActPump", kMinimumPump),
                        m_working.sdMinPumpFlow, m_pFlowUnit);
}

void CSuppPumpMultiActPump::OnViewGraph()
{
    CUnitDouble pump;
    Read(pump, m_pPumpSize, m_pFlowUnit);
    CSuppMultiGraph graph(m_working, pump, this);
    RunNested(graph);
}

void CSuppPumpMultiActPump::OnOk()
{
    Read(m_working.sdEnterPumpSize, m_pPumpSize, m_pFlowUnit);
    Read(m_working.sdSysTemperature, m_pTemperature, m_pTemperatureUnit);
    const sizing::SPrechargePair optima = m_pPrecharge->Read(m_working);
    const CIMsgStoredProc& messages = m_product.Messages();
    if (!PassesChecks([&](bool bAccept)
                      { return sizing::CheckMultipleEventsPump(m_working, optima, messages, bAccept); }) ||
        !Computed(sizing::CalculateMultipleEvents(m_working)))
        return;
    ShowResults(
        [this]
        {
            CopyAccepted(&SApplicationData::sdEnterPumpSize, &SApplicationData::sdSysTemperature,
                         &SApplicationData::sdPrechargePress, &SApplicationData::bPrechargeIHaveUseCalc,
                         &SApplicationData::bPrechargePistonOrBladder, &SApplicationData::sdRequiredAccumulatorVol,
                         &SApplicationData::sdPolyTropicExponent, &SApplicationData::sdVolRatio,
                         &SApplicationData::iCriticalActuator, &SApplicationData::iCriticalEvent,
                         &SApplicationData::cudFlow);
        });
}
