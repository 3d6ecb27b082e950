// Category and unit lists derived from the unit table.
#include "units/UnitLists.h"

#include "units/UnitConvMap.h"
#include "units/UnitTable.h"

#include <algorithm>

std::vector<int> UnitCategoryIds()
{
    std::vector<int> ids;
    for (const SUnitEntry& entry : UnitTableEntries())
        if (std::find(ids.begin(), ids.end(), entry.unit.m_iCategoryID) == ids.end())
            ids.push_back(entry.unit.m_iCategoryID);
    return ids;
}

std::vector<std::string> UnitCodesOfCategory(int nCategoryId)
{
    std::vector<std::string> codes;
    for (const SUnitEntry& entry : UnitTableEntries())
        if (entry.unit.m_iCategoryID == nCategoryId)
            codes.push_back(entry.strCode);
    return codes;
}

std::string UnitCodeByDisplayText(int nCategoryId, const std::string& strDisplayText)
{
    for (const std::string& strCode : UnitCodesOfCategory(nCategoryId))
        if (UnitDisplayText(strCode) == strDisplayText)
            return strCode;
    return std::string();
}
