// Opening the catalogue for a command-line job.
#include "CliSession.h"

#include "CatalogueLocation.h"
#include "Commands.h"

#include <iostream>

bool CCliSession::Open(const std::filesystem::path& folder, std::string& strError)
{
    if (!OpenCatalogueQuietly(m_db, folder, kCatalogueBaseName, CliLanguage(), strError))
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

std::string CatalogueFailureText(const CCatalogueError& error, const CCliSession& session)
{
    return DataAccessMessage(error.Code(), PathText(session.Catalogue().Path()), error.what());
}

int RunOnCatalogue(const std::string& strFolder, const std::function<int(CCliSession&)>& command)
{
    CCliSession session;
    std::string strError;
    if (!session.Open(strFolder.empty() ? DefaultCatalogueFolder() : std::filesystem::path(strFolder), strError))
    {
        std::cerr << strError << '\n';
        return kExitFailure;
    }
    try
    {
        return command(session);
    }
    catch (const CCatalogueError& error)
    {
        std::cerr << CatalogueFailureText(error, session) << '\n';
        return kExitFailure;
    }
}
