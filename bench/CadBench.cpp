// The CAD drawing of a selection: the mailbox request, the drawing built from the row and its
// DXF written, side by side with each part alone (promise: the drawing and its DXF under 20 ms).
#include "outputs/CadDrawingBuilder.h"
#include "outputs/CadMailbox.h"
#include "outputs/CadObject.h"
#include "outputs/DxfWriter.h"
#include "selection/AccumulatorData.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

namespace
{
namespace fs = std::filesystem;

CAccumulatorData Piston()
{
    CAccumulatorData d;
    d.strAccumulatorType = "Piston";
    d.m_nLevel = 3;
    d.m_strPartNo = "PA31-4-150-VS-G";
    d.cpcSeriesCode.m_strCode = "PA";
    d.cpcPressureCode.m_strCode = "3";
    d.cpcDesignNumber.m_strCode = "1";
    d.cpcNomBoreCode.m_strCode = "-4";
    d.cpcCapCode.m_strCode = "-150";
    d.cpcSealCode.m_strCode = "-V";
    d.cpcConstCode.m_strCode = "S";
    d.cpcOptionCode.m_strCode = "-G";
    return d;
}

// A copy of the built mailbox, for as long as the benchmark runs.
struct SMailbox
{
    SMailbox()
    {
        dir = fs::temp_directory_path() / ("tesmara-cad-bench-" + std::to_string(std::random_device()()));
        fs::create_directories(dir);
        file = dir / "CadMailbox.db";
        fs::copy_file(TESMARA_BUILT_CAD_MAILBOX, file);
    }
    ~SMailbox() { fs::remove_all(dir); }
    fs::path dir, file;
};

// What the CAD commands do from the click to the file's bytes: the row written, read back,
// the outline looked up, the drawing laid out and written as DXF.
void BM_RequestDrawAndWriteDxf(benchmark::State& state)
{
    SMailbox mailbox;
    const CAccumulatorData piston = Piston();
    for (auto _ : state)
    {
        SCadRequest request;
        std::string strMessage;
        CCadDrawing drawing;
        if (!MakeCadRequest(piston, mailbox.file, piston.m_strPartNo, request, strMessage) ||
            !DrawCadRequest(request, SCadPreferences(), "2026-11-02", drawing, strMessage))
            state.SkipWithError(strMessage.c_str());
        benchmark::DoNotOptimize(WriteDxf(drawing));
    }
}
BENCHMARK(BM_RequestDrawAndWriteDxf)->Unit(benchmark::kMillisecond);

// The drawing from an already written row, and its DXF: the CAD component's part.
void BM_DrawAndWriteDxf(benchmark::State& state)
{
    SMailbox mailbox;
    const CAccumulatorData piston = Piston();
    SCadRequest request;
    std::string strMessage;
    MakeCadRequest(piston, mailbox.file, piston.m_strPartNo, request, strMessage);
    for (auto _ : state)
    {
        CCadDrawing drawing;
        if (!DrawCadRequest(request, SCadPreferences(), "2026-11-02", drawing, strMessage))
            state.SkipWithError(strMessage.c_str());
        benchmark::DoNotOptimize(WriteDxf(drawing));
    }
}
BENCHMARK(BM_DrawAndWriteDxf)->Unit(benchmark::kMillisecond);

// The mailbox request alone: one transaction with the clear, the conversion and the row.
void BM_MailboxRequest(benchmark::State& state)
{
    SMailbox mailbox;
    CCadMailbox box;
    std::string strError;
    box.Open(mailbox.file, strError);
    const SCadConversion conversion = Piston().GetCadConversion();
    for (auto _ : state)
    {
        SCadMailboxRow row;
        if (!box.RequestCadDrawing(conversion, row, strError))
            state.SkipWithError(strError.c_str());
    }
}
BENCHMARK(BM_MailboxRequest)->Unit(benchmark::kMillisecond);
} // namespace
