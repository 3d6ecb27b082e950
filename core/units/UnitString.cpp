// Stored form of a text with unit.
#include "units/UnitString.h"

#include "platform/Archive.h"

void CUnitString::Serialize(CArchive& ar)
{
    CUnitBase::Serialize(ar);
    if (ar.IsStoring())
        ar.WriteString(m_strValue);
    else
        m_strValue = ar.ReadString();
}
