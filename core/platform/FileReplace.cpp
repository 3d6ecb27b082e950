// Whole-file writes through a temporary file and a rename.
#include "platform/FileReplace.h"

#include "platform/StringTable.h"

#include <cerrno>
#include <cstdio>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace
{
constexpr int kStringReadOnly = 59217;

std::string SystemError(int nErrno)
{
    return std::generic_category().message(nErrno);
}

std::FILE* CreateNewFile(const std::filesystem::path& path)
{
#ifdef _WIN32
    return _wfopen(path.c_str(), L"wbx");
#else
    return std::fopen(path.c_str(), "wbx"); // "x": never reuse a file that already exists
#endif
}

// Writes and flushes the whole buffer, so that a full disk shows here and not after the
// rename; false with errno set on any failure. (No fsync: it would cost more than the
// rest of a save together, and the rename alone already keeps the old file whole when
// the program fails.)
bool WriteAll(std::FILE* pFile, std::string_view bytes)
{
    return std::fwrite(bytes.data(), 1, bytes.size(), pFile) == bytes.size() && std::fflush(pFile) == 0;
}

// A short name of its own beside the target, so that any name legal for the target is legal
// here too; hidden and recognisable if a crash leaves it behind.
std::filesystem::path TemporaryPathFor(const std::filesystem::path& target)
{
    static const char kHex[] = "0123456789abcdef";
    std::random_device random;
    std::string strName = ".tesmara-";
    for (int i = 0; i < 2; ++i)
        for (std::uint32_t n = random(), nDigit = 0; nDigit < 8; ++nDigit, n >>= 4)
            strName += kHex[n & 0xF];
    strName += ".tmp";
    return target.parent_path() / strName;
}

// The file a path stands for: a symbolic link is followed to its target, also to one that does
// not exist yet, so that the write goes through the link instead of replacing it.
std::filesystem::path FollowLinks(std::filesystem::path path, std::error_code& ec)
{
    ec.clear();
    for (int nLinks = 0;; ++nLinks)
    {
        std::error_code ecStatus; // a path that does not exist is no link, and no error
        if (!std::filesystem::is_symlink(path, ecStatus))
            break;
        if (nLinks == 40)
        {
            ec = std::make_error_code(std::errc::too_many_symbolic_link_levels);
            break;
        }
        const std::filesystem::path link = std::filesystem::read_symlink(path, ec);
        if (ec)
            break;
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return path;
}

// A file that exists and that the user may not write: replacing it would silently overwrite
// a file its owner protected (and the rename would, for any user who may write the folder).
bool IsReadOnlyFile(const std::filesystem::path& path)
{
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(status))
        return false;
    using std::filesystem::perms;
    if ((status.permissions() & (perms::owner_write | perms::group_write | perms::others_write)) == perms::none)
        return true;
#ifdef _WIN32
    return _waccess(path.c_str(), 2) != 0;
#else
    return ::access(path.c_str(), W_OK) != 0;
#endif
}
} // namespace

bool ReplaceFileContents(const std::filesystem::path& path, std::string_view bytes, std::string& strReason)
{
    std::error_code ec;
    const std::filesystem::path target = FollowLinks(path, ec);
    if (ec)
    {
        strReason = ec.message();
        return false;
    }
    if (IsReadOnlyFile(target))
    {
        strReason = LoadString(kStringReadOnly);
        return false;
    }

    const std::filesystem::path temporary = TemporaryPathFor(target);
    std::FILE* pFile = CreateNewFile(temporary);
    if (pFile == nullptr)
    {
        strReason = SystemError(errno);
        return false;
    }
    bool bWritten = WriteAll(pFile, bytes);
    int nErrno = errno;
    if (std::fclose(pFile) != 0 && bWritten)
    {
        bWritten = false;
        nErrno = errno;
    }
    if (bWritten)
    {
        // Keep the old file's permissions; a failure to do so does not stop the write.
        const auto status = std::filesystem::status(target, ec);
        if (!ec && std::filesystem::is_regular_file(status))
            std::filesystem::permissions(temporary, status.permissions(), ec);
        std::filesystem::rename(temporary, target, ec);
        if (ec)
        {
            bWritten = false;
            nErrno = ec.value();
        }
    }
    if (!bWritten)
    {
        std::filesystem::remove(temporary, ec);
        strReason = SystemError(nErrno);
        return false;
    }
    return true;
}
