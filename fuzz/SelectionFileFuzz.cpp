// libFuzzer target: the selection file reader on arbitrary bytes.
#include "FuzzSupport.h"
#include "selection/AccumulatorData.h"
#include "selection/SelectionFile.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace
{
void WriteSelectionSeed(const std::filesystem::path& path, const SSelectionHeader& header,
               const CBaseProduct& selection)
{
    const std::vector<std::uint8_t> bytes = WriteSelectionBytes(header, selection);
    WriteSeed(path, bytes.data(), bytes.size());
}

// Seeds for the corpus: saved selections of growing content, so that the fuzzer starts from
// files that open and mutates every part of them.
void WriteSeeds(const std::filesystem::path& folder)
{
    SSelectionHeader header;
    header.strLanguageCode = "US";
    header.strLanguageName = "U.S. English";
    header.strProdType = "Accumulators";
    header.strProdDescription = "Piston, bladder and diaphragm accumulators";

    CAccumulatorData data;
    WriteSelectionSeed(folder / "fresh.Ac3", header, data);

    data.Initialize(0);
    data.m_nLevel = 3;
    data.strApplicationText = "Supplementing Pump Flow - Multiple Events";
    data.cpcSeriesCode = CPartCode("PA", 1, "Piston", "Series");
    data.cpcDesignNumber = CPartCode("3", 4);
    data.cpcPortModTypeCode = CPartCode("-S", 7, "SAE", "Hydraulic Type");
    data.m_lstDefaultCodes = {CPartCode("_", 12), CPartCode("X", 31)};
    for (int n = 1; n <= 3; ++n)
    {
        SEvent event;
        event.iActNo = n;
        event.iEventNo = 1;
        event.sdFlowrate.Set(10.0 * n, "GPM");
        event.sdEvDuration.Set(1.5, "SEC");
        data.m_lstEvents.push_back(event);
        data.m_caSelectedOptionArray.push_back({n, CPartCode("O" + std::to_string(n), 20 + n, "Option")});
    }
    data.BuildPartNumber();
    header.bPartNumberAvailable = header.bSelectionComplete = true;
    WriteSelectionSeed(folder / "events.Ac3", header, data);

    header.nProdId = 1;
    header.strProdType = "Gas Bottles";
    data.strAccumulatorType = "GB";
    data.cpcGBPartNumber = CPartCode("GB3-0100", 0, "Gas bottle \u00E9");
    WriteSelectionSeed(folder / "gasbottle.Ac3", header, data);
}
} // namespace

// With TESMARA_FUZZ_SEEDS set to a folder, writes the seed corpus there and ends.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    WriteSeedsIfAsked(WriteSeeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    // Unknown unit codes in a fuzzed file make comparisons report through the prompt.
    KeepQuiet();

    std::string strError;
    const auto loaded = ReadSelectionBytes(std::vector<std::uint8_t>(pData, pData + nSize), strError);
    if (!loaded)
    {
        if (strError.empty())
            __builtin_trap(); // a refusal always says why
        return 0;
    }

    // What opens must save, and what it saves must open again to the very same bytes.
    const std::vector<std::uint8_t> once = WriteSelectionBytes(loaded->header, *loaded->pSelection);
    const auto again = ReadSelectionBytes(once, strError);
    if (!again || WriteSelectionBytes(again->header, *again->pSelection) != once)
        __builtin_trap();

    // The operations a loaded selection meets first: copying, comparing, the step texts.
    auto& data = dynamic_cast<CAccumulatorData&>(*again->pSelection);
    CAccumulatorData copy(data);
    (void)copy.IsEqual(data);
    for (int nStep = 0; nStep < 4; ++nStep)
        (void)data.GetSelectionDisplayText(nStep);
    (void)data.BuildPartNumber();
    return 0;
}
