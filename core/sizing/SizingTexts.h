// String table ids of the reasons a calculation gives when it cannot compute: each a whole clause
// that the catalogue's message "cannot be sized with these entries: %s" takes in.
#pragma once

namespace sizing::text
{
inline constexpr int kInputNotFinite = 59100;
inline constexpr int kResultNotFinite = 59101;
inline constexpr int kRequiredVolumeNotFinite = 59102;
inline constexpr int kRequiredVolumeNotAboveZero = 59103;
inline constexpr int kMinimumPressureNotAboveZero = 59104;
inline constexpr int kPressuresEqual = 59105;
inline constexpr int kMinimumAboveMaximum = 59106;
inline constexpr int kPrechargeNotAboveZero = 59107;
inline constexpr int kActuationTimeNotAboveZero = 59108;
inline constexpr int kDwellTimeNotAboveZero = 59109;
inline constexpr int kHoldTimeNotAboveZero = 59110;
inline constexpr int kPumpFlowNegative = 59111;
inline constexpr int kSystemPressureNotAboveZero = 59112;
inline constexpr int kAllowableShockNotAboveSystem = 59113;
inline constexpr int kShockNotAboveSystem = 59114;
inline constexpr int kPumpSpeedNotAboveZero = 59115;
inline constexpr int kNoPulsationFactor = 59116;
inline constexpr int kNoPolytropicExponent = 59117;
inline constexpr int kResponseTimeNotAboveZero = 59118;
inline constexpr int kLineDiameterNotAboveZero = 59119;
inline constexpr int kFluidDensityNotAboveZero = 59120;
inline constexpr int kAccumulatorVolumeNotAboveZero = 59121;
inline constexpr int kDischargeTimeNotAboveZero = 59122;
inline constexpr int kDeliveredVolumeNotFinite = 59123;
inline constexpr int kKnownPressureNotAboveZero = 59124;
inline constexpr int kTemperatureNotAboveAbsoluteZero = 59125;
inline constexpr int kNoPressureAtOtherTemperature = 59126;
inline constexpr int kStrokeChoiceUnknown = 59127;
inline constexpr int kCylinderVolumeNotFinite = 59128;
inline constexpr int kMinimumPumpFlowNotFinite = 59129;
inline constexpr int kEventChoiceUnknown = 59130;  // event number
inline constexpr int kLeakageNotEstimated = 59131; // valves, valve size
inline constexpr int kNoApplication = 59132;
// The gas model found no size for one of its runs.
inline constexpr int kNoSizeDischarge = 59133;
inline constexpr int kNoSizeCharging = 59134;
inline constexpr int kNoSizeHolding = 59135;
inline constexpr int kNoSizePumpResponse = 59136;
inline constexpr int kNoSizePeakDeficit = 59137;
// The multiple-events cycle; an event is named by its number and its actuator's.
inline constexpr int kCycleNotAboveZero = 59138;
inline constexpr int kNoEvents = 59139;
inline constexpr int kTooManyActuators = 59140;          // the most
inline constexpr int kTooManyEvents = 59141;             // actuator, the most
inline constexpr int kEventNotFinite = 59142;            // event, actuator
inline constexpr int kEventDurationNotAboveZero = 59143; // event, actuator
inline constexpr int kEventStartsBeforeCycle = 59144;    // event, actuator
inline constexpr int kEventEndsAfterCycle = 59145;       // event, actuator
inline constexpr int kEventNoFlowOrVolume = 59146;       // event, actuator
inline constexpr int kNoReservoirIsolatorSizes = 59147;
// The operating temperature range.
inline constexpr int kGasVolumeNotAboveZero = 59190;
inline constexpr int kPressuresGiveNoDischarge = 59191;
inline constexpr int kMinimumTemperatureAboveMaximum = 59192;
inline constexpr int kNoVolumeAtSystemTemperature = 59193;
inline constexpr int kNoPrechargeAtExtreme = 59194;
} // namespace sizing::text
