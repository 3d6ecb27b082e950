// The calculation inputs of the three shock applications, read from the application data in the
// calculation units: shared by their calculation and by the comparisons shown beside its results.
#pragma once

#include "selection/ApplicationData.h"
#include "sizing/Pulsation.h"
#include "sizing/PumpResponse.h"
#include "sizing/ShockSuppression.h"

namespace sizing
{
SShockSuppressionInput ShockSuppressionInputOf(const SApplicationData& data);
SPulsationInput PulsationInputOf(const SApplicationData& data);
SPumpResponseInput PumpResponseInputOf(const SApplicationData& data);
} // namespace sizing
