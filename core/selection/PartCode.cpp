// Stored form of a model-number code.
#include "selection/PartCode.h"

#include "platform/Archive.h"

void CPartCode::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteString(m_strCode);
        ar.WriteInt32(m_nLocation);
        ar.WriteString(m_strCodeType);
        ar.WriteString(m_strDescription);
        ar.WriteInt32(m_nTag);
    }
    else
    {
        m_strCode = ar.ReadString();
        m_nLocation = ar.ReadInt32();
        m_strCodeType = ar.ReadString();
        m_strDescription = ar.ReadString();
        m_nTag = ar.ReadInt32();
    }
}
