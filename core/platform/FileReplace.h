// Writing a whole file so that a failure never leaves it half-written: the bytes go to a
// temporary file beside it, which then replaces it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Writes the bytes as the file at path. A symbolic link is written through, also one whose
// target does not exist yet, and stays a link; an existing file keeps its permissions; a file
// the user may not write is refused ("The file is read-only"). False with the reason, without
// a final stop, in strReason; the file is then as it was and no temporary file is left.
bool ReplaceFileContents(const std::filesystem::path& path, std::string_view bytes, std::string& strReason);

inline bool ReplaceFileContents(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
                                std::string& strReason)
{
    return ReplaceFileContents(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                               strReason);
}
