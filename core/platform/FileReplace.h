// Writing a whole file so that a failure never leaves it half-written: the bytes go to a
// temporary file beside it, which then replaces it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Writes the bytes as the file at path (through a link, into the file it points to), keeping an
// existing file's permissions. False with the system's reason in strReason; the file is then as
// it was and no temporary file is left.
bool ReplaceFileContents(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
                         std::string& strReason);
