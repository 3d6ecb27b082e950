// Reading unit codes and numbers typed on the command line.
#pragma once

#include "units/UnitDouble.h"

#include <optional>
#include <string>

// The unit code for a code or a unit's display text, both exact ("PSIG", "psi", "bar g"); a
// display text may also be typed without its blanks ("barg"), which needs no quotes, or by its first
// word where that names one unit only ("kPa" for "kPa a").
std::optional<std::string> ParseUnitArgument(const std::string& strText);

// "Unit Not Found  " and the text; where its first word names several units ("bar"), which they are.
std::string UnknownUnitMessage(const std::string& strText);

// The whole text as a number; nothing else may follow it.
std::optional<double> ParseNumberArgument(const std::string& strText);

// A number followed by a unit code or a unit's display text, with or without a
// blank between them ("3000psi", "150 CU_IN", "70DEG_F"). When nCategoryId is not
// 0 the unit must belong to that category. On failure strError says why.
std::optional<CUnitDouble> ParseValueWithUnit(const std::string& strText, int nCategoryId, std::string& strError);
