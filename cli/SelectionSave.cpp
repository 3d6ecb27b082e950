// The headers of a selection saved from the command line.
#include "SelectionSave.h"

#include "CatalogueLocation.h"
#include "CliSession.h"
#include "models/CatalogueTexts.h"
#include "platform/StringTable.h"
#include "selection/AccumulatorData.h"
#include "selection/SelectionFile.h"

#include <filesystem>

bool SaveSizedSelection(const std::string& strPath, const CAccumulatorData& data, CCliSession& session,
                        std::string& strError, bool bComplete)
{
    return SaveProductSelection(strPath, data, 0, session, strError, bComplete);
}

bool SaveProductSelection(const std::string& strPath, const CBaseProduct& data, int nProdId, CCliSession& session,
                          std::string& strError, bool bComplete)
{
    const std::filesystem::path path(strPath);
    if (path.extension().string() != std::string(".") + kSelectionFileExtension)
    {
        strError = "A selection file name ends in .Ac3: " + strPath;
        return false;
    }
    SSelectionHeader header;
    header.strLanguageCode = CliLanguage();
    header.nLanguageNameId = LanguageNameId(CliLanguage());
    header.strLanguageName = LoadString(header.nLanguageNameId);
    header.strProductLine = LoadString(50023);
    header.nProdId = nProdId;
    header.bPartNumberAvailable = bComplete;
    header.bSelectionComplete = bComplete;
    // The product type and description as "Choose Product" shows them.
    ReadProductTexts(session.Catalogue(), header.nProdId, header.strProdType, header.strProdDescription);
    return SaveSelectionFile(path, header, data, strError);
}
