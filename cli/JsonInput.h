// Reading a JSON document from a file or standard input, with clear messages.
#pragma once

#include <nlohmann/json.hpp>

#include <string>

// "-" reads standard input. Throws std::runtime_error naming the file and what is wrong.
nlohmann::json ReadJsonInput(const std::string& strPath);

// One JSON text; throws std::runtime_error saying where it stops being JSON.
nlohmann::json ParseJsonText(const std::string& strText, const std::string& strSource);
