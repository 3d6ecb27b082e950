// Copies of the built catalogue for tests that alter or damage them.
#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <string>
#include <unistd.h>

// A fresh, writable copy of the built US catalogue as folder/strName.
inline std::filesystem::path CopyOfCatalogue(const std::filesystem::path& folder, const std::string& strName)
{
    namespace fs = std::filesystem;
    fs::create_directories(folder);
    const fs::path copy = folder / strName;
    fs::copy_file(fs::path(TESMARA_BUILT_CATALOGUE_DIR) / "AccUS.db", copy, fs::copy_options::overwrite_existing);
    fs::permissions(copy, fs::perms::owner_write, fs::perm_options::add);
    return copy;
}

// The same, in a folder of this test process.
inline std::filesystem::path CopyOfCatalogue(const std::string& strName)
{
    return CopyOfCatalogue(std::filesystem::temp_directory_path() / ("tesmara_check_" + std::to_string(::getpid())),
                           strName);
}

// Runs SQL on a catalogue file, as a damaged installation or a careless edit would.
inline void Exec(const std::filesystem::path& file, const char* pszSql)
{
    sqlite3* pDb = nullptr;
    ASSERT_EQ(sqlite3_open(file.string().c_str(), &pDb), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(pDb, pszSql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(pDb);
    sqlite3_close(pDb);
}
