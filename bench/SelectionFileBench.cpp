// Saving and opening a full selection file, as the Save and Open commands do.
#include "selection/AccumulatorData.h"
#include "selection/SelectionFile.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace
{
// A complete piston selection with twenty events and ten options.
CAccumulatorData FullSelection()
{
    CAccumulatorData data;
    data.Initialize(0);
    data.m_nLevel = 3;
    data.strApplicationText = "Supplementing Pump Flow - Multiple Events";
    data.deSelectApp = 2;
    data.sdMaxSysPress.Set(3000.0, "PSIG");
    data.sdMinSysPress.Set(2000.0, "PSIG");
    int nLocation = 1;
    for (CPartCode* pCode :
         {&data.cpcSeriesCode, &data.cpcPressureCode, &data.cpcNomBoreCode, &data.cpcDesignNumber,
          &data.cpcCapCode, &data.cpcSealCode, &data.cpcPortCode, &data.cpcConstCode})
    {
        std::string strCode = "C";
        strCode += std::to_string(nLocation);
        *pCode = CPartCode(strCode, nLocation, "Code description", "Code type");
        ++nLocation;
    }
    for (int n = 0; n < 20; ++n)
    {
        SEvent event;
        event.iActNo = n / 4 + 1;
        event.iEventNo = n % 4 + 1;
        event.sdFlowrate.Set(12.5, "GPM");
        event.sdVolume.Set(100.0, "CU_IN");
        event.sdEvStartTime.Set(n * 1.5, "SEC");
        event.sdEvDuration.Set(1.5, "SEC");
        data.m_lstEvents.push_back(event);
    }
    for (int n = 0; n < 10; ++n)
    {
        std::string strCode = "O";
        strCode += std::to_string(n);
        data.m_caSelectedOptionArray.push_back({n, CPartCode(strCode, 20 + n, "Option")});
    }
    data.BuildPartNumber();
    return data;
}

SSelectionHeader Header()
{
    SSelectionHeader header;
    header.strLanguageCode = "US";
    header.strLanguageName = "U.S. English";
    header.strProdType = "Accumulators";
    header.strProdDescription = "Piston, bladder and diaphragm accumulators";
    header.bPartNumberAvailable = header.bSelectionComplete = true;
    return header;
}

std::filesystem::path BenchFile()
{
    return std::filesystem::temp_directory_path() /
           ("tesmara-selection-bench-" + std::to_string(getpid()) + ".Ac3");
}
} // namespace

// Includes writing the temporary file and renaming it over the old one.
static void BM_SaveSelection(benchmark::State& state)
{
    const CAccumulatorData data = FullSelection();
    const auto path = BenchFile();
    std::string strError;
    for (auto _ : state)
    {
        if (!SaveSelectionFile(path, Header(), data, strError))
            state.SkipWithError(strError.c_str());
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveSelection)->Unit(benchmark::kMicrosecond);

static void BM_LoadSelection(benchmark::State& state)
{
    const auto path = BenchFile();
    std::string strError;
    SaveSelectionFile(path, Header(), FullSelection(), strError);
    for (auto _ : state)
    {
        auto loaded = LoadSelectionFile(path, strError);
        if (!loaded)
            state.SkipWithError(strError.c_str());
        benchmark::DoNotOptimize(loaded);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadSelection)->Unit(benchmark::kMicrosecond);
