// What a step button press costs before the user sees its dialog: the dialog built from the
// built catalogue and shown (offscreen). The panel promises each of these in well under 50 ms.
#include "BenchSupport.h"
#include "models/AccumulatorChooseModel.h"
#include "models/DetailsBladder1.h"
#include "models/DetailsDiaphragm.h"
#include "models/DetailsGB1.h"
#include "models/DetailsPiston1.h"
#include "models/GasBottleSearch.h"
#include "models/GasBottleSelect.h"
#include "platform/Prompt.h"
#include "product/AccumulatorObject.h"
#include "product/ProductHost.h"
#include "product/StepDialogs.h"
#include "products/ChooseProduct.h"
#include "sizing/DescribeApplication.h"
#include "sizing/ToolAccOutputResult.h"
#include "sizing/ToolEffectTempPrechgResult.h"
#include "sizing/ToolOutputExisting.h"
#include "sizing/ToolTempEffectPrecharge.h"
#include "units/DefaultUnits.h"

#include <QApplication>
#include <QTableWidget>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace
{
// Sizes a known capacity and takes the first model of a type from the grid, without windows.
class CBenchSteps : public IStepDialogs
{
public:
    int ChooseProduct(CAccumulatorObject& product) override
    {
        return product.SetProduct(prod::Accumulator, "Accumulators", std::string()) ? dlg::Ok : dlg::Cancel;
    }
    int DescribeApplication(CAccumulatorObject&, CAccumulatorData&, CAccumulatorData& result) override
    {
        result.strApplicationText = "I know the required accumulator capacity";
        result.deSelectApp = app::KnownCapacity;
        result.sdRequiredAccumulatorVol = CUnitDouble(m_strType == "Diaphragm" ? 100.0 : 600.0, "CU_IN");
        result.sdMaxSysPress = CUnitDouble(3000.0, "PSIG");
        return dlg::Ok;
    }
    int ChooseModel(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& result) override
    {
        CAccumulatorChooseModel dialog(product, working, result);
        const auto& rows = dialog.Search().rows;
        const auto it =
            std::find_if(rows.begin(), rows.end(), [&](const auto& row) { return row.strType == m_strType; });
        if (it == rows.end())
            return dlg::Cancel;
        dialog.Grid()->selectRow(static_cast<int>(it - rows.begin()));
        dialog.OnOk();
        return dialog.result();
    }
    int SelectGasBottle(CAccumulatorObject&, CAccumulatorData&, CAccumulatorData&) override
    {
        return dlg::Cancel;
    }
    int ChooseDetails(CAccumulatorObject&, CAccumulatorData&, CAccumulatorData&) override
    {
        return dlg::Cancel;
    }
    void RunTool(CAccumulatorObject&, int) override {}

    std::string m_strType = "Piston";
};

struct SBenchProduct
{
    CSilentPrompt prompt;
    CScopedPrompt scope{prompt};
    CBenchHost host;
    CBenchSteps steps;
    CAccumulatorObject product{host, steps};

    // nLevel 0: accumulators chosen; 1: the application sized; 2: a model of the type chosen.
    explicit SBenchProduct(int nLevel, const char* pszType = "Piston")
    {
        steps.m_strType = pszType;
        if (!product.Initialize())
            std::abort();
        for (int nStep = 0; nStep <= nLevel; ++nStep)
            product.PerformButtonAction(100 + nStep);
        if (!product.AccumulatorData() || product.AccumulatorData()->m_nLevel != nLevel)
            std::abort();
    }
    // The copies a step works on, as the product object makes them.
    CAccumulatorData Copy(int nLevel)
    {
        CAccumulatorData data(*product.AccumulatorData());
        data.Initialize(nLevel);
        return data;
    }
};

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
