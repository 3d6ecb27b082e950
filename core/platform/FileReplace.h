// Writing whole files so that a failure never leaves one half-written: the bytes go to a
// temporary file beside each target, which then replaces it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Several files written all or none. Stage writes each one's bytes to a temporary file beside
// it; Commit puts every staged file in place. A failure at any point leaves every target as it
// was (short of a rename refused midway through Commit) and no temporary file behind.
//
// A symbolic link is written through, also one whose target does not exist yet, and stays a
// link; an existing file keeps its permissions; a file the user may not write is refused. A
// character device or FIFO (also behind a link) is written through at Commit, never replaced;
// a FIFO that no program reads is refused rather than waited for. A folder, block device or
// socket is refused. Reasons are given without a final stop.
class CFileReplaceSet
{
public:
    CFileReplaceSet() = default;
    ~CFileReplaceSet();
    CFileReplaceSet(const CFileReplaceSet&) = delete;
    CFileReplaceSet& operator=(const CFileReplaceSet&) = delete;

    bool Stage(const std::filesystem::path& path, std::string_view bytes, std::string& strReason);
    // False with the reason of the first file that could not be put in place.
    bool Commit(std::string& strReason);
    // Drops what was staged; the targets stay as they were.
    void Discard();

private:
    struct SStaged
    {
        std::filesystem::path target;
        std::filesystem::path temporary; // empty: a device or FIFO, written through
        std::string strBytes;            // only for a device or FIFO
    };
    std::vector<SStaged> m_staged;
};

// One file, whole or not at all (see CFileReplaceSet). False with the reason in strReason; the
// file is then as it was and no temporary file is left.
bool ReplaceFileContents(const std::filesystem::path& path, std::string_view bytes, std::string& strReason);

inline bool ReplaceFileContents(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
                                std::string& strReason)
{
    return ReplaceFileContents(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                               strReason);
}

// Whether two paths name one existing file: through links, hard links or another spelling.
bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b);
