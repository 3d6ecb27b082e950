// Reading a JSON document from a file or standard input, with clear messages.
#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <istream>
#include <string>

// Far beyond any selection (ten events take a few KiB): larger input is refused unread.
inline constexpr std::size_t kMaxJsonInput = 1024 * 1024;

// "-" reads standard input. Throws std::runtime_error naming the file and what is wrong.
nlohmann::json ReadJsonInput(const std::string& strPath);

// One JSON text; throws std::runtime_error saying where it stops being JSON.
nlohmann::json ParseJsonText(const std::string& strText, const std::string& strSource);

// The whole stream as text; throws std::runtime_error once it passes kMaxJsonInput.
std::string ReadBoundedText(std::istream& in, const std::string& strSource);
