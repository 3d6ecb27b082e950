// Opens the catalogue that the build made, for tests that read real catalogue data.
#pragma once

#include "catalogue/Database.h"

#include <cstdlib>
#include <filesystem>
#include <memory>

// The catalogue of a language, from a folder of catalogues (by default the built one).
inline std::unique_ptr<IDatabase> OpenBuiltCatalogue(const char* pszLanguage = "US", const char* pszDir = nullptr)
{
    auto pDb = std::make_unique<IDatabase>();
    if (!pszDir)
        pszDir = std::getenv("TESMARA_CATALOGUE_DIR");
    if (!pszDir)
        pszDir = TESMARA_BUILT_CATALOGUE_DIR;
    if (!pDb->Open(pszDir, "Acc", pszLanguage))
        return nullptr;
    return pDb;
}
