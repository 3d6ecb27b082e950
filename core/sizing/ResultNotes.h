// The notes the results dialog shows beside the figures: the critical event of a multiple-events run.
#pragma once

#include "selection/ApplicationData.h"

#include <string>

class CIMsgStoredProc;

namespace sizing
{
// The catalogue's critical-event sentence with the actuator and event numbers filled
// in; empty text when the calculation named no critical actuator.
std::string CriticalEventText(const SApplicationData& data, const CIMsgStoredProc& messages);

// Every "%i" in turn replaced by the next number; other "%" sequences stay.
std::string FillIntegers(const std::string& strFormat, int nFirst, int nSecond);
} // namespace sizing
