// Files and the output of independent readers, for tests that read back what the program wrote.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// The whole content of a file, byte for byte; empty when it cannot be read.
inline std::string FileText(const std::filesystem::path& file)
{
    std::ostringstream text;
    text << std::ifstream(file, std::ios::binary).rdbuf();
    return text.str();
}

// What a shell command writes to its standard output; a failing command fails the test.
inline std::string CommandOutput(const std::string& strCommand)
{
    std::string strOut;
    std::FILE* pPipe = popen(strCommand.c_str(), "r");
    if (pPipe == nullptr)
    {
        ADD_FAILURE() << "cannot run " << strCommand;
        return strOut;
    }
    char szBuffer[4096];
    while (std::size_t n = std::fread(szBuffer, 1, sizeof szBuffer, pPipe))
        strOut.append(szBuffer, n);
    EXPECT_EQ(pclose(pPipe), 0) << strCommand << "\n" << strOut;
    return strOut;
}
