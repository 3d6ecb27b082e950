// Saving and opening a reservoir isolator, accessory, repair kit and transfer barrier selection,
// each filled as its dialogs leave it; beside the accumulator's save and open of SelectionFileBench.
#include "selection/AccessoryBase.h"
#include "selection/OvrisolBase.h"
#include "selection/RepairKitBase.h"
#include "selection/SelectionFile.h"
#include "selection/TransferBase.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace
{
std::unique_ptr<CBaseProduct> Selection(int nProdId)
{
    std::unique_ptr<CBaseProduct> pData = CreateSelectionObject(nProdId);
    pData->m_nLevel = 2;
    if (auto* p = dynamic_cast<COvrisolBase*>(pData.get()))
    {
        p->Initialize(0);
        p->cudCombinedCapacity.Set(18.0, "L");
        p->cpcSeriesCode = CPartCode("OV", 1);
        p->cpcSizeCode = CPartCode("-5", 2);
        p->cpcConstructionCode = CPartCode("-S", 3, "Carbon Steel Shell, Epoxy Painted");
        p->cpcBladderCode = CPartCode("-N", 4, "Nitrile (NBR)");
        p->m_lstDefaultCodes = {CPartCode("-1", 5), CPartCode("F", 6)};
        p->strConstruction = "Carbon Steel Shell, Epoxy Painted";
        p->BuildPartNumber();
    }
    else if (auto* t = dynamic_cast<CTransferBase*>(pData.get()))
    {
        t->cudCapacity.Set(10.0, "GAL");
        t->cudPressure.Set(3000.0, "PSIG");
        t->strService = "Oil to Oil (Separates Two Hydraulic Circuits)";
        t->cpcSeriesCode = CPartCode("TB", 1);
        t->cpcPressureCode = CPartCode("3", 2);
        t->cpcCapCode = CPartCode("-10G", 4);
        t->cpcServiceCode = CPartCode("-O", 11);
        for (int n = 3; n <= 10; ++n)
            t->m_lstDefaultCodes.emplace_back("X", n, "Default", "Bladder");
        t->BuildPartNumber();
    }
    else if (auto* a = dynamic_cast<CAccessoryBase*>(pData.get()))
    {
        a->strAccumulatorType = "Piston";
        a->cudCapacity.Set(150.0, "CU_IN");
        a->strCapCode = "-150";
        a->cpcBoreCode = CPartCode("-4", 0);
        a->cudBore.Set(4.0, "IN");
        a->strAccessoryPartNumber = "SB-20";
        a->strAccessoryText = "Safety and Shut-Off Block, DN20 (3/4 in)";
    }
    else if (auto* k = dynamic_cast<CRepairKitBase*>(pData.get()))
    {
        k->strKitType = "Piston Seal Kits";
        k->strKit = "Piston Seal Kit, PA 4 in Bore, Fluorocarbon (FKM)";
        k->strPartNumber = "RK-PA4-V";
    }
    return pData;
}

SSelectionHeader Header(int nProdId)
{
    SSelectionHeader header;
    header.strLanguageCode = "US";
    header.strLanguageName = "U.S. English";
    header.nProdId = nProdId;
    header.strProdType = "Product";
    header.bPartNumberAvailable = header.bSelectionComplete = true;
    return header;
}

std::filesystem::path BenchFile(int nProdId)
{
    return std::filesystem::temp_directory_path() /
           ("tesmara-product-bench-" + std::to_string(getpid()) + "-" + std::to_string(nProdId) + ".Ac3");
}
} // namespace

// Argument: the product id, 2 reservoir isolator, 3 accessory, 4 repair kit, 5 transfer barrier.
static void BM_SaveProductSelection(benchmark::State& state)
{
    const int nProdId = static_cast<int>(state.range(0));
    const std::unique_ptr<CBaseProduct> pData = Selection(nProdId);
    const auto path = BenchFile(nProdId);
    std::string strError;
    for (auto _ : state)
    {
        if (!SaveSelectionFile(path, Header(nProdId), *pData, strError))
            state.SkipWithError(strError.c_str());
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveProductSelection)->DenseRange(2, 5)->Unit(benchmark::kMicrosecond);

static void BM_LoadProductSelection(benchmark::State& state)
{
    const int nProdId = static_cast<int>(state.range(0));
    const auto path = BenchFile(nProdId);
    std::string strError;
    SaveSelectionFile(path, Header(nProdId), *Selection(nProdId), strError);
    for (auto _ : state)
    {
        auto loaded = LoadSelectionFile(path, strError);
        if (!loaded)
            state.SkipWithError(strError.c_str());
        benchmark::DoNotOptimize(loaded);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadProductSelection)->DenseRange(2, 5)->Unit(benchmark::kMicrosecond);
