// One application calculation per benchmark, with realistic inputs.
#include "sizing/Sizing.h"

#include <benchmark/benchmark.h>

namespace
{
using namespace sizing;

// 3000 / 2000 psig, precharge 1800 psig, in psia; 70 deg F.
constexpr double kP1 = 3014.7, kP2 = 2014.7, kP0 = 1814.7, kTempF = 70.0;

void BM_SupplementingPumpFlow(benchmark::State& state)
{
    // 300 in3 actuator, 2 s actuation, 8 s dwell, 10 gpm pump.
    SSupplementingPumpFlowInput in;
    in.dActuatorVolumeIn3 = 300.0;
    in.dActuationSec = 2.0;
    in.dDwellSec = 8.0;
    in.dPumpGpm = 10.0;
    in.dMaxPsia = kP1;
    in.dMinPsia = kP2;
    in.dTempF = kTempF;
    in.dPrechargePsia = kP0;
    for (auto _ : state)
        benchmark::DoNotOptimize(SizeSupplementingPumpFlow(in));
}
BENCHMARK(BM_SupplementingPumpFlow)->Unit(benchmark::kMicrosecond);

void BM_MultipleEvents(benchmark::State& state)
{
    // Three actuators over a 20 s cycle with a 10 gpm pump.
    SMultipleEventsInput in;
    in.events = {{1, 1, true, 0.0, 600.0, 0.0, 12.0},
                 {1, 2, false, 40.0, 0.0, 12.0, 2.0},
                 {2, 1, true, 300.0, 0.0, 14.0, 0.5},
                 {3, 1, true, 25.0, 0.0, 3.0, 6.0}};
    in.dTotalSec = 20.0;
    in.dPumpGpm = 10.0;
    in.dTempF = kTempF;
    in.dMaxPsia = kP1;
    in.dMinPsia = kP2;
    in.dPrechargePsia = kP0;
    for (auto _ : state)
        benchmark::DoNotOptimize(SizeMultipleEvents(in));
}
BENCHMARK(BM_MultipleEvents)->Unit(benchmark::kMicrosecond);

void BM_AuxiliaryPower(benchmark::State& state)
{
    // 150 in3 over 5 s, recharged over 20 s.
    SAuxiliaryPowerInput in;
    in.dActuatorVolumeIn3 = 150.0;
    in.dActuationSec = 5.0;
    in.dDwellSec = 20.0;
    in.dMaxPsia = kP1;
    in.dMinPsia = kP2;
    in.dTempF = kTempF;
    in.dPrechargePsia = kP0;
    for (auto _ : state)
        benchmark::DoNotOptimize(SizeAuxiliaryPower(in));
}
BENCHMARK(BM_AuxiliaryPower)->Unit(benchmark::kMicrosecond);

void BM_Holding(benchmark::State& state)
{
    // Two 0.75 valves leaking at 3000 psig, held for 30 min (10 s steps).
    SHoldingInput in;
    in.dMaxPsia = kP1;
    in.dMinPsia = kP2;
    in.dTempF = kTempF;
    in.dHoldSec = 1800.0;
    in.dLeakIn3PerMin = *EstimateLeakageRate(kP1, 2, 0.75);
    in.dPrechargePsia = kP0;
    for (auto _ : state)
        benchmark::DoNotOptimize(SizeHolding(in));
}
BENCHMARK(BM_Holding)->Unit(benchmark::kMicrosecond);

void BM_ShockSuppression(benchmark::State& state)
{
    // 50 gpm stopped in 50 ft of 1" schedule 40 pipe at 2000 psig.
    SShockSuppressionInput in;
    in.dSystemPsia = kP2;
    in.dFlowGpm = 50.0;
    in.dTempF = kTempF;
    in.dLengthIn = 600.0;
    in.dInsideDiaIn = 1.049;
    in.dDensity = 0.0314;
    for (auto _ : state)
        benchmark::DoNotOptimize(ShockSuppressionVolume(in));
}
BENCHMARK(BM_ShockSuppression)->Unit(benchmark::kMicrosecond);

void BM_PumpResponse(benchmark::State& state)
{
    // 20 gpm for 50 ms at 2000 psig, peak 200 psi above.
    SPumpResponseInput in;
    in.dSystemPsia = kP2;
    in.dMaxShockPsia = kP2 + 200.0;
    in.dFlowGpm = 20.0;
    in.dTempF = kTempF;
    in.dResponseSec = 0.05;
    in.dPrechargePsia = 0.85 * kP2;
    for (auto _ : state)
        benchmark::DoNotOptimize(SizePumpResponse(in));
}
BENCHMARK(BM_PumpResponse)->Unit(benchmark::kMicrosecond);

void BM_Pulsation(benchmark::State& state)
{
    // A three-piston single-acting pump, 10 gpm at 1200 rpm, 2000 psig.
    SPulsationInput in;
    in.dSystemPsia = kP2;
    in.dTempF = kTempF;
    in.dFlowGpm = 10.0;
    in.nSpeedRpm = 1200;
    in.nPistons = 3;
    for (auto _ : state)
        benchmark::DoNotOptimize(PulsationVolume(in));
}
BENCHMARK(BM_Pulsation)->Unit(benchmark::kMicrosecond);

void BM_OutputExisting(benchmark::State& state)
{
    // A 5-gallon accumulator discharged over 5 s.
    SOutputExistingInput in;
    in.dVolumeIn3 = 1155.0;
    in.dMaxPsia = kP1;
    in.dMinPsia = kP2;
    in.dDischargeSec = 5.0;
    in.dTempF = kTempF;
    in.dPrechargePsia = kP0;
    for (auto _ : state)
        benchmark::DoNotOptimize(OutputOfExistingAccumulator(in));
}
BENCHMARK(BM_OutputExisting)->Unit(benchmark::kMicrosecond);

void BM_TemperaturePrecharge(benchmark::State& state)
{
    // 1000 psig charged at 70 deg F, warmed to 150 deg F.
    STemperaturePrechargeInput in;
    in.dBeginTempF = 70.0;
    in.dFinalTempF = 150.0;
    in.dKnownPsia = 1014.7;
    for (auto _ : state)
        benchmark::DoNotOptimize(PressureAtOtherTemperature(in));
}
BENCHMARK(BM_TemperaturePrecharge)->Unit(benchmark::kMicrosecond);
} // namespace

// The comparisons shown beside a result, side by side with the sizing alone: argument 0 the sizing,
// 1 with the ideal-gas bounds, 2 with the bounds and an operating range of -20 to 140 deg F.
namespace
{
SOperatingRangeInput RangeOf(const SVolumeRelation& rel, const SSizingResult& r, double dHigh, double dLow,
                            double dTime, double dPrecharge)
{
    const double nC = r.dExponentCharging != 0.0 ? r.dExponentCharging : 1.0;
    return {rel, r.dRequiredIn3, nC, r.dExponent, dHigh, dLow, dTime, kTempF, dPrecharge, -20.0, 140.0};
}

void BM_PumpFlowWithComparisons(benchmark::State& state)
{
    SSupplementingPumpFlowInput in;
    in.dActuatorVolumeIn3 = 300.0;
    in.dActuationSec = 2.0;
    in.dDwellSec = 8.0;
    in.dPumpGpm = 10.0;
    in.dMaxPsia = kP1;
    in.dMinPsia = kP2;
    in.dTempF = kTempF;
    in.dPrechargePsia = kP0;
    for (auto _ : state)
    {
        const SSizingResult r = SizeSupplementingPumpFlow(in);
        const SVolumeRelation rel{.dP1 = kP1, .dP2 = kP2, .dVolumeIn3 = r.dDeficitIn3};
        if (state.range(0) >= 1)
            benchmark::DoNotOptimize(IdealGasBounds(rel, kP0));
        if (state.range(0) >= 2)
            benchmark::DoNotOptimize(OperatingRangeEffect(RangeOf(rel, r, kP1, kP2, in.dActuationSec, kP0)));
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_PumpFlowWithComparisons)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_ShockWithComparisons(benchmark::State& state)
{
    SShockSuppressionInput in;
    in.dSystemPsia = kP2;
    in.dFlowGpm = 50.0;
    in.dTempF = kTempF;
    in.dLengthIn = 600.0;
    in.dInsideDiaIn = 1.049;
    in.dDensity = 0.0314;
    for (auto _ : state)
    {
        const SShockSuppressionResult r = ShockSuppressionVolume(in);
        const SVolumeRelation rel = ShockSuppressionRelation(in);
        if (state.range(0) >= 1)
            benchmark::DoNotOptimize(IdealGasBounds(rel, r.dPrechargePsia));
        if (state.range(0) >= 2)
            benchmark::DoNotOptimize(OperatingRangeEffect(
                RangeOf(rel, r, r.dShockPsia, kP2, gas::kShockReferenceTime, r.dPrechargePsia)));
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_ShockWithComparisons)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
} // namespace
