// The headers of a selection saved from the command line.
#include "SelectionSave.h"

#include "CatalogueLocation.h"
#include "CliSession.h"
#include "platform/StringTable.h"
#include "selection/SelectionFile.h"

#include <filesystem>

bool SaveSizedSelection(const std::string& strPath, const CAccumulatorData& data, CCliSession& session,
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
    header.nProdId = 0;
    header.bPartNumberAvailable = bComplete;
    header.bSelectionComplete = bComplete;
    // The product type and description as "Choose Product" shows them.
    IQueryDef def(session.Catalogue());
    def.Open("qProduct");
    IRecordset rows(session.Catalogue());
    rows.Open(def);
    for (; !rows.IsEOF(); rows.MoveNext())
        if (rows.GetInt("ProdId") == header.nProdId)
        {
            header.strProdType = rows.GetString("ProdType");
            header.strProdDescription = rows.GetString("Description");
        }
    return SaveSelectionFile(path, header, data, strError);
}
