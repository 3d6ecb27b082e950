// The CAD viewer from the drawing to the window shown and painted once (promise: under 200 ms);
// part of the desktop's benchmark program, whose main() starts the offscreen application.
#include "outputs/CadDrawingBuilder.h"
#include "outputs/CadViewer.h"

#include <benchmark/benchmark.h>

namespace
{
CCadDrawing Drawing()
{
    SCadOutline o;
    o.strModelNumber = "PA31-4-150-VS-G";
    o.dLength = 454.66;
    o.dDiameter = 114.3;
    o.dBore = 101.6;
    o.dCap = 76.2;
    o.dPortDiameter = 33.34;
    o.dPortDepth = 28.0;
    o.dValveDiameter = 22.23;
    o.dValveDepth = 21.0;
    o.clamps = {227.33};
    o.dClampWidth = 20.0;
    return BuildCadDrawing(o, SCadPreferences(), "2026-11-02");
}

void BM_CadViewerShown(benchmark::State& state)
{
    const CCadDrawing drawing = Drawing();
    for (auto _ : state)
    {
        CCadViewer viewer(drawing, [](QWidget*, const CCadDrawing&) {});
        viewer.show();
        // Painted: the first frame the user sees.
        benchmark::DoNotOptimize(viewer.grab());
    }
}
BENCHMARK(BM_CadViewerShown)->Unit(benchmark::kMillisecond);
} // namespace

