// The gas model against its literal transcription, side by side in one run.
#include "gas/Gas.h"

#include "GasOracle.h"

#include <benchmark/benchmark.h>

namespace
{
// A 5-gallon accumulator, 70 deg F, 3000 to 2000 psig, precharge 1800 psig, over 5 s.
constexpr double kTempF = 70.0, kTime = 5.0, kP1 = 3014.7, kP2 = 2014.7, kPre = 1814.7;

void BM_SimulateGasExpansion(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(
            gas::SimulateGasExpansion(gas::EExpansionForm::Gallon, 5.0, kTempF, kTime, kP1, kP2, kPre));
}
BENCHMARK(BM_SimulateGasExpansion)->Unit(benchmark::kMicrosecond);

void BM_OracleSimulateGasExpansion(benchmark::State& state)
{
    double n;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            oracle::SimulateGasExpansion(oracle::EForm::Gallon, 5.0, kTempF, kTime, kP1, kP2, kPre, n));
}
BENCHMARK(BM_OracleSimulateGasExpansion)->Unit(benchmark::kMicrosecond);

// 150 in3 delivered between 3000 and 2000 psig over 5 s.
void BM_SizeAccumulatorGas(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(gas::SizeAuxiliaryPowerGas(150.0, kTempF, kTime, kP1, kP2, kPre,
                                                            gas::EPrechargeMode::Piston));
}
BENCHMARK(BM_SizeAccumulatorGas)->Unit(benchmark::kMicrosecond);

void BM_OracleSizeAccumulatorGas(benchmark::State& state)
{
    double size, n;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            oracle::SizeLoop(oracle::EForm::Gallon, 150.0 / 231.0, kTempF, kTime, kP1, kP2, kPre, size, n));
}
BENCHMARK(BM_OracleSizeAccumulatorGas)->Unit(benchmark::kMicrosecond);

void BM_PrechargeAtTemperature(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(gas::PrechargeAtTemperature(70.0, 150.0, 1514.7, -1.0));
}
BENCHMARK(BM_PrechargeAtTemperature)->Unit(benchmark::kMicrosecond);
} // namespace
