// What a step button of the other products costs before the user sees its dialog: each dialog of
// the reservoir isolator, transfer barrier, accessory and repair kit steps built from the built
// catalogue and shown (offscreen), with the earlier choices that reopening it preselects.
#include "BenchProduct.h"
#include "product/AccumulatorObject.h"
#include "product/StepDialogs.h"
#include "products/AccessoryChooseAccumulator.h"
#include "products/AccessoryType.h"
#include "products/Ovrisol1SizeSelection.h"
#include "products/Ovrisol2ARequiredCapacities.h"
#include "products/Ovrisol2BFluidLevel.h"
#include "products/OvrisolChooseModel.h"
#include "products/RepairKit.h"
#include "products/RepairKitSelect.h"
#include "products/TransferBarrier.h"
#include "selection/AccessoryBase.h"
#include "selection/OvrisolBase.h"
#include "selection/RepairKitBase.h"
#include "selection/TransferBase.h"

#include <cstdlib>
#include <functional>
#include <type_traits>

namespace
{
class CProductSteps : public IStepDialogs
{
public:
    int ChooseProduct(CAccumulatorObject& product) override
    {
        return product.SetProduct(m_nProdId, "Product", std::string()) ? dlg::Ok : dlg::Cancel;
    }
    int DescribeApplication(CAccumulatorObject&, CAccumulatorData&, CAccumulatorData&) override { return dlg::Cancel; }
    int ChooseModel(CAccumulatorObject&, CAccumulatorData&, CAccumulatorData&) override { return dlg::Cancel; }
    int SelectGasBottle(CAccumulatorObject&, CAccumulatorData&, CAccumulatorData&) override { return dlg::Cancel; }
    int ChooseDetails(CAccumulatorObject&, CAccumulatorData&, CAccumulatorData&) override { return dlg::Cancel; }
    void RunTool(CAccumulatorObject&, int) override {}
    // The reservoir isolator's capacity: 10 L of cylinders and 5 L of accumulators.
    int OvrisolSizeSelection(CAccumulatorObject&, COvrisolBase&, COvrisolBase& stored) override
    {
        stored.cudCylinderCapacity.Set(10.0, "L");
        stored.cudAccumulatorCapacity.Set(5.0, "L");
        stored.cudCombinedCapacity.Set(18.0, "L");
        return dlg::Ok;
    }

    int m_nProdId = prod::ReservoirIsolator;
};

// A product chosen, and for the reservoir isolator its capacity stated.
struct SBenchProduct
{
    CSilentPrompt prompt;
    CScopedPrompt scope{prompt};
    CBenchHost host;
    CProductSteps steps;
    CAccumulatorObject product{host, steps};

    explicit SBenchProduct(int nProdId)
    {
        steps.m_nProdId = nProdId;
        if (!product.Initialize())
            std::abort();
        product.PerformButtonAction(100);
        if (nProdId == prod::ReservoirIsolator)
            product.PerformButtonAction(101);
        if (product.ProdId() != nProdId)
            std::abort();
    }
    template <class T> T Copy() { return *product.SelectionAs<T>(); }
};

// Builds and shows a step's dialog over copies of the selection, as the step makes them; fnHeld
// sets what an earlier choice would have left in the selection.
template <class Dialog, class T>
void Opens(benchmark::State& state, int nProdId, const std::function<void(T&)>& fnHeld = {})
{
    SBenchProduct s(nProdId);
    T held = s.Copy<T>();
    if (fnHeld)
        fnHeld(held);
    for (auto _ : state)
    {
        T working = held;
        if constexpr (std::is_constructible_v<Dialog, CAccumulatorObject&, T&, T&>)
        {
            T stored = held;
            Dialog dialog(s.product, working, stored);
            Show(dialog);
        }
        else
        {
            Dialog dialog(s.product, working);
            Show(dialog);
        }
    }
}

void BM_OvrisolMethodOpens(benchmark::State& state)
{
    Opens<COvrisol1SizeSelection, COvrisolBase>(state, prod::ReservoirIsolator);
}
BENCHMARK(BM_OvrisolMethodOpens)->Unit(benchmark::kMillisecond);

void BM_OvrisolCapacitiesOpen(benchmark::State& state)
{
    Opens<COvrisol2ARequiredCapacities, COvrisolBase>(state, prod::ReservoirIsolator);
}
BENCHMARK(BM_OvrisolCapacitiesOpen)->Unit(benchmark::kMillisecond);

void BM_OvrisolFluidLevelsOpen(benchmark::State& state)
{
    Opens<COvrisol2BFluidLevel, COvrisolBase>(state, prod::ReservoirIsolator);
}
BENCHMARK(BM_OvrisolFluidLevelsOpen)->Unit(benchmark::kMillisecond);

// The size query and the bladders of the series.
void BM_OvrisolModelOpens(benchmark::State& state)
{
    Opens<COvrisolChooseModel, COvrisolBase>(state, prod::ReservoirIsolator);
}
BENCHMARK(BM_OvrisolModelOpens)->Unit(benchmark::kMillisecond);

// Three filter lists and the grid of every barrier.
void BM_TransferBarrierOpens(benchmark::State& state)
{
    Opens<CTransferBarrier, CTransferBase>(state, prod::TransferBarrier);
}
BENCHMARK(BM_TransferBarrierOpens)->Unit(benchmark::kMillisecond);

// The types and the 54 piston sizes.
void BM_AccessoryAccumulatorOpens(benchmark::State& state)
{
    Opens<CAccessoryChooseAccumulator, CAccessoryBase>(state, prod::Accessories,
                                                       [](CAccessoryBase& a) { a.strAccumulatorType = "Piston"; });
}
BENCHMARK(BM_AccessoryAccumulatorOpens)->Unit(benchmark::kMillisecond);

// The accessories of a bladder size, with the first one's picture.
void BM_AccessoryTypeOpens(benchmark::State& state)
{
    Opens<CAccessoryType, CAccessoryBase>(state, prod::Accessories,
                                          [](CAccessoryBase& a)
                                          {
                                              a.strAccumulatorType = "Bladder";
                                              a.strCapCode = "-10G";
                                          });
}
BENCHMARK(BM_AccessoryTypeOpens)->Unit(benchmark::kMillisecond);

void BM_RepairKitOpens(benchmark::State& state)
{
    Opens<CRepairKit, CRepairKitBase>(state, prod::RepairKit);
}
BENCHMARK(BM_RepairKitOpens)->Unit(benchmark::kMillisecond);

// Five filter lists and the 112 piston seal kits.
void BM_RepairKitSelectOpens(benchmark::State& state)
{
    Opens<CRepairKitSelect, CRepairKitBase>(state, prod::RepairKit,
                                            [](CRepairKitBase& k) { k.strKitType = "Piston Seal Kits"; });
}
BENCHMARK(BM_RepairKitSelectOpens)->Unit(benchmark::kMillisecond);
} // namespace
