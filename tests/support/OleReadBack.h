// A transfer document read back by olefile, an independent reader: its directory entries in the
// order written and every stream's bytes in hex.
#pragma once

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <string>

inline nlohmann::json ReadOle(const std::filesystem::path& file)
{
    const std::string strCommand =
        "/usr/bin/python3 " TESMARA_TEST_SUPPORT_DIR "/read_ole.py '" + file.string() + "'";
    std::FILE* pPipe = popen(strCommand.c_str(), "r");
    std::string strOut;
    char szBuffer[4096];
    while (std::size_t n = std::fread(szBuffer, 1, sizeof szBuffer, pPipe))
        strOut.append(szBuffer, n);
    EXPECT_EQ(pclose(pPipe), 0) << strOut;
    return nlohmann::json::parse(strOut, nullptr, false);
}

inline std::string Hex(const std::string& strBytes)
{
    std::string strHex;
    char szByte[3];
    for (const unsigned char c : strBytes)
        std::snprintf(szByte, sizeof szByte, "%02x", c), strHex += szByte;
    return strHex;
}
