// The CAD drawing of a selection: the mailbox request, the drawing built from the row and its
// DXF written, side by side with each part alone (promise: the drawing and its DXF under 20 ms);
// a piston and a transfer barrier (the bladder shell with its top port) side by side.
#include "outputs/CadDrawingBuilder.h"
#include "outputs/CadMailbox.h"
#include "outputs/CadObject.h"
#include "outputs/DxfWriter.h"
#include "selection/AccumulatorData.h"
#include "selection/TransferBase.h"

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

// TB, 3000 psi, 10 gal, oil to oil, with the bladder codes "Choose Model" gives it.
CTransferBase TransferBarrier()
{
    CTransferBase d;
    d.m_nLevel = 2;
    d.strService = "Oil to Oil (Separates Two Hydraulic Circuits)";
    d.cpcSeriesCode = CPartCode("TB", 1);
    d.cpcPressureCode = CPartCode("3", 2);
    d.cpcCapCode = CPartCode("-10G", 4);
    d.cpcServiceCode = CPartCode("-O", 11);
    d.m_lstDefaultCodes = {CPartCode("1", 3), CPartCode("-N", 5), CPartCode("S", 6), CPartCode("S", 7),
                           CPartCode("P", 8)};
    d.BuildPartNumber();
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
template <class Make> void BM_RequestDrawAndWriteDxf(benchmark::State& state, Make make)
{
    SMailbox mailbox;
    const auto selection = make();
    for (auto _ : state)
    {
        SCadRequest request;
        std::string strMessage;
        CCadDrawing drawing;
        if (!MakeCadRequest(selection, mailbox.file, selection.m_strPartNo, request, strMessage) ||
            !DrawCadRequest(request, SCadPreferences(), "2026-11-02", drawing, strMessage))
            state.SkipWithError(strMessage.c_str());
        benchmark::DoNotOptimize(WriteDxf(drawing));
    }
}
BENCHMARK_CAPTURE(BM_RequestDrawAndWriteDxf, piston, Piston)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RequestDrawAndWriteDxf, transfer_barrier, TransferBarrier)->Unit(benchmark::kMillisecond);

// The drawing from an already written row, and its DXF: the CAD component's part.
template <class Make> void BM_DrawAndWriteDxf(benchmark::State& state, Make make)
{
    SMailbox mailbox;
    const auto selection = make();
    SCadRequest request;
    std::string strMessage;
    MakeCadRequest(selection, mailbox.file, selection.m_strPartNo, request, strMessage);
    for (auto _ : state)
    {
        CCadDrawing drawing;
        if (!DrawCadRequest(request, SCadPreferences(), "2026-11-02", drawing, strMessage))
            state.SkipWithError(strMessage.c_str());
        benchmark::DoNotOptimize(WriteDxf(drawing));
    }
}
BENCHMARK_CAPTURE(BM_DrawAndWriteDxf, piston, Piston)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DrawAndWriteDxf, transfer_barrier, TransferBarrier)->Unit(benchmark::kMillisecond);

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
