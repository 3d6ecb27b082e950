// What "Describe Application" costs before the user sees the next dialog: each application's dialog
// built from the built catalogue and shown (offscreen), and the volume graph of a full multiple-events
// cycle (10 actuators of 10 events) computed and drawn.
#include "BenchProduct.h"
#include "sizing/HoldingLeakage.h"
#include "sizing/PistonPumpPulsationDampening.h"
#include "sizing/PumpOverChoice.h"
#include "sizing/ResultDialog.h"
#include "sizing/ShockPumpOverFixed.h"
#include "sizing/ShockPumpOverVariable.h"
#include "sizing/ShockSuppress.h"
#include "sizing/SuppMultiGraph.h"
#include "sizing/SuppPumpMultiAct.h"

namespace
{
// The working and stored copies of the application step, for application nApp.
template <class Dialog> void ApplicationDialogOpens(benchmark::State& state, int nApp)
{
    SBenchProduct s(0);
    for (auto _ : state)
    {
        CAccumulatorData working = s.Copy(1);
        CAccumulatorData stored = s.Copy(1);
        working.deSelectApp = nApp;
        Dialog dialog(s.product, working, stored);
        Show(dialog);
    }
}

void BM_HoldingOpens(benchmark::State& state)
{
    ApplicationDialogOpens<CHoldingLeakage>(state, app::Holding);
}
BENCHMARK(BM_HoldingOpens)->Unit(benchmark::kMillisecond);

void BM_ShockSuppressionOpens(benchmark::State& state)
{
    ApplicationDialogOpens<CShockSuppress>(state, app::ShockSuppression);
}
BENCHMARK(BM_ShockSuppressionOpens)->Unit(benchmark::kMillisecond);

void BM_PumpTypeOpens(benchmark::State& state)
{
    ApplicationDialogOpens<CPumpOverChoice>(state, app::PumpResponse);
}
BENCHMARK(BM_PumpTypeOpens)->Unit(benchmark::kMillisecond);

void BM_FixedPumpOpens(benchmark::State& state)
{
    ApplicationDialogOpens<CShockPumpOverFixed>(state, app::PumpResponse);
}
BENCHMARK(BM_FixedPumpOpens)->Unit(benchmark::kMillisecond);

void BM_VariablePumpOpens(benchmark::State& state)
{
    ApplicationDialogOpens<CShockPumpOverVariable>(state, app::PumpResponse);
}
BENCHMARK(BM_VariablePumpOpens)->Unit(benchmark::kMillisecond);

void BM_PulsationOpens(benchmark::State& state)
{
    ApplicationDialogOpens<CPistonPumpPulsationDampening>(state, app::Pulsation);
}
BENCHMARK(BM_PulsationOpens)->Unit(benchmark::kMillisecond);

// The largest cycle the event list takes: 10 actuators of 10 events of 0.2 gal in 2 s over 100 s.
CAccumulatorData FullCycle(SBenchProduct& s)
{
    CAccumulatorData data = s.Copy(1);
    data.deSelectApp = app::MultipleEvents;
    data.sdMaxSysPress.Set(3000.0, "PSIG");
    data.sdMinSysPress.Set(2000.0, "PSIG");
    data.sdMultiEventTotalDuration.Set(100.0, "SEC");
    for (int nAct = 1; nAct <= 10; ++nAct)
        for (int nEvent = 1; nEvent <= 10; ++nEvent)
        {
            SEvent ev;
            ev.iActNo = nAct;
            ev.iEventNo = nEvent;
            ev.bPumpAvail = 1;
            ev.enumActVolForEvent = 1;
            ev.sdVolume.Set(0.2, "GAL");
            ev.sdEvStartTime.Set(10.0 * (nEvent - 1) + 0.5 * (nAct - 1), "SEC");
            ev.sdEvDuration.Set(2.0, "SEC");
            data.m_lstEvents.push_back(ev);
        }
    return data;
}

void BM_MultipleEventsListOpens(benchmark::State& state)
{
    SBenchProduct s(0);
    const CAccumulatorData full = FullCycle(s);
    for (auto _ : state)
    {
        CAccumulatorData working(full);
        CAccumulatorData stored = s.Copy(1);
        CSuppPumpMultiAct dialog(s.product, working, stored);
        Show(dialog);
    }
}
BENCHMARK(BM_MultipleEventsListOpens)->Unit(benchmark::kMillisecond);

void BM_FullCycleGraphDrawn(benchmark::State& state)
{
    SBenchProduct s(0);
    const CAccumulatorData full = FullCycle(s);
    const CUnitDouble pump(30.0, "GPM");
    for (auto _ : state)
    {
        CSuppMultiGraph graph(full, pump);
        graph.show();
        // Rendered into an image: the chart's series are laid out and painted, not only queued.
        benchmark::DoNotOptimize(graph.grab().isNull());
        graph.hide();
    }
}
BENCHMARK(BM_FullCycleGraphDrawn)->Unit(benchmark::kMillisecond);

void BM_ResultsOpen(benchmark::State& state)
{
    SBenchProduct s(0);
    CAccumulatorData sized = s.Copy(1);
    sized.deSelectApp = app::Holding;
    sized.sdRequiredAccumulatorVol.Set(692.3, "CU_IN");
    sized.sdMaxSysPress.Set(3000.0, "PSIG");
    sized.sdMinSysPress.Set(2000.0, "PSIG");
    sized.sdPrechargePress.Set(1900.0, "PSIG");
    sized.sdPolyTropicExponent.Set(1.44, "NONE");
    for (auto _ : state)
    {
        CAccumulatorData working(sized);
        CAccumulatorData stored = s.Copy(1);
        CResultDialog dialog(s.product, working, stored, true);
        Show(dialog);
    }
}
BENCHMARK(BM_ResultsOpen)->Unit(benchmark::kMillisecond);
} // namespace
