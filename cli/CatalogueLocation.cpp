// Default catalogue folder of the command-line tool.
#include "CatalogueLocation.h"

#include <cstdlib>
#include <system_error>

std::filesystem::path DefaultCatalogueFolder()
{
    if (const char* pszDir = std::getenv("TESMARA_CATALOGUE_DIR"); pszDir && *pszDir)
        return pszDir;
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return "catalogue";
    return exe.parent_path().parent_path() / "catalogue";
}
