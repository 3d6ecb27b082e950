// Copies of the built catalogue for tests that damage them.
#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <string>
#include <unistd.h>

// A fresh copy of the built catalogue named strName, in a folder of this test process.
inline std::filesystem::path CopyOfCatalogue(const std::string& strName)
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("tesmara_check_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path copy = dir / strName;
    fs::copy_file(fs::path(TESMARA_BUILT_CATALOGUE_DIR) / "AccUS.db", copy, fs::copy_options::overwrite_existing);
    return copy;
}

// Runs SQL on a catalogue file, as a damaged installation or a careless edit would.
inline void Exec(const std::filesystem::path& file, const char* pszSql)
{
    sqlite3* pDb = nullptr;
    ASSERT_EQ(sqlite3_open(file.string().c_str(), &pDb), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(pDb, pszSql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(pDb);
    sqlite3_close(pDb);
}
