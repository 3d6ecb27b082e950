// "Gas State": the discharge run's chart with a line on what it shows, and OK.
#include "sizing/GasStateDialog.h"

#include "controls/NamedButtons.h"
#include "selection/AccumulatorData.h"
#include "sizing/GasStateChart.h"
#include "sizing/GasStateRun.h"
#include "units/NumberFormat.h"

#include <QChartView>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CGasStateDialog::CGasStateDialog(const CAccumulatorData& data, const std::string& strVolumeUnit, QWidget* pParent)
    : QDialog(pParent)
{
    setWindowTitle(QCoreApplication::translate("CGasStateDialog", "Gas State"));
    SGasStateUnits units;
    for (auto [pUnit, strEntered] : {std::pair{&units.strPressure, data.sdMaxSysPress.GetUnit()},
                                     {&units.strTemperature, data.sdSysTemperature.GetUnit()},
                                     {&units.strVolume, strVolumeUnit}})
        if (!strEntered.empty())
            *pUnit = strEntered;
    const gas::SGasTrajectory trajectory = sizing::GasStates(data);
    // The sizing's own exponent, as the results and the report show it; the run's where none is kept.
    const double dExponent =
        data.sdPolyTropicExponent.Value() > 0.0 ? data.sdPolyTropicExponent.Value() : trajectory.dExponent;

    auto* pNote = new QLabel(
        trajectory.states.empty()
            ? QCoreApplication::translate("CGasStateDialog",
                                          "The gas model gives no states for this application.")
            : QStringLiteral(
                  "The gas of the required accumulator capacity during its discharge, as the gas model "
                  "computes it (polytropic exponent %1).")
                  .arg(QString::fromStdString(FormatExponent(dExponent))));
    pNote->setWordWrap(true);
    pNote->setAccessibleName(pNote->text());
    m_pView = new QChartView(CreateGasStateChart(trajectory, units));
    m_pView->setRenderHint(QPainter::Antialiasing);
    m_pView->setMinimumSize(720, 420);
    m_pView->setAccessibleName(windowTitle());

    auto* pOk = NamedButton(QStringLiteral("OK"));
    pOk->setDefault(true);
    connect(pOk, &QPushButton::clicked, this, &QDialog::accept);
    auto* pButtons = new QHBoxLayout;
    pButtons->addStretch();
    pButtons->addWidget(pOk);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pNote);
    pLayout->addWidget(m_pView, 1);
    pLayout->addLayout(pButtons);
}
