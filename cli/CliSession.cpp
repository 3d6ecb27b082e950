// Opening the catalogue for a command-line job.
#include "CliSession.h"

#include "CatalogueLocation.h"

bool CCliSession::Open(const std::filesystem::path& folder, std::string& strError)
{
    if (!OpenCatalogueQuietly(m_db, folder, kCatalogueBaseName, "US", strError))
        return false;
    m_pMessages = std::make_unique<CIMsgStoredProc>(m_db);
    return true;
}

CAccumulatorData CCliSession::NewSelection()
{
    CAccumulatorData data;
    data.m_pOwner = this;
    data.Initialize(0);
    return data;
}
