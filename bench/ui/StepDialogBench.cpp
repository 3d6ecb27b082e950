// What a step button press costs before the user sees its dialog: the dialog built from the
// built catalogue and shown (offscreen). The panel promises each of these in well under 50 ms.
#include "BenchProduct.h"
#include "models/DetailsBladder1.h"
#include "models/DetailsDiaphragm.h"
#include "models/DetailsGB1.h"
#include "models/DetailsPiston1.h"
#include "models/GasBottleSearch.h"
#include "models/GasBottleSelect.h"
#include "products/ChooseProduct.h"
#include "sizing/DescribeApplication.h"
#include "sizing/ToolAccOutputResult.h"
#include "sizing/ToolEffectTempPrechgResult.h"
#include "sizing/ToolOutputExisting.h"
#include "sizing/ToolTempEffectPrecharge.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace
{
void BM_ChooseProductOpens(benchmark::State& state)
{
    SBenchProduct s(0);
    for (auto _ : state)
    {
        CChooseProduct dialog(s.product);
        Show(dialog);
    }
}
BENCHMARK(BM_ChooseProductOpens)->Unit(benchmark::kMillisecond);

void BM_DescribeApplicationOpens(benchmark::State& state)
{
    SBenchProduct s(1);
    for (auto _ : state)
    {
        CAccumulatorData working(*s.product.AccumulatorData());
        CAccumulatorData result = s.Copy(1);
        CDescribeApplication dialog(s.product, working, result);
        Show(dialog);
    }
}
BENCHMARK(BM_DescribeApplicationOpens)->Unit(benchmark::kMillisecond);

// The seven model queries, the high-flow check and the grid.
void BM_ChooseModelOpens(benchmark::State& state)
{
    SBenchProduct s(1);
    for (auto _ : state)
    {
        CAccumulatorData working = s.Copy(2);
        CAccumulatorData result = s.Copy(2);
        CAccumulatorChooseModel dialog(s.product, working, result);
        Show(dialog);
    }
}
BENCHMARK(BM_ChooseModelOpens)->Unit(benchmark::kMillisecond);

// Eight detail lists, the options and the port modifications.
void BM_PistonDetailsOpen(benchmark::State& state)
{
    SBenchProduct s(2);
    for (auto _ : state)
    {
        CAccumulatorData working(*s.product.AccumulatorData());
        CAccumulatorData result = s.Copy(3);
        CDetailsPiston1 dialog(s.product, working, result);
        Show(dialog);
    }
}
BENCHMARK(BM_PistonDetailsOpen)->Unit(benchmark::kMillisecond);

template <class Details> void DetailsOpen(benchmark::State& state, SBenchProduct& s)
{
    for (auto _ : state)
    {
        CAccumulatorData working(*s.product.AccumulatorData());
        CAccumulatorData result = s.Copy(3);
        Details dialog(s.product, working, result);
        Show(dialog);
    }
}

void BM_BladderDetailsOpen(benchmark::State& state)
{
    SBenchProduct s(2, "Bladder");
    DetailsOpen<CDetailsBladder1>(state, s);
}
BENCHMARK(BM_BladderDetailsOpen)->Unit(benchmark::kMillisecond);

void BM_DiaphragmDetailsOpen(benchmark::State& state)
{
    SBenchProduct s(2, "Diaphragm");
    DetailsOpen<CDetailsDiaphragm>(state, s);
}
BENCHMARK(BM_DiaphragmDetailsOpen)->Unit(benchmark::kMillisecond);

void BM_GasBottleDetailsOpen(benchmark::State& state)
{
    SBenchProduct s(0);
    CAccumulatorData& bottle = *s.product.AccumulatorData();
    const CUnitDouble pressure(3000.0, "PSIG");
    ApplyGasBottleChoice(bottle, GasBottleList(2, pressure, *s.product.Database()).front(), pressure, 2, "N",
                         *s.product.Database());
    bottle.m_nLevel = 2;
    DetailsOpen<CDetailsGB1>(state, s);
}
BENCHMARK(BM_GasBottleDetailsOpen)->Unit(benchmark::kMillisecond);

// Reopened with a bottle held: pressures, bottles and the high-flow note.
void BM_SelectGasBottleOpens(benchmark::State& state)
{
    SBenchProduct s(0);
    CAccumulatorData held = s.Copy(2);
    const CUnitDouble pressure(3000.0, "PSIG");
    ApplyGasBottleChoice(held, GasBottleList(3, pressure, *s.product.Database()).back(), pressure, 3, "N",
                         *s.product.Database());
    for (auto _ : state)
    {
        CAccumulatorData working(held);
        CAccumulatorData result = s.Copy(2);
        CGasBottleSelect dialog(s.product, working, result);
        Show(dialog);
    }
}
BENCHMARK(BM_SelectGasBottleOpens)->Unit(benchmark::kMillisecond);

// The tools from the Tools menu, and their results as OK opens them.
template <class Tool> void ToolOpens(benchmark::State& state)
{
    SBenchProduct s(0);
    for (auto _ : state)
    {
        Tool dialog(s.product);
        Show(dialog);
    }
}

void BM_ToolOutputExistingOpens(benchmark::State& state)
{
    ToolOpens<CToolOutputExisting>(state);
}
BENCHMARK(BM_ToolOutputExistingOpens)->Unit(benchmark::kMillisecond);

void BM_ToolTempEffectPrechargeOpens(benchmark::State& state)
{
    ToolOpens<CToolTempEffectPrecharge>(state);
}
BENCHMARK(BM_ToolTempEffectPrechargeOpens)->Unit(benchmark::kMillisecond);

void BM_ToolAccOutputResultOpens(benchmark::State& state)
{
    SBenchProduct s(0);
    sizing::SOutputExistingOutcome outcome;
    outcome.output = CUnitDouble(321.5, "CU_IN");
    outcome.precharge = CUnitDouble(1800.0, "PSIG");
    outcome.dExponent = 1.4;
    for (auto _ : state)
    {
        CToolAccOutputResult dialog(s.product, "Accumulator Discharge:", outcome);
        Show(dialog);
    }
}
BENCHMARK(BM_ToolAccOutputResultOpens)->Unit(benchmark::kMillisecond);

void BM_ToolEffectTempPrechgResultOpens(benchmark::State& state)
{
    SBenchProduct s(0);
    const CUnitDouble cold(70.0, "DEG_F"), hot(150.0, "DEG_F"), low(1000.0, "PSIG"), high(1160.0, "PSIG");
    for (auto _ : state)
    {
        CToolEffectTempPrechgResult dialog(s.product, cold, hot, low, high);
        Show(dialog);
    }
}
BENCHMARK(BM_ToolEffectTempPrechgResultOpens)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The offscreen platform's notices would break up the results table.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
