// JSON input of the command-line tool.
#include "JsonInput.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>

nlohmann::json ParseJsonText(const std::string& strText, const std::string& strSource)
{
    try
    {
        return nlohmann::json::parse(strText);
    }
    catch (const nlohmann::json::parse_error& e)
    {
        throw std::runtime_error(strSource + " is not valid JSON (at byte " + std::to_string(e.byte) + ")");
    }
    catch (const nlohmann::json::out_of_range& e)
    {
        // A number beyond what a double holds, such as 1e400: the library names it in quotes.
        const std::string strWhat = e.what();
        const auto nOpen = strWhat.find('\'');
        const auto nClose = strWhat.rfind('\'');
        const std::string strNumber =
            nOpen != std::string::npos && nClose > nOpen ? " " + strWhat.substr(nOpen + 1, nClose - nOpen - 1) : "";
        throw std::runtime_error(strSource + " holds a number that is out of range:" + strNumber);
    }
}

std::string ReadBoundedText(std::istream& in, const std::string& strSource)
{
    std::string strText;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
    {
        strText.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (strText.size() > kMaxJsonInput)
            throw std::runtime_error(strSource + " is larger than " + std::to_string(kMaxJsonInput / 1024) +
                                     " KiB, more than any selection input.");
    }
    return strText;
}

nlohmann::json ReadJsonInput(const std::string& strPath)
{
    if (strPath == "-")
    {
        const std::string strSource = "The standard input";
        return ParseJsonText(ReadBoundedText(std::cin, strSource), strSource);
    }
    std::error_code ec;
    if (std::filesystem::is_directory(strPath, ec))
        throw std::runtime_error(strPath + " is a folder, not a file.");
    std::ifstream in(strPath, std::ios::binary);
    if (!in)
        throw std::runtime_error("Cannot read " + strPath);
    return ParseJsonText(ReadBoundedText(in, strPath), strPath);
}
