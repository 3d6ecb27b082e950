// The program's data folder, found from its executable, and the user's data folder.
#include "platform/DataFolder.h"

#include <cstdlib>
#include <system_error>

namespace fs = std::filesystem;

namespace
{
fs::path Variable(const char* pszName)
{
    const char* pszValue = std::getenv(pszName);
    return pszValue != nullptr && *pszValue != '\0' ? fs::path(pszValue) : fs::path();
}
} // namespace

fs::path ProgramFolder()
{
    // The kernel's link names the executable itself, whatever link or relative path started it.
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec || !exe.has_parent_path())
        return fs::current_path(ec);
    return exe.parent_path();
}

fs::path DataFolderOf(const fs::path& programFolder)
{
    return (programFolder / ".." / "share" / kDataFolderName).lexically_normal();
}

bool IsBuildDataFolder(const fs::path& folder)
{
    std::error_code ec;
    return fs::is_regular_file(folder / kBuildTreeMark, ec);
}

fs::path ProgramDataFolder()
{
    if (fs::path folder = Variable("TESMARA_APP_DIR"); !folder.empty())
        return folder;
    return DataFolderOf(ProgramFolder());
}

fs::path ProgramCatalogueFolder()
{
    if (fs::path folder = Variable("TESMARA_CATALOGUE_DIR"); !folder.empty())
        return folder;
    return DataFolderOf(ProgramFolder()) / "catalogue";
}

fs::path UserDataFolder()
{
    if (fs::path root = Variable("TESMARA_DATA_ROOT"); !root.empty())
        return root;
    fs::path base = Variable("XDG_DATA_HOME");
    if (base.empty())
    {
        const fs::path home = Variable("HOME");
        base = home.empty() ? fs::temp_directory_path() : home / ".local" / "share";
    }
    return base / "Dalrow Mestlin" / "Tesmara" / "Accumulator";
}
