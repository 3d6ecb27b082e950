// Steps shared by the application calculations: status results, exponent fallbacks and input guards.
#pragma once

#include "gas/GasSizing.h"
#include "sizing/SizingResult.h"

#include <initializer_list>
#include <optional>
#include <string>

namespace sizing::detail
{
SSizingResult CannotCompute(std::string strReason);
SSizingResult NotRequired();

// The exponent the formulas use when the gas model gave none: 1.0 for NaN or 0.
double ExponentOrOne(double dExponent);
// The discharge exponent only falls back for NaN: a sized run never returns 0.
double ExponentOrOneIfNaN(double dExponent);

bool AllFinite(std::initializer_list<double> values);

// Why a maximum P1, minimum P2 and precharge P0 (psia) give no finite volume, if they do not.
std::optional<std::string> PressureFault(double dP1, double dP2, double dP0);

// Why a gas run gave no result; nullopt when it sized or found nothing to size.
// nTextId is the string id of the sentence naming the run (text::kNoSizeDischarge ...).
std::optional<std::string> GasFault(const gas::SGasSizing& run, int nTextId);

// The stored gas volume that delivers dVolumeIn3 between P1 and P2 with precharge P0:
// V (P1/P2)^(1/nC) / (0.95 (P0/P2) ((P1/P2)^(1/nD) - 1)).
double ClosedFormVolume(double dVolumeIn3, double dP1, double dP2, double dP0, double dChargeExponent,
                        double dDischargeExponent);

// The result once the closed formula has run: CannotCompute unless finite and above 0.
SSizingResult FiniteVolume(double dRequiredIn3);
} // namespace sizing::detail
