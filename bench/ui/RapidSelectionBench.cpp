// Rapid selection against the built catalogue: a change of the series recomputing the cascade,
// the change that completes a piston's model number, and the type dialog built and shown.
#include "BenchProduct.h"
#include "models/DpnsAccumBase.h"
#include "models/RapidSelection.h"
#include "product/AccumulatorObjectDPNS.h"

#include <benchmark/benchmark.h>

namespace
{
struct SRapidBench
{
    CSilentPrompt prompt;
    CScopedPrompt scope{prompt};
    CBenchHost host;
    CBenchSteps steps;
    CAccumulatorObjectDPNS product{host, steps};
    const SRapidType& type = *FindRapidType("Piston");
    std::unique_ptr<CRapidSelection> pRapid;

    // A piston down to its seal, on PA 3000 psi, 4 in bore, 150 in3, alternate ports.
    SRapidBench()
    {
        if (!product.Initialize())
            std::abort();
        product.BeginRapidSelection(type, "Piston Accumulator, Inch Series");
        pRapid = std::make_unique<CRapidSelection>(type, *product.Database());
        for (const auto& [nList, pszCode] : std::initializer_list<std::pair<int, const char*>>{
                 {0, "PA"}, {1, "-4"}, {2, "S"}, {3, "_"}, {4, "-150"}, {5, "3"}, {6, "1"}, {7, "-N"}})
            if (!pRapid->SelectCode(nList, pszCode))
                std::abort();
    }
    // A change of a list and what the dialog then does with the product object.
    void Change(int nList, const char* pszCode)
    {
        pRapid->SelectCode(nList, pszCode);
        product.HoldRapidSelection(*pRapid);
    }
};

// The first list changed: every later list emptied, the bores of the other series listed.
void BM_RapidSeriesChange(benchmark::State& state)
{
    SRapidBench s;
    bool bMetric = false;
    for (auto _ : state)
    {
        bMetric = !bMetric;
        s.Change(0, bMetric ? "PM" : "PA");
    }
}
BENCHMARK(BM_RapidSeriesChange)->Unit(benchmark::kMillisecond);

// The seal changed on a complete piston: the port lists taken, the model's facts and defaults
// read, the selection made and its model number assembled.
void BM_RapidCompletingChange(benchmark::State& state)
{
    SRapidBench s;
    bool bOther = false;
    for (auto _ : state)
    {
        bOther = !bOther;
        s.Change(7, bOther ? "-V" : "-N");
    }
    if (!s.product.m_bSelectionComplete)
        std::abort();
}
BENCHMARK(BM_RapidCompletingChange)->Unit(benchmark::kMillisecond);

void BM_RapidTypeDialogOpens(benchmark::State& state)
{
    SRapidBench s;
    for (auto _ : state)
    {
        CDpnsAccumBase dialog(s.product, s.type, "PA", nullptr);
        Show(dialog);
    }
}
BENCHMARK(BM_RapidTypeDialogOpens)->Unit(benchmark::kMillisecond);
} // namespace
