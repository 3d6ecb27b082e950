// The user's data folder, as the desktop's conventions place it.
#include "platform/DataFolder.h"

#include <cstdlib>

std::filesystem::path UserDataFolder()
{
    const auto variable = [](const char* pszName) -> std::filesystem::path
    {
        const char* pszValue = std::getenv(pszName);
        return pszValue != nullptr && *pszValue != '\0' ? std::filesystem::path(pszValue) : std::filesystem::path();
    };
    if (std::filesystem::path root = variable("TESMARA_DATA_ROOT"); !root.empty())
        return root;
    std::filesystem::path base = variable("XDG_DATA_HOME");
    if (base.empty())
    {
        const std::filesystem::path home = variable("HOME");
        base = home.empty() ? std::filesystem::temp_directory_path() : home / ".local" / "share";
    }
    return base / "Dalrow Mestlin" / "Tesmara" / "Accumulator";
}
