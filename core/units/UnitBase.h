// Common base of the three value-with-unit classes.
#pragma once

#include "units/UnitConvMap.h"

class CUnitBase : public CUnitConvMap
{
public:
    using CUnitConvMap::CUnitConvMap;
};
