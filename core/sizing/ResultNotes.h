// The notes around the results: the critical event of a multiple-events run, and why there are none.
#pragma once

#include "selection/ApplicationData.h"

#include <string>

class CIMsgStoredProc;

namespace sizing
{
// The catalogue's critical-event sentence with the actuator and event numbers filled
// in; empty text when the calculation named no critical actuator.
std::string CriticalEventText(const SApplicationData& data, const CIMsgStoredProc& messages);

// What a shock suppression sizing used besides its entries: the line's inside diameter, the fluid's
// density and the assumed gas temperature, in the catalogue's sentence; empty for other applications.
std::string ShockInputsText(const SApplicationData& data, const CIMsgStoredProc& messages);

// The message for a calculation that gave no finite result: the catalogue's sentence
// with the reason (an English phrase from the calculation) filled in.
std::string CannotSizeMessage(const std::string& strReason, const CIMsgStoredProc& messages);

// Every "%i" in turn replaced by the next number; other "%" sequences stay.
std::string FillIntegers(const std::string& strFormat, int nFirst, int nSecond);
} // namespace sizing
