// JSON input of the command-line tool.
#include "JsonInput.h"

#include <fstream>
#include <iostream>
#include <sstream>
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
}

nlohmann::json ReadJsonInput(const std::string& strPath)
{
    std::ostringstream text;
    if (strPath == "-")
        text << std::cin.rdbuf();
    else
    {
        std::ifstream in(strPath, std::ios::binary);
        if (!in)
            throw std::runtime_error("Cannot read " + strPath);
        text << in.rdbuf();
    }
    return ParseJsonText(text.str(), strPath == "-" ? std::string("The standard input") : strPath);
}
