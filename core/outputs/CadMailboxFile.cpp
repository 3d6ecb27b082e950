// The per-user copy of a read-only installed CAD mailbox.
#include "outputs/CadMailboxFile.h"

#include "catalogue/Database.h"

#include <unistd.h>

#include <random>
#include <system_error>

namespace fs = std::filesystem;

namespace
{
// A copy that cannot be opened as a mailbox (damaged, cut short, another file) is made again.
bool IsMailbox(const fs::path& file)
{
    IDatabase db;
    std::string strIgnored;
    return db.OpenForWriting(file, strIgnored);
}
} // namespace

bool IsWritableWithFolder(const fs::path& file)
{
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    return ::access(file.c_str(), W_OK) == 0 && ::access(folder.c_str(), W_OK) == 0;
}

fs::path ResolveCadMailbox(const fs::path& installed, const fs::path& userFolder, std::string& strError,
                           const std::function<bool(const fs::path&)>& fnWritable)
{
    strError.clear();
    std::error_code ec;
    if (!fs::is_regular_file(installed, ec))
    {
        strError = "The CAD mailbox " + PathText(installed) + " is not installed.";
        return fs::path();
    }
    if (fnWritable(installed))
        return installed;

    const fs::path copy = userFolder / installed.filename();
    const bool bHaveCopy = fs::is_regular_file(copy, ec);
    if (bHaveCopy && fs::last_write_time(copy, ec) >= fs::last_write_time(installed, ec) && !ec && IsMailbox(copy))
        return copy;

    // Copied under a name of its own and renamed, so a copy is never seen half-written.
    fs::create_directories(userFolder, ec);
    // Built piece by piece: GCC 12 misreads "literal" + string temporaries (-Wrestrict).
    std::string strTemporary(1, '.');
    strTemporary += installed.filename().string();
    strTemporary += ".copying-";
    strTemporary += std::to_string(std::random_device()());
    const fs::path temporary = userFolder / strTemporary;
    if (!ec)
        fs::copy_file(installed, temporary, fs::copy_options::overwrite_existing, ec);
    if (!ec)
        fs::permissions(temporary, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
    if (!ec)
        fs::rename(temporary, copy, ec);
    if (ec)
    {
        fs::remove(temporary, ec);
        strError = "The CAD mailbox cannot be copied to " + PathText(copy) + ": " + ec.message() + ".";
        return fs::path();
    }
    return copy;
}
