// Where the command-line tool finds the catalogue when none is named.
#pragma once

#include <filesystem>
#include <string>

class IDatabase;

// The catalogue folder of the installation or build the tool belongs to (TESMARA_CATALOGUE_DIR
// when set).
std::filesystem::path DefaultCatalogueFolder();

// The language of this run's catalogue and texts (--language; "US" unless given).
const std::string& CliLanguage();
// False, with nothing changed, for a code that has neither a string table nor is U.S. English.
bool SetCliLanguage(const std::string& strCode);
// The string id of the language's display name (500 "U.S. English" ... 506), 500 when unknown.
int LanguageNameId(const std::string& strCode);

// Opens strBaseName + strLanguage + ".db" in folder. A failure's message comes back in
// strError instead of going to the console, so the command can report it its own way.
bool OpenCatalogueQuietly(IDatabase& db, const std::filesystem::path& folder, const std::string& strBaseName,
                          const std::string& strLanguage, std::string& strError);
