// Comparing two application descriptions.
#include "selection/ApplicationData.h"

#include "selection/ApplicationFields.h"

bool SApplicationData::operator==(const SApplicationData& other) const
{
    // Unit values compare by value and unit, converting where the units differ.
    bool bEqual = true;
    WalkApplicationFields(
        [&](auto pField)
        {
            if (bEqual)
                bEqual = this->*pField == other.*pField;
        });
    return bEqual;
}
