// A stored query of the catalogue with the values of its parameters.
#include "catalogue/QueryDef.h"

#include "catalogue/CatalogueError.h"
#include "catalogue/Database.h"
#include "catalogue/PreparedQuery.h"
#include "catalogue/Recordset.h"

IQueryDef::IQueryDef(IDatabase& database) : m_pDatabase(&database) {}

IQueryDef::~IQueryDef()
{
    Close();
}

void IQueryDef::Open(const std::string& strName)
{
    Close();
    SPreparedQuery& query = m_pDatabase->Prepare(strName);
    m_pQuery = &query;
    m_strName = query.m_strName;
    m_nSerial = m_pDatabase->Serial();
    m_values.assign(query.m_params.size(), std::nullopt);
}

void IQueryDef::SetParamValue(const std::string& strBracketedName, const CDbValue& value)
{
    const SPreparedQuery& query = Prepared();
    std::string strName = strBracketedName;
    if (strName.size() >= 2 && strName.front() == '[' && strName.back() == ']')
        strName = strName.substr(1, strName.size() - 2);
    const std::string strKey = AsciiLower(strName);
    for (std::size_t n = 0; n < query.m_params.size(); ++n)
    {
        if (query.m_params[n].m_strKey == strKey)
        {
            m_values[n] = value;
            return;
        }
    }
    throw CCatalogueError(CCatalogueError::ParameterNotFound,
                          "Query '" + query.m_strName + "' has no parameter " + strBracketedName + ".");
}

void IQueryDef::Execute()
{
    // Running it as a recordset binds and checks every parameter the same way; an action
    // query simply yields no fields.
    IRecordset rows(*m_pDatabase);
    rows.Open(*this);
    if (rows.GetFieldCount() != 0)
        throw CCatalogueError(CCatalogueError::BadQuery, "Query '" + m_strName + "' is not an action query.");
}

void IQueryDef::Close()
{
    m_pQuery = nullptr;
    m_strName.clear();
    m_values.clear();
}

SPreparedQuery& IQueryDef::Prepared() const
{
    if (m_pQuery == nullptr)
        throw CCatalogueError(CCatalogueError::NotOpen, "No stored query is open.");
    // A closed or reopened catalogue has finalized the statement we point to.
    if (!m_pDatabase->IsOpen() || m_pDatabase->Serial() != m_nSerial)
        throw CCatalogueError(CCatalogueError::NotOpen,
                              "The catalogue was closed after query '" + m_strName + "' was opened.");
    return *m_pQuery;
}
