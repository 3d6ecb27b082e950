// tesmara batch throughput: 1,000 mixed sizing lines on one core and on every core.
#include "BatchRunner.h"

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <vector>

namespace
{
// Eight kinds of lines (every calculating application and a known capacity), varied in size.
std::vector<std::string> MixedLines()
{
    const std::string p = R"("sdMaxSysPress":{"value":3000,"unit":"PSIG"},"sdMinSysPress":{"value":2000,"unit":"PSIG"})";
    std::vector<std::string> lines;
    for (int i = 0; i < 1000; ++i)
    {
        const std::string v = std::to_string(100 + (i % 50) * 10);
        switch (i % 8)
        {
        case 0:
            lines.push_back(R"({"deSelectApp":0,"sdRequiredAccumulatorVol":{"value":)" + v +
                            R"(,"unit":"CU_IN"},"sdMaxSysPress":{"value":3000,"unit":"PSIG"}})");
            break;
        case 1:
            lines.push_back(R"({"deSelectApp":1,"sdActVolDisplacement":{"value":)" + v +
                            R"(,"unit":"CU_IN"},"sdActuationTime":{"value":2,"unit":"SEC"},"sdDwellTime":{"value":8,"unit":"SEC"},"sdEnterPumpSize":{"value":30,"unit":"GPM"},)" +
                            p + "}");
            break;
        case 2:
            lines.push_back(R"({"deSelectApp":3,"sdActVolDisplacement":{"value":)" + v +
                            R"(,"unit":"CU_IN"},"sdActuationTime":{"value":5,"unit":"SEC"},"sdDwellTime":{"value":20,"unit":"SEC"},)" +
                            p + "}");
            break;
        case 3:
            lines.push_back(R"({"deSelectApp":4,"sdHoldTimeHold":{"value":)" + v +
                            R"(,"unit":"SEC"},"sdHoldLeakageRate":{"value":2,"unit":"CU_IN_MIN"},)" + p + "}");
            break;
        case 4:
            lines.push_back(R"({"deSelectApp":5,"sdMaxSysPress":{"value":2000,"unit":"PSIG"},"sdShockMaxShockPress":{"value":2100,"unit":"PSIG"},"sdEnterPumpSize":{"value":)" +
                            std::to_string(20 + i % 40) +
                            R"(,"unit":"GPM"},"sdShockTubeLength":{"value":50,"unit":"FT"},"dShockSchedule":1.049})");
            break;
        case 5:
            lines.push_back(R"({"deSelectApp":6,"sdMaxSysPress":{"value":3000,"unit":"PSIG"},"sdShockMaxShockPress":{"value":3100,"unit":"PSIG"},"iPulsationNoOfPistInPump":3,"sdPulsationPumpDisp":{"value":)" +
                            std::to_string(1 + i % 5) + R"(,"unit":"CU_IN_REV"}})");
            break;
        case 6:
            lines.push_back(R"({"deSelectApp":7,"sdMaxSysPress":{"value":2000,"unit":"PSIG"},"sdShockMaxShockPress":{"value":2200,"unit":"PSIG"},"sdFlowRate":{"value":)" +
                            std::to_string(10 + i % 60) + R"(,"unit":"GPM"},"sdShockResponseTime":{"value":0.05,"unit":"SEC"}})");
            break;
        default:
            lines.push_back(R"({"deSelectApp":1,"deSelectCalcMethod":1,"sdCylDim_BoreDia":{"value":4,"unit":"IN"},"sdCylDim_RodDia":{"value":2,"unit":"IN"},"sdCylDim_StrokeLen":{"value":)" +
                            std::to_string(10 + i % 20) +
                            R"(,"unit":"IN"},"siCylDim_NoCylParallel":{"value":1,"unit":"NONE"},"sdActuationTime":{"value":2,"unit":"SEC"},"sdDwellTime":{"value":8,"unit":"SEC"},"sdEnterPumpSize":{"value":40,"unit":"GPM"},)" +
                            p + "}");
            break;
        }
    }
    return lines;
}

void BM_Batch1000(benchmark::State& state)
{
    static const std::vector<std::string> lines = MixedLines();
    std::string strInput;
    for (const std::string& strLine : lines)
        strInput.append(strLine).push_back('\n');
    std::size_t nBytes = 0;
    const BatchSink sink = [&nBytes](const std::string& strResult)
    {
        nBytes += strResult.size();
        return true;
    };
    for (auto _ : state)
    {
        std::istringstream in(strInput);
        benchmark::DoNotOptimize(
            RunBatch(in, sink, static_cast<unsigned>(state.range(0)), false, TESMARA_BUILT_CATALOGUE_DIR));
    }
    benchmark::DoNotOptimize(nBytes);
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(lines.size()));
}
BENCHMARK(BM_Batch1000)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace
