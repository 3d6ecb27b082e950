// The lists of all catalogue message keys, for the contract check.
#include "catalogue/MessageKeys.h"

namespace msg
{

const std::vector<std::string>& AllMessageKeys()
{
    static const std::vector<std::string> vKeys = {
        // Shared: the tail appended to validation messages, and the empty-list prompt.
        kTail, kSelectItemFromList,
        // Product object: asked before a changed step clears the later steps.
        kConfirmSelectionChange,
        // Pressure, temperature and precharge checks shared by the application dialogs.
        kMaxPressureNotAboveZero, kMaxPressureAboveCatalogue, kMinPressureNotAboveZero,
        kEnterMinPressure, kAboveMaxTemp, kBelowMinTemp, kMinPressureExceedsMax,
        kReduceMinPressureBelow, kMinPressureExceedsMaxFmt, kPrechargeNotBelowMin,
        kReducePrechargeBelow, kPrechargeNotBelowMinFmt, kPrechargeNotLessThanMin,
        kEnteredPrechargeNotAboveZero, kPrechargeTooHigh,
        // Known required capacity and the results dialog.
        kRequiredCapacityNotAboveZero, kRequiredVolumeAboveCatalogue,
        kMaxPressureAboveCatalogueLower, kCriticalEvent, kNoAccumulatorRequired, kCannotSize, kShockInputs,
        // The operating temperature range beside a sizing's results.
        kOperatingRangeIncomplete, kOperatingRangeReversed, kOperatingMinBelowCatalogue,
        kOperatingMaxAboveCatalogue, kSystemTempOutsideOperating,
        // Supplementing pump flow: actuator volume, times, cylinder dimensions and pump size.
        kActuatorVolumeNotAboveZero, kActuationTimeNotAboveZero, kDwellTimeNotAboveZero,
        kBoreNotAboveZero, kRodNotAboveZero, kRodAboveBore, kStrokeNotAboveZero,
        kCylindersNotAboveZero, kPumpBelowMinimum,
        // Multiple events: the event editor, the event list and the pump dialog.
        kEventStartAfterCycle, kEventDurationNotAboveZero, kEventEndAfterCycle,
        kEventFlowNotAboveZero, kEventVolumeNotAboveZero, kEventBoreNotAboveZero,
        kEventRodNotAboveZero, kEventStrokeNotAboveZero, kEventOverlaps,
        kMultiMinPressureExceedsMax, kCycleDurationNotAboveZero, kNoActuatorEvents,
        kMultiPumpBelowMinimum, kTooManyActuators, kTooManyEvents, kEventNumbersFromOne,
        // Holding and leakage compensation.
        kHoldTimeNotAboveZero, kLeakageRateNotAboveZero,
        // Shock suppression; the shock pressure and flow checks also serve pump response and pulsation.
        kShockAboveAllowed, kShockPressureNotAboveZero, kFlowRateNotAboveZero,
        kPipeLengthNotAboveZero,
        // Shock due to pump response time.
        kResponseTimeNotAboveZero, kSelectReliefValve,
        // Piston pump pulsation dampening.
        kMaxPistons, kPrechargeAboveSystem, kPistonsNotAboveZero,
        kPumpDisplacementNotAboveZero, kPumpSpeedNotAboveZero,
        // Tool: output of an existing accumulator.
        kToolMaxPressureAbove5000, kToolMinPressureAbove5000, kToolMinAboveMax,
        kToolTemperatureOutOfRange, kToolNoAccumulatorRequired, kToolPrechargeNotAboveZero,
        kToolVolumeNotAboveZero, kToolDischargeTimeNotAboveZero,
        // Tool: effect of temperature on precharge.
        kEnterBeginningTemperature, kBeginningTemperatureOutOfRange,
        kFinalTemperatureOutOfRange, kEnterFinalTemperature, kBeginningPressureOutOfRange,
        kFinalPressureOutOfRange,
        // Choose model: the port flow note under the model grid.
        kFlowNeedsOversizePorts, kFlowStandardPortsAcceptable, kFlowNotCalculated,
        // Seals and fluid compatibility.
        kEnterMaxTemperature, kEnterMinTemperature, kMaxTempNotAboveMin,
        kSealAndTempCompatible, kSealCompatibleTempNot, kSealAndTempNotCompatible,
        kSearchFirst, kSelectFromList,
        // Gas bottle selection.
        kSelectFromPressureList, kSelectFromGasBottleList,
        // Reservoir isolators: required capacities and fluid levels.
        kCombinedCapacityNotAboveZero, kCombinedCapacityAboveCatalogue,
        kLowerRequiredCapacity, kReservoirCapacityAboveCatalogue, kHighLevelNotAboveZero,
        kEnterAllData, kLowLevelNotBelowHigh, kReservoirWidthNotAboveZero,
        kReservoirLengthNotAboveZero,
        // Accessories.
        kSelectFromSizeList,
        // Selection report: the safety warning of each product's report.
        kSelectionReportWarning, kGasBottleReportWarning, kIsolatorReportWarning, kAccessoryReportWarning,
        kRepairKitReportWarning, kTransferBarrierReportWarning,
        // Ranges of the entries beyond the dialogs' own checks.
        kActuationTimeTooLong, kDwellTimeTooLong, kHoldTimeTooLong, kResponseTimeTooLong,
        kCycleDurationTooLong, kEventStartNegative, kDischargeTimeTooLong,
    };
    return vKeys;
}

const std::vector<std::int32_t>& AllIntegerMessageKeys()
{
    static const std::vector<std::int32_t> vKeys = {
        kWarnPistonStroke, kWarnHighTemperature, kWarnNitrogenOnly, kWarnPortTorque, kWarnVerticalMounting,
    };
    return vKeys;
}

} // namespace msg
