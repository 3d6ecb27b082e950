// The CAD mailbox a request uses: the build tree's own, or the user's copy of the installed one.
#include "outputs/CadMailboxFile.h"

#include "catalogue/Database.h"
#include "platform/DataFolder.h"
#include "platform/StringTable.h"
#include "selection/CadConversion.h"

#include <sqlite3.h>
#include <unistd.h>

#include <random>
#include <system_error>

namespace fs = std::filesystem;

namespace
{
// A copy that cannot be opened as a mailbox (damaged, cut short, another file) is made again; so
// is one that opens but has a damaged page, which only a drawing would meet otherwise: every page
// is read (a few milliseconds for a mailbox).
bool IsMailbox(const fs::path& file)
{
    IDatabase db;
    std::string strIgnored;
    if (!db.OpenForWriting(file, strIgnored))
        return false;
    sqlite3_stmt* pCheck = nullptr;
    bool bWhole =
        sqlite3_prepare_v2(db.Handle(), "PRAGMA quick_check(1)", -1, &pCheck, nullptr) == SQLITE_OK &&
        sqlite3_step(pCheck) == SQLITE_ROW;
    const unsigned char* pszResult = bWhole ? sqlite3_column_text(pCheck, 0) : nullptr;
    bWhole = pszResult != nullptr && std::string(reinterpret_cast<const char*>(pszResult)) == "ok";
    sqlite3_finalize(pCheck);
    return bWhole;
}
constexpr int kStringNotInstalled = 59264, kStringNotCopied = 59265;
} // namespace

std::string CadMailboxFileName(const std::string& strLanguageCode)
{
    if (strLanguageCode.empty() || strLanguageCode == "US")
        return kCadMailboxFileName;
    return "CadMailbox" + strLanguageCode + ".db";
}

bool IsWritableWithFolder(const fs::path& file)
{
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    return ::access(file.c_str(), W_OK) == 0 && ::access(folder.c_str(), W_OK) == 0;
}

bool IsWritableInPlace(const fs::path& file)
{
    return IsBuildDataFolder(file.has_parent_path() ? file.parent_path() : fs::path(".")) &&
           IsWritableWithFolder(file);
}

fs::path ResolveCadMailbox(const fs::path& installed, const fs::path& userFolder, std::string& strError,
                           const std::function<bool(const fs::path&)>& fnInPlace)
{
    strError.clear();
    std::error_code ec;
    if (!fs::is_regular_file(installed, ec))
    {
        strError = FormatString(kStringNotInstalled, {PathText(installed)});
        return fs::path();
    }
    if (fnInPlace(installed))
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
        const std::string strReason = ec.message();
        fs::remove(temporary, ec);
        strError = FormatString(kStringNotCopied, {PathText(copy), strReason});
        return fs::path();
    }
    return copy;
}
