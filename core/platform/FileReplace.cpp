// Whole-file writes through temporary files and renames; devices and FIFOs written through.
#include "platform/FileReplace.h"

#include "platform/OutputStrings.h"
#include "platform/StringTable.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
std::string SystemError(int nErrno)
{
    return std::generic_category().message(nErrno);
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
fs::path TemporaryPathFor(const fs::path& target)
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
fs::path FollowLinks(fs::path path, std::error_code& ec)
{
    ec.clear();
    for (int nLinks = 0;; ++nLinks)
    {
        std::error_code ecStatus; // a path that does not exist is no link, and no error
        if (!fs::is_symlink(path, ecStatus))
            break;
        if (nLinks == 40)
        {
            ec = std::make_error_code(std::errc::too_many_symbolic_link_levels);
            break;
        }
        const fs::path link = fs::read_symlink(path, ec);
        if (ec)
            break;
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return path;
}

// A file that exists and that the user may not write: replacing it would silently overwrite
// a file its owner protected (and the rename would, for any user who may write the folder).
bool IsReadOnlyFile(const fs::path& path)
{
    std::error_code ec;
    const auto status = fs::status(path, ec);
    if (ec || !fs::exists(status))
        return false;
    using fs::perms;
    if ((status.permissions() & (perms::owner_write | perms::group_write | perms::others_write)) == perms::none)
        return true;
    return ::access(path.c_str(), W_OK) != 0;
}

// Writes every byte to a descriptor, without the SIGPIPE that a reader gone away would raise
// (it would end the program): the signal is held back and swallowed. False with errno set.
bool WriteToDescriptor(int nFd, std::string_view bytes)
{
    sigset_t pipeSignal, previous;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &previous);
    bool bWritten = true;
    for (std::size_t nDone = 0; nDone < bytes.size();)
    {
        const ssize_t n = ::write(nFd, bytes.data() + nDone, bytes.size() - nDone);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
        {
            bWritten = false;
            break;
        }
        nDone += static_cast<std::size_t>(n);
    }
    const int nErrno = errno;
    if (!bWritten && nErrno == EPIPE)
    {
        const timespec none{0, 0};
        sigtimedwait(&pipeSignal, nullptr, &none);
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    errno = nErrno;
    return bWritten;
}

// A character device or FIFO written through. A FIFO without a reader would block the open for
// as long as none comes: it is opened without waiting and refused instead.
bool WriteThrough(const fs::path& path, std::string_view bytes, std::string& strReason)
{
    const int nFd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (nFd < 0)
    {
        strReason = errno == ENXIO ? LoadString(outtext::kNoReader) : SystemError(errno);
        return false;
    }
    ::fcntl(nFd, F_SETFL, ::fcntl(nFd, F_GETFL) & ~O_NONBLOCK);
    bool bWritten = WriteToDescriptor(nFd, bytes);
    int nErrno = errno;
    if (::close(nFd) != 0 && bWritten)
        bWritten = false, nErrno = errno;
    if (!bWritten)
        strReason = SystemError(nErrno);
    return bWritten;
}
} // namespace

CFileReplaceSet::~CFileReplaceSet()
{
    Discard();
}

void CFileReplaceSet::Discard()
{
    for (const SStaged& staged : m_staged)
    {
        std::error_code ec;
        if (!staged.temporary.empty())
            fs::remove(staged.temporary, ec);
    }
    m_staged.clear();
}

bool CFileReplaceSet::Stage(const fs::path& path, std::string_view bytes, std::string& strReason)
{
    // What the path stands for as the system sees it, through any link (also /dev/stdout's).
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (fs::is_character_file(status) || fs::is_fifo(status))
    {
        m_staged.push_back({path, fs::path(), std::string(bytes)});
        return true;
    }
    if (fs::is_directory(status))
        return strReason = LoadString(outtext::kIsFolder), false;
    if (fs::exists(status) && !fs::is_regular_file(status))
        return strReason = LoadString(outtext::kNotWritableKind), false;

    const fs::path target = FollowLinks(path, ec);
    if (ec)
        return strReason = ec.message(), false;
    if (IsReadOnlyFile(target))
        return strReason = LoadString(outtext::kReadOnly), false;

    const fs::path temporary = TemporaryPathFor(target);
    std::FILE* pFile = std::fopen(temporary.c_str(), "wbx"); // "x": never reuse a file that already exists
    if (pFile == nullptr)
        return strReason = SystemError(errno), false;
    bool bWritten = WriteAll(pFile, bytes);
    int nErrno = errno;
    if (std::fclose(pFile) != 0 && bWritten)
        bWritten = false, nErrno = errno;
    if (!bWritten)
    {
        fs::remove(temporary, ec);
        strReason = SystemError(nErrno);
        return false;
    }
    // Keep the old file's permissions; a failure to do so does not stop the write.
    const auto old = fs::status(target, ec);
    if (!ec && fs::is_regular_file(old))
        fs::permissions(temporary, old.permissions(), ec);
    m_staged.push_back({target, temporary, std::string()});
    return true;
}

bool CFileReplaceSet::Commit(std::string& strReason)
{
    // Devices first: they are the ones that can still refuse, and renames are not undone.
    for (const SStaged& staged : m_staged)
        if (staged.temporary.empty() && !WriteThrough(staged.target, staged.strBytes, strReason))
        {
            Discard();
            return false;
        }
    for (SStaged& staged : m_staged)
    {
        if (staged.temporary.empty())
            continue;
        std::error_code ec;
        fs::rename(staged.temporary, staged.target, ec);
        if (ec)
        {
            strReason = SystemError(ec.value());
            Discard();
            return false;
        }
        staged.temporary.clear();
    }
    m_staged.clear();
    return true;
}

bool ReplaceFileContents(const fs::path& path, std::string_view bytes, std::string& strReason)
{
    CFileReplaceSet files;
    return files.Stage(path, bytes, strReason) && files.Commit(strReason);
}

bool IsSameFile(const fs::path& a, const fs::path& b)
{
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}
