// Whole-file writes through a temporary file and a rename.
#include "platform/FileReplace.h"

#include <cerrno>
#include <cstdio>
#include <random>
#include <system_error>

namespace
{
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
// rest of the save together, and the rename alone already keeps the old file whole when
// the program fails.)
bool WriteAll(std::FILE* pFile, const std::vector<std::uint8_t>& bytes)
{
    return std::fwrite(bytes.data(), 1, bytes.size(), pFile) == bytes.size() && std::fflush(pFile) == 0;
}

// A name of its own beside the target, hidden and recognisable if a crash leaves it behind.
std::filesystem::path TemporaryPathFor(const std::filesystem::path& target)
{
    std::random_device random;
    std::string strName(1, '.');
    strName += target.filename().string();
    strName += ".saving-";
    strName += std::to_string(random());
    strName += std::to_string(random());
    return target.parent_path() / strName;
}
} // namespace

bool ReplaceFileContents(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
                         std::string& strReason)
{
    // Write through a link into the file it points to, rather than replacing the link.
    std::error_code ec;
    std::filesystem::path target = path;
    if (std::filesystem::is_symlink(path, ec))
    {
        const std::filesystem::path resolved = std::filesystem::canonical(path, ec);
        if (!ec)
            target = resolved;
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
