// Where the command-line tool finds the catalogue when none is named.
#pragma once

#include <filesystem>

// TESMARA_CATALOGUE_DIR when set, else the catalogue folder of the build or
// installation beside the tool (../catalogue from the tool's own folder).
std::filesystem::path DefaultCatalogueFolder();
