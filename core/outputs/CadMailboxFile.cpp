// The CAD mailbox a request uses: the build tree's own, or the user's copy of the installed one.
#include "outputs/CadMailboxFile.h"

#include "catalogue/Database.h"
#include "platform/DataFolder.h"
#include "platform/StringTable.h"
#include "selection/CadConversion.h"

#include <sqlite3.h>
#include <unistd.h>

#include <random>
#include <string_view>
#include <system_error>

namespace fs = std::filesystem;

namespace
{
// A copy that cannot be opened as a mailbox (damaged, cut short, another file) is made again; so
// is one that opens but has a damaged page, which only a drawing would meet otherwise: every page
// is read (a few milliseconds for a mailbox). A copy busy with another program's request is whole.
bool IsMailbox(const fs::path& file)
{
    IDatabase db;
    std::string strIgnored;
    if (!db.OpenForWriting(file, strIgnored))
        return false;
    db.Close();
    sqlite3* pDb = nullptr;
    sqlite3_stmt* pCheck = nullptr;
    int nRc = sqlite3_open_v2(PathText(file).c_str(), &pDb, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_busy_timeout(pDb, 2000);
    if (nRc == SQLITE_OK)
        nRc = sqlite3_prepare_v2(pDb, "PRAGMA quick_check(1)", -1, &pCheck, nullptr);
    if (nRc == SQLITE_OK)
        nRc = sqlite3_step(pCheck);
    const auto* pszResult = reinterpret_cast<const char*>(nRc == SQLITE_ROW ? sqlite3_column_text(pCheck, 0) : nullptr);
    const bool bDamaged = nRc == SQLITE_CORRUPT || nRc == SQLITE_NOTADB ||
                          (nRc == SQLITE_ROW && (pszResult == nullptr || std::string_view(pszResult) != "ok"));
    sqlite3_finalize(pCheck);
    sqlite3_close(pDb);
    return !bDamaged;
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
