// Stored form of a whole number with unit.
#include "units/UnitInt.h"

#include "platform/Archive.h"

void CUnitInt::Serialize(CArchive& ar)
{
    CUnitBase::Serialize(ar);
    if (ar.IsStoring())
        ar.WriteInt32(m_nValue);
    else
        m_nValue = ar.ReadInt32();
}
