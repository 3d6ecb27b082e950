// Front door of the nitrogen gas model.
#pragma once

#include "gas/GasExpansion.h"
#include "gas/GasSizing.h"
#include "gas/GasTrajectory.h"
#include "gas/NitrogenState.h"
#include "gas/Precharge.h"
