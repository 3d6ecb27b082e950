// Message texts kept in the catalogue, in its language.
#include "catalogue/MsgStoredProc.h"

#include "catalogue/QueryDef.h"
#include "catalogue/Recordset.h"

std::string CIMsgStoredProc::GetMessage(const std::string& strKey) const
{
    IQueryDef query(*m_pDatabase);
    query.Open("qMsgStr");
    query.SetParamValue("[parMsgId]", strKey);
    IRecordset rows(*m_pDatabase);
    rows.Open(query);
    if (rows.IsBOF())
        return "Message not found: " + strKey;
    return rows.GetString(0);
}

std::string CIMsgStoredProc::GetMessage(std::int32_t nKey) const
{
    IQueryDef query(*m_pDatabase);
    query.Open("qMsgInt");
    query.SetParamValue("[parMsgIDInt]", nKey);
    IRecordset rows(*m_pDatabase);
    rows.Open(query);
    if (rows.IsBOF())
        return "Message not found: " + std::to_string(nKey);
    return rows.GetString("WarningText");
}
