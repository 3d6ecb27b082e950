// The catalogue message keys the program uses, each spelled once.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Keys are matched exactly by the catalogue: their odd blanks, spellings and the
// " r^n" endings of formatted keys are part of the key and must stay as they are.
namespace msg
{

// Shared: the tail appended to validation messages, and the empty-list prompt.
inline constexpr const char* kTail = "or contact your Dalrow Representative.";
inline constexpr const char* kSelectItemFromList = "Please select an item from the list.";

// Product object: asked before a changed step clears the later steps.
inline constexpr const char* kConfirmSelectionChange = "You are changing a previous selection.  If you continue, all of your selections";

// Pressure, temperature and precharge checks shared by the application dialogs.
inline constexpr const char* kMaxPressureNotAboveZero = "Your Maximum pressure must be larger than 0";
inline constexpr const char* kMaxPressureAboveCatalogue = "Your Maximum Pressure exceeds the products in Tesmara. Please reduce your Maximum Pressure below: %s %s r^n";
inline constexpr const char* kMinPressureNotAboveZero = "Your Minimum pressure must be larger than 0";
inline constexpr const char* kEnterMinPressure = "Please enter a minimum pressure";
inline constexpr const char* kAboveMaxTemp = "AboveMaxTempMessage";
inline constexpr const char* kBelowMinTemp = "BelowMinTempMessage";
inline constexpr const char* kMinPressureExceedsMax = "Your Minimum Pressure exceeds the Maximum Pressure.";
inline constexpr const char* kReduceMinPressureBelow = "Please reduce your Minimum Pressure below";
inline constexpr const char* kMinPressureExceedsMaxFmt = "Your Minimum Pressure exceeds the Maximum Pressure. Please reduce your Minimum Pressure below: %s %s r^n";
inline constexpr const char* kPrechargeNotBelowMin = "Your Precharge Pressure must be lower than your minimum pressure.";
inline constexpr const char* kReducePrechargeBelow = "Please reduce your Precharge Pressure below "; // ends with a blank
inline constexpr const char* kPrechargeNotBelowMinFmt = "Your Precharge Pressure must be lower than your minimum pressure. Please reduce your Precharge Pressure below: %s %s r^n";
inline constexpr const char* kPrechargeNotLessThanMin = "Your Precharge Pressure must be less than the Minimum Pressure";
inline constexpr const char* kEnteredPrechargeNotAboveZero = "Your Entered Precharge Pressure must be larger than 0.";
inline constexpr const char* kPrechargeTooHigh = "Precharge Too High";

// Known required capacity and the results dialog.
inline constexpr const char* kRequiredCapacityNotAboveZero = "Please increase your required capacity to be larger than 0";
inline constexpr const char* kRequiredVolumeAboveCatalogue = "Please lower your required volume below: %s %s r^n";
inline constexpr const char* kMaxPressureAboveCatalogueLower = "Please lower your maximum pressure below: %s %s r^n";
inline constexpr const char* kCriticalEvent = "The critical event occurs at Actuator %i Event %i. Altering this event may decrease the accumulator size required.";
inline constexpr const char* kNoAccumulatorRequired = "This application does not require an accumulator.";
inline constexpr const char* kCannotSize = "The accumulator cannot be sized with these entries: %s.";
inline constexpr const char* kShockInputs = "shock suppression inputs used";

// The operating temperature range beside a sizing's results.
inline constexpr const char* kOperatingRangeIncomplete = "Please enter both the Minimum and the Maximum Operating Temperature, or leave both empty.";
inline constexpr const char* kOperatingRangeReversed = "The Maximum Operating Temperature must not be lower than the Minimum Operating Temperature.";
inline constexpr const char* kOperatingMinBelowCatalogue = "OperatingTempBelowMinMessage";
inline constexpr const char* kOperatingMaxAboveCatalogue = "OperatingTempAboveMaxMessage";
inline constexpr const char* kSystemTempOutsideOperating = "SystemTempOutsideOperatingMessage";

// Supplementing pump flow: actuator volume, times, cylinder dimensions and pump size.
inline constexpr const char* kActuatorVolumeNotAboveZero = "Your Actuator Volumetric Displacement must be larger than 0";
inline constexpr const char* kActuationTimeNotAboveZero = "Your Actuation Time must be larger than 0";
inline constexpr const char* kDwellTimeNotAboveZero = "Your Dwell Time must be larger than 0";
inline constexpr const char* kBoreNotAboveZero = "Your Bore Diameter must be larger than 0.";
inline constexpr const char* kRodNotAboveZero = "Your Rod Diameter must be larger than 0.";
inline constexpr const char* kRodAboveBore = "Your Rod Diameter must be smaller than your Bore Diameter. Please reduce your Rod Diameter below: %s %s r^n";
inline constexpr const char* kStrokeNotAboveZero = "Your Stroke Length must be larger than 0.";
inline constexpr const char* kCylindersNotAboveZero = "Your Number of Cylinders in Parallel must be larger than 0";
inline constexpr const char* kPumpBelowMinimum = "Your pump size must be larger than the minimum pump size";

// Multiple events: the event editor, the event list and the pump dialog.
inline constexpr const char* kEventStartAfterCycle = "Your Event Start Time must be less than your Total Duration of Cycle. "; // ends with a blank
inline constexpr const char* kEventDurationNotAboveZero = "Your Event Duration Time must be greater than 0. "; // ends with a blank
inline constexpr const char* kEventEndAfterCycle = "Your Event Start Time + your Event Duration must be less than the Total Duration of Cycle of: %s %s r^n";
inline constexpr const char* kEventFlowNotAboveZero = "Your Flow Rate must be greater than 0. "; // ends with a blank
inline constexpr const char* kEventVolumeNotAboveZero = "Your Volume of Fluid must be greater than 0. "; // ends with a blank
inline constexpr const char* kEventBoreNotAboveZero = "Your Bore Diameter must be larger than 0. "; // ends with a blank
inline constexpr const char* kEventRodNotAboveZero = "Your Rod Diameter must be larger than 0. "; // ends with a blank
inline constexpr const char* kEventStrokeNotAboveZero = "Your Stroke Length must be larger than 0. "; // ends with a blank
inline constexpr const char* kEventOverlaps = "The event time and duration that you have entered";
inline constexpr const char* kMultiMinPressureExceedsMax = "Your Minimum Pressure exceeds the Maximum Pressure. Please reduce your Minimum Pressure below: %s %s r^n "; // ends with a blank
inline constexpr const char* kCycleDurationNotAboveZero = "Your Total Duration of Cycle must be larger than 0";
inline constexpr const char* kNoActuatorEvents = "You have not defined any actuator events.";
inline constexpr const char* kMultiPumpBelowMinimum = "Your pump size must be larger than the minimum pump size "; // ends with a blank
inline constexpr const char* kTooManyActuators = "A cycle can have at most 10 actuators.";
inline constexpr const char* kTooManyEvents = "An actuator can have at most 10 events.";
inline constexpr const char* kEventNumbersFromOne = "Actuator and event numbers must be 1 or more.";

// Holding and leakage compensation.
inline constexpr const char* kHoldTimeNotAboveZero = "The Time to Hold Pressure must be larger than 0.";
inline constexpr const char* kLeakageRateNotAboveZero = "The Estimated Leakage Rate must be larger than 0.";

// Shock suppression; the shock pressure and flow checks also serve pump response and pulsation.
inline constexpr const char* kShockAboveAllowed = "Your Entered Shock Pressure must be less than the Maximum Allowable Shock Pressure";
inline constexpr const char* kShockPressureNotAboveZero = "Your Maximum Allowable Shock Pressure must be larger than 0";
inline constexpr const char* kFlowRateNotAboveZero = "The Flow Rate must be larger than 0";
inline constexpr const char* kPipeLengthNotAboveZero = "Your Pipe/Tube Length must be larger than 0";

// Shock due to pump response time.
inline constexpr const char* kResponseTimeNotAboveZero = "The Response Time must be larger than 0";
inline constexpr const char* kSelectReliefValve = "Please select a Relief valve. "; // ends with a blank

// Piston pump pulsation dampening.
inline constexpr const char* kMaxPistons = "Maximum Number of Pistons Allowed is 6.";
inline constexpr const char* kPrechargeAboveSystem = "Your Precharge Pressure must be lower than your System Pressure. rnPlease reduce your Precharge Pressure below %s %s r^n";
inline constexpr const char* kPistonsNotAboveZero = "The Number of Pistons in Pump must be greater than 0";
inline constexpr const char* kPumpDisplacementNotAboveZero = "The Pump Displacement must be larger than 0";
inline constexpr const char* kPumpSpeedNotAboveZero = "The Pump Speed must be larger than 0";

// Tool: output of an existing accumulator.
inline constexpr const char* kToolMaxPressureAbove5000 = "Your Maximum Pressure must be lower than 5,000 psi";
inline constexpr const char* kToolMinPressureAbove5000 = "Your Minimum Pressure must be lower than 5,000 psi";
inline constexpr const char* kToolMinAboveMax = "Your Minimum Pressure must be lower than the Maximum Pressure";
inline constexpr const char* kToolTemperatureOutOfRange = "Your System Temperature must be greater than -45 degrees F and lower than 450 degrees F.";
inline constexpr const char* kToolNoAccumulatorRequired = "This application does not require an accumulator";
inline constexpr const char* kToolPrechargeNotAboveZero = "Your Precharge Pressure must be larger than 0";
inline constexpr const char* kToolVolumeNotAboveZero = "Your Accumulator Volume must be larger than 0";
inline constexpr const char* kToolDischargeTimeNotAboveZero = "Your Discharge Time must be larger than 0";

// Tool: effect of temperature on precharge.
inline constexpr const char* kEnterBeginningTemperature = "Please enter your Beginning Temperature.";
inline constexpr const char* kBeginningTemperatureOutOfRange = "Your Beginning Temperature must be greater than -100 degrees F and lower than 2,000 degrees F.";
inline constexpr const char* kFinalTemperatureOutOfRange = "Your Final Temperature must be greater than -100 degrees F and lower than 2,000 degrees F.";
inline constexpr const char* kEnterFinalTemperature = "Please enter your Final Temperature.";
inline constexpr const char* kBeginningPressureOutOfRange = "Your Beginning Pressure must be greater than 14.7 psi and lower than 5,000 psi";
inline constexpr const char* kFinalPressureOutOfRange = "Your Final Pressure must be greater than 14.7 psi and lower than 5,000 psi";

// Choose model: the port flow note under the model grid.
inline constexpr const char* kFlowNeedsOversizePorts = "MSG_FLOWRATE_NEED_OVERSIZE_PORTS";
inline constexpr const char* kFlowStandardPortsAcceptable = "MSG_FLOWRATE_STANDARD_ACCEPTABLE";
inline constexpr const char* kFlowNotCalculated = "MSG_FLOWRATE_NOT_CALCULATED";

// Seals and fluid compatibility.
inline constexpr const char* kEnterMaxTemperature = "Please enter you maximum temperature.";
inline constexpr const char* kEnterMinTemperature = "Please enter you minimum temperature.";
inline constexpr const char* kMaxTempNotAboveMin = "The Maximum Temperature must be higher than the Minimum Temperature";
inline constexpr const char* kSealAndTempCompatible = "Seal class and temperature are compatible";
inline constexpr const char* kSealCompatibleTempNot = "Seal class are compatible but not the temperature";
inline constexpr const char* kSealAndTempNotCompatible = "Seal class and temperature are not compatible";
inline constexpr const char* kSearchFirst = "You must push the search button first, then select from the seal list.";
inline constexpr const char* kSelectFromList = "Please make a selection from the list";

// Gas bottle selection.
inline constexpr const char* kSelectFromPressureList = "Please make a selection from the pressure list";
inline constexpr const char* kSelectFromGasBottleList = "Please make a selection from the Gass Bottle list";

// Reservoir isolators: required capacities and fluid levels.
inline constexpr const char* kCombinedCapacityNotAboveZero = "Your combined capacitiy must be larger than 0.";
inline constexpr const char* kCombinedCapacityAboveCatalogue = "Your combined capacitiy exceeds the capacity of products represented in Tesmara.";
inline constexpr const char* kLowerRequiredCapacity = "Please either lower your required capacity "; // ends with a blank
inline constexpr const char* kReservoirCapacityAboveCatalogue = "Your combined capacitiy exceeds the capacity of products represented in Tesmara. Please either lower your required capacity";
inline constexpr const char* kHighLevelNotAboveZero = "Your High Fluid Level must be larger than 0";
inline constexpr const char* kEnterAllData = "Please enter all data.";
inline constexpr const char* kLowLevelNotBelowHigh = "Your Low Fluid Level must be lower than your High Fluid Level.";
inline constexpr const char* kReservoirWidthNotAboveZero = "Your Reservoir Width must be larger than 0";
inline constexpr const char* kReservoirLengthNotAboveZero = "Your Reservoir Length must be larger than 0";

// Accessories.
inline constexpr const char* kSelectFromSizeList = "Please make a selection from the size list";

// Selection report: the safety warning of each product's report (an accumulator's, a gas
// bottle's, ...); an empty text prints no warning.
inline constexpr const char* kSelectionReportWarning = "selection report warning";
inline constexpr const char* kGasBottleReportWarning = "selection report warning, gas bottle";
inline constexpr const char* kIsolatorReportWarning = "selection report warning, reservoir isolator";
inline constexpr const char* kAccessoryReportWarning = "selection report warning, accessory";
inline constexpr const char* kRepairKitReportWarning = "selection report warning, repair kit";
inline constexpr const char* kTransferBarrierReportWarning = "selection report warning, transfer barrier";

// Ranges of the entries beyond the dialogs' own checks: times that no sizing can take, and an
// event before the cycle.
inline constexpr const char* kActuationTimeTooLong = "Your Actuation Time must not be longer than %s %s r^n";
inline constexpr const char* kDwellTimeTooLong = "Your Dwell Time must not be longer than %s %s r^n";
inline constexpr const char* kHoldTimeTooLong = "The Time to Hold Pressure must not be longer than %s %s r^n";
inline constexpr const char* kResponseTimeTooLong = "The Response Time must not be longer than %s %s r^n";
inline constexpr const char* kCycleDurationTooLong = "Your Total Duration of Cycle must not be longer than %s %s r^n";
inline constexpr const char* kEventStartNegative = "Your Event Start Time must not be negative.";
inline constexpr const char* kDischargeTimeTooLong = "Your Discharge Time must not be longer than %s %s r^n";

// Numbered catalogue warnings (integer keys).
inline constexpr std::int32_t kWarnPistonStroke = 1001;
inline constexpr std::int32_t kWarnHighTemperature = 1002;
inline constexpr std::int32_t kWarnNitrogenOnly = 1003;
inline constexpr std::int32_t kWarnPortTorque = 1004;
inline constexpr std::int32_t kWarnVerticalMounting = 1005;

// Every text key above, in the order above, for the catalogue contract check.
const std::vector<std::string>& AllMessageKeys();

// Every integer key above.
const std::vector<std::int32_t>& AllIntegerMessageKeys();

} // namespace msg
