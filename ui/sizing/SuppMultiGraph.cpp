// The volume graph: the cycle simulated with the pump as entered, drawn by the cycle chart.
#include "sizing/SuppMultiGraph.h"

#include "controls/NamedButtons.h"
#include "controls/StaticNumeric.h"
#include "selection/AccumulatorData.h"
#include "sizing/CycleGraphChart.h"
#include "sizing/SizeApplication.h"
#include "sizing/SizingDialog.h"

#include <QChartView>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CSuppMultiGraph::CSuppMultiGraph(const CAccumulatorData& data, const CUnitDouble& pump, QWidget* pParent)
    : QDialog(pParent)
{
    setWindowTitle(QCoreApplication::translate("CSuppMultiGraph", "Volume Graph"));
    const sizing::SCycle cycle =
        sizing::SimulateCycle(sizing::CycleEvents(data.m_lstEvents), data.sdMultiEventTotalDuration.GetValue("SEC"),
                              pump.GetValue("GPM"));
    m_pView = new QChartView(CreateCycleGraphChart(cycle.points));
    m_pView->setRenderHint(QPainter::Antialiasing);
    m_pView->setMinimumSize(640, 360);
    m_pView->setAccessibleName(windowTitle());

    const QString strMinimum = QCoreApplication::translate("CSuppMultiGraph", "Minimum pump flow:");
    m_pMinimumPump = CSizingDialog::ValueText(strMinimum);
    m_pMinimumPump->SetValueIn(data.sdMinPumpFlow, pump.GetUnit().empty() ? "GPM" : pump.GetUnit(), 2, true,
                               false);
    CSizingDialog::NameAfterText(m_pMinimumPump, strMinimum);
    auto* pOk = NamedButton(QStringLiteral("OK"));
    pOk->setDefault(true);
    connect(pOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* pRow = new QHBoxLayout;
    pRow->addWidget(CSizingDialog::Caption(strMinimum));
    pRow->addWidget(m_pMinimumPump);
    pRow->addStretch();
    pRow->addWidget(pOk);
    auto* pLayout = new QVBoxLayout(this);
    // Events the cycle cannot run have no graph; the list's OK names what is wrong with them.
    if (!cycle.bValid)
    {
        auto* pReason = new QLabel(QCoreApplication::translate("CSuppMultiGraph", "No graph: ") +
                                   QString::fromStdString(cycle.strReason) + QLatin1Char('.'));
        pReason->setAccessibleName(pReason->text());
        pLayout->addWidget(pReason);
    }
    pLayout->addWidget(m_pView, 1);
    pLayout->addLayout(pRow);
}
