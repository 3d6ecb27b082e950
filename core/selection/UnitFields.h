// The unit category of every value-with-unit field of an accumulator selection and of an event,
// so that files and other input can be refused when a field holds a unit it cannot be in.
#pragma once

#include <optional>
#include <string>

class CAccumulatorData;
struct SEvent;

// The category (a unit category id; 0 for plain numbers, whose unit is "NONE") of a
// value-with-unit field of the selection, or of an event, by its name; nullopt for any other name.
std::optional<int> SelectionUnitCategory(const std::string& strField);
std::optional<int> EventUnitCategory(const std::string& strField);

// The first field whose unit code is neither empty (a value never given a unit, as a new
// selection has) nor a unit of the field's category, as a message naming the field and the
// code; nothing when every field is right. Events are named "m_lstEvents[i].field".
std::optional<std::string> FindWrongUnit(const CAccumulatorData& data);
