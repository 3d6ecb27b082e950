// The data-access error raised by catalogue queries and recordsets.
#include "catalogue/CatalogueError.h"

CCatalogueError::CCatalogueError(int nCode, const std::string& strText)
    : std::runtime_error(strText), m_nCode(nCode)
{
}

std::string DataAccessMessage(int nCode, const std::string& strSource, const std::string& strDescription)
{
    return "DAO error " + std::to_string(nCode) + ", SOURCE = " + strSource + ", DESCR = " + strDescription;
}
