// The report map of a complete selection filled from the catalogue, as each report command starts.
#include "ReportSelection.h"

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
} // namespace
