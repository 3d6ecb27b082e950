// A transfer document read back by olefile, an independent reader: its directory entries in the
// order written and every stream's bytes in hex.
#pragma once

#include "ReadBack.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <string>

inline nlohmann::json ReadOle(const std::filesystem::path& file)
{
    return nlohmann::json::parse(
        CommandOutput("/usr/bin/python3 " TESMARA_TEST_SUPPORT_DIR "/read_ole.py '" + file.string() + "'"), nullptr,
        false);
}

inline std::string Hex(const std::string& strBytes)
{
    std::string strHex;
    char szByte[3];
    for (const unsigned char c : strBytes)
        std::snprintf(szByte, sizeof szByte, "%02x", c), strHex += szByte;
    return strHex;
}
