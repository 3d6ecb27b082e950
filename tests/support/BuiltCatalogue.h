// Opens the catalogue that the build made, for tests that read real catalogue data.
#pragma once

#include "catalogue/Database.h"

#include <cstdlib>
#include <filesystem>
#include <memory>

inline std::unique_ptr<IDatabase> OpenBuiltCatalogue()
{
    auto pDb = std::make_unique<IDatabase>();
    const char* pszDir = std::getenv("TESMARA_CATALOGUE_DIR");
    if (!pszDir)
        pszDir = TESMARA_BUILT_CATALOGUE_DIR;
    if (!pDb->Open(pszDir, "Acc", "US"))
        return nullptr;
    return pDb;
}
