// Front door of the units subsystem.
#pragma once

#include "units/UnitConvMap.h"
#include "units/UnitDouble.h"
#include "units/UnitInt.h"
#include "units/UnitLists.h"
#include "units/UnitString.h"
#include "units/UnitTable.h"
