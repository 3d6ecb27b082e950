// The data-access error raised by catalogue queries and recordsets.
#include "catalogue/CatalogueError.h"

#include "platform/StringTable.h"

namespace
{
constexpr int kStringDataAccessError = 59214; // code, source, description
} // namespace

CCatalogueError::CCatalogueError(int nCode, const std::string& strText)
    : std::runtime_error(strText), m_nCode(nCode)
{
}

std::string DataAccessMessage(int nCode, const std::string& strSource, const std::string& strDescription)
{
    return FormatString(kStringDataAccessError, {std::to_string(nCode), strSource, strDescription});
}
