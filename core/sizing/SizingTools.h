// The two stand-alone tools with their entry checks: output of an existing accumulator, temperature on
// precharge.
#pragma once

#include "sizing/CheckMessages.h"
#include "sizing/SizingResult.h"
#include "sizing/TemperaturePrecharge.h"
#include "units/UnitDouble.h"

#include <string>

namespace sizing
{
// Which precharge the output tool uses.
enum class EToolPrecharge
{
    Entered, // "I have a Precharge Pressure of:"
    Piston,  // the tool's piston optimum
    Bladder, // the tool's bladder or diaphragm optimum
};

struct SOutputExistingEntries
{
    CUnitDouble maximum;
    CUnitDouble minimum;
    CUnitDouble dischargeTime;
    CUnitDouble volume; // gas volume of the accumulator
    CUnitDouble temperature;
    CUnitDouble enteredPrecharge; // used with EToolPrecharge::Entered
    EToolPrecharge ePrecharge = EToolPrecharge::Piston;
};

struct SOutputExistingOutcome
{
    CheckResult failure; // the first refused entry; the rest is then unset
    ESizingStatus eStatus = ESizingStatus::CannotCompute;
    std::string strReason; // why, when CannotCompute
    std::string strNotice; // the results' notice when nothing is delivered (looked up)
    CUnitDouble output;    // "CU_IN", 0 unless sized
    CUnitDouble precharge; // the precharge the calculation used
    double dExponent = 0.0;

    bool Refused() const { return failure.has_value(); }
};

// The tool's seven checks, then a precharge above zero gauge, a volume and a discharge time
// above zero, a discharge time of at most a day, then the delivered volume. The field names
// are those of SOutputExistingEntries ("maximum", "precharge", ...).
SOutputExistingOutcome OutputOfExistingTool(const SOutputExistingEntries& entries,
                                            const CIMsgStoredProc& messages);

struct STemperatureToolEntries
{
    CUnitDouble beginTemperature;
    CUnitDouble finalTemperature;
    bool bBeginTemperatureEmpty = false; // an empty entry reads as 0 in its unit
    bool bFinalTemperatureEmpty = false;
    CUnitDouble beginPressure;
    CUnitDouble finalPressure;
    EKnownPressure eKnown = EKnownPressure::Beginning;
};

struct STemperatureToolOutcome
{
    CheckResult failure;
    ESizingStatus eStatus = ESizingStatus::CannotCompute;
    std::string strReason;
    // The entries with the unknown pressure computed, in its own unit.
    CUnitDouble beginPressure;
    CUnitDouble finalPressure;

    bool Refused() const { return failure.has_value(); }
};

// The tool's six checks, then the other pressure. Only the known pressure is
// passed to the calculation, whatever the other entry holds.
STemperatureToolOutcome TemperaturePrechargeTool(const STemperatureToolEntries& entries,
                                                 const CIMsgStoredProc& messages);
} // namespace sizing
