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

// What a field is to input: an entry the user gives, or a value the program fills itself (a
// result, a catalogue limit, a model or details choice), which input cannot set.
enum class EFieldRole
{
    Entry,  // of the application description
    Result, // of the application description, computed by the sizing
    Filled, // outside the application description: the program or the catalogue fills it
};

struct SAccumulatorField
{
    const char* pszName;
    AccumulatorMember member;
    EFieldRole eRole;
    bool IsApplication() const { return eRole != EFieldRole::Filled; }
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
