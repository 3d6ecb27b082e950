// The unit table seen as lists: its categories and the units of one category.
#pragma once

#include <string>
#include <vector>

// Every category id of the table once, in the order the table first names it; NONE's 0 comes first.
std::vector<int> UnitCategoryIds();

// The codes of one category's units, in table order.
std::vector<std::string> UnitCodesOfCategory(int nCategoryId);

// The first unit of the category whose display text equals the text; empty text when none has it.
std::string UnitCodeByDisplayText(int nCategoryId, const std::string& strDisplayText);
