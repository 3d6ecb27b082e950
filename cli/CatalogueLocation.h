// Where the command-line tool finds the catalogue when none is named.
#pragma once

#include <filesystem>
#include <string>

class IDatabase;

// The catalogue folder of the installation or build the tool belongs to (TESMARA_CATALOGUE_DIR
// when set).
std::filesystem::path DefaultCatalogueFolder();

// Opens strBaseName + strLanguage + ".db" in folder. A failure's message comes back in
// strError instead of going to the console, so the command can report it its own way.
bool OpenCatalogueQuietly(IDatabase& db, const std::filesystem::path& folder, const std::string& strBaseName,
                          const std::string& strLanguage, std::string& strError);
