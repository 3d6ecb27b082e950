// The report map of a complete selection filled from the catalogue, as each report command starts.
#include "ReportSelection.h"

#include "selection/OvrisolBase.h"

#include <benchmark/benchmark.h>

namespace
{
void BM_ReportMapFilled(benchmark::State& state)
{
    SReportBenchSelection s(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(PrintSelectionReport(s.data, s.context));
}
// Without events, and with the 40 events of a two-page report.
BENCHMARK(BM_ReportMapFilled)->Arg(0)->Arg(40)->Unit(benchmark::kMillisecond);

// A reservoir isolator's map: its own keys, the size's dimensions and two pictures.
void BM_IsolatorReportMapFilled(benchmark::State& state)
{
    SReportBenchSelection s(0);
    COvrisolBase ov;
    ov.m_nLevel = 2;
    ov.cudCombinedCapacity.Set(18.0, "GAL");
    ov.cudCapacityDisplay.Set(20.0, "GAL");
    ov.cpcSeriesCode = CPartCode("OV", 1);
    ov.cpcSizeCode = CPartCode("-20", 2);
    ov.cpcConstructionCode = CPartCode("-S", 3);
    ov.cpcBladderCode = CPartCode("-N", 4, "Nitrile (NBR)");
    s.context.nProdId = 2;
    s.context.strProdType = "Reservoir Isolators";
    for (auto _ : state)
        benchmark::DoNotOptimize(PrintSelectionReport(ov, s.context));
}
BENCHMARK(BM_IsolatorReportMapFilled)->Unit(benchmark::kMillisecond);
} // namespace
