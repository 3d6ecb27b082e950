// libFuzzer target: the JSON input of tesmara size on arbitrary bytes, on the built catalogue.
#include "CliSession.h"
#include "FuzzSupport.h"
#include "JsonInput.h"
#include "SizeRunner.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace
{
// One input per application, each sized as the tests know it; the fuzzer mutates from these.
const char* const kSeeds[] = {
    R"({"deSelectApp":0,"sdRequiredAccumulatorVol":{"value":300,"unit":"CU_IN"},"sdMaxSysPress":{"value":3000,"unit":"PSIG"}})",
    R"({"deSelectApp":1,"deSelectCalcMethod":1,"sdCylDim_BoreDia":{"value":4,"unit":"IN"},"sdCylDim_RodDia":{"value":2,"unit":"IN"},)"
    R"("sdCylDim_StrokeLen":{"value":20,"unit":"IN"},"siCylDim_NoCylParallel":{"value":1,"unit":"NONE"},"sdActuationTime":{"value":2,"unit":"SEC"},)"
    R"("sdDwellTime":{"value":8,"unit":"SEC"},"sdEnterPumpSize":{"value":40,"unit":"GPM"},"sdMaxSysPress":{"value":3000,"unit":"PSIG"},)"
    R"("sdMinSysPress":{"value":2000,"unit":"PSIG"}})",
    R"({"deSelectApp":1,"sdActVolDisplacement":{"value":200,"unit":"CU_IN"},"sdActuationTime":{"value":2,"unit":"SEC"},)"
    R"("sdDwellTime":{"value":8,"unit":"SEC"},"sdEnterPumpSize":{"value":30,"unit":"GPM"},"sdMaxSysPress":{"value":3000,"unit":"PSIG"},)"
    R"("sdMinSysPress":{"value":2000,"unit":"PSIG"}})",
    R"({"deSelectApp":2,"sdMaxSysPress":{"value":3000,"unit":"PSIG"},"sdMinSysPress":{"value":2000,"unit":"PSIG"},)"
    R"("sdMultiEventTotalDuration":{"value":10,"unit":"SEC"},"sdEnterPumpSize":{"value":100,"unit":"GPM"},"m_lstEvents":)"
    R"([{"iActNo":1,"iEventNo":1,"enumActVolForEvent":1,"sdVolume":{"value":100,"unit":"CU_IN"},"sdEvDuration":{"value":2,"unit":"SEC"}}]})",
    R"({"deSelectApp":3,"sdActVolDisplacement":{"value":150,"unit":"CU_IN"},"sdActuationTime":{"value":5,"unit":"SEC"},)"
    R"("sdDwellTime":{"value":20,"unit":"SEC"},"sdMaxSysPress":{"value":3000,"unit":"PSIG"},"sdMinSysPress":{"value":2000,"unit":"PSIG"}})",
    R"({"deSelectApp":4,"sdHoldTimeHold":{"value":600,"unit":"SEC"},"sdHoldLeakageRate":{"value":1,"unit":"CU_IN_MIN"},)"
    R"("sdMaxSysPress":{"value":3000,"unit":"PSIG"},"sdMinSysPress":{"value":2000,"unit":"PSIG"}})",
    R"({"deSelectApp":5,"sdMaxSysPress":{"value":2000,"unit":"PSIG"},"sdShockMaxShockPress":{"value":2100,"unit":"PSIG"},)"
    R"("sdEnterPumpSize":{"value":30,"unit":"GPM"},"sdShockTubeLength":{"value":50,"unit":"FT"},"dShockSchedule":1.049})",
    R"({"deSelectApp":6,"sdMaxSysPress":{"value":3000,"unit":"PSIG"},"sdShockMaxShockPress":{"value":3100,"unit":"PSIG"},)"
    R"("iPulsationNoOfPistInPump":3,"sdPulsationPumpDisp":{"value":2,"unit":"CU_IN_REV"}})",
    R"({"deSelectApp":7,"sdMaxSysPress":{"value":2000,"unit":"PSIG"},"sdShockMaxShockPress":{"value":2200,"unit":"PSIG"},)"
    R"("sdFlowRate":{"value":40,"unit":"GPM"},"sdShockResponseTime":{"value":0.05,"unit":"SEC"}})",
};

std::filesystem::path CatalogueFolder()
{
    const char* pszFolder = std::getenv("TESMARA_CATALOGUE_DIR");
    return pszFolder ? pszFolder : TESMARA_BUILT_CATALOGUE_DIR;
}
} // namespace

// With TESMARA_FUZZ_SEEDS set to a folder, writes the seed corpus there and ends.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    WriteSeedsIfAsked([](const std::filesystem::path& folder) {
        int n = 0;
        for (const char* pszSeed : kSeeds)
            WriteSeed(folder / ("app" + std::to_string(n++) + ".json"), pszSeed, std::string(pszSeed).size());
    });
    return 0;
}

// The contract: any input ends in a sizing or a refusal that says why, never in an exception;
// a sizing reported as done has a finite, positive volume; every result can be printed as JSON.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    KeepQuiet();
    static CCliSession session;
    static const bool bOpen = [] {
        std::string strError;
        if (!session.Open(CatalogueFolder(), strError))
            throw std::runtime_error("the fuzzer needs the built catalogue: " + strError);
        return true;
    }();
    (void)bOpen;

    const std::string strText(reinterpret_cast<const char*>(pData), nSize);
    nlohmann::json input;
    try
    {
        input = ParseJsonText(strText, "The input");
    }
    catch (const std::runtime_error& e)
    {
        if (std::string(e.what()).empty())
            __builtin_trap();
        return 0;
    }
    // Both ways of answering the program's questions; the size of a mutated input is even or odd.
    const SSizeRun run = SizeFromJson(session, input, nSize % 2 == 0);
    if (run.refusal)
    {
        if (run.refusal->empty())
            __builtin_trap();
        (void)JsonText(RefusalToJson(run));
        return 0;
    }
    if (run.outcome.eStatus == sizing::ESizingStatus::Sized)
    {
        const double dVolume = run.data.sdRequiredAccumulatorVol.Value();
        if (!std::isfinite(dVolume) || !(dVolume > 0.0))
            __builtin_trap();
    }
    (void)JsonText(JsonOut{{"outcome", OutcomeToJson(run.outcome)}, {"application", ApplicationToJson(run.data)}});
    (void)SizingReport(run);
    return 0;
}
