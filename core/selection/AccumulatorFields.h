// The stored fields of an accumulator selection by their names, for the formats that name them
// (JSON of the command line, the XML export).
#pragma once

#include "selection/AccumulatorData.h"

#include <string>
#include <variant>
#include <vector>

using AccumulatorMember =
    std::variant<int CAccumulatorData::*, double CAccumulatorData::*, std::string CAccumulatorData::*,
                 CUnitDouble CAccumulatorData::*, CUnitInt CAccumulatorData::*, CPartCode CAccumulatorData::*>;

struct SAccumulatorField
{
    const char* pszName;
    AccumulatorMember member;
    bool bApplication; // part of the application description and its results
};

// Every scalar field, the level first, in the order of the data model (the lists are apart:
// m_lstCodes, m_lstDefaultCodes, m_lstEvents and m_caSelectedOptionArray).
const std::vector<SAccumulatorField>& AccumulatorFields();

struct SEventField
{
    const char* pszName;
    std::variant<int SEvent::*, CUnitDouble SEvent::*> member;
};

// The fields of one event, in the order of the data model.
const std::vector<SEventField>& EventFields();
