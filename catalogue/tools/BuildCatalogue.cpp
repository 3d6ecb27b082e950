// build_catalogue: builds a catalogue file from its SQL sources, stored queries and pictures.
//
//   build_catalogue --out AccUS.db --queries DIR [--pictures DIR] [--attach NAME=FILE]
//                   [--translations FILE | --altered] [--texts-of FILE]... SQLFILE...
//
// The SQL files run in the order given; every DIR/<Name>.sql becomes the stored
// query <Name>, and must compile; every DIR/*.jpg becomes a picture named by its
// file name. An attached database (the CAD mailbox reads the built catalogue) is
// only read while the SQL files run; the result never refers to it. The file is written under a temporary
// name and renamed at the end, so a failed build never leaves a half-written catalogue behind.
//
// Display texts are written _('English text') in the SQL files and in the queries, and decimal
// numbers shown inside texts _num(expression). With --translations (lines "English<TAB>text")
// each display text becomes its translation, and a text the file lacks fails the build naming
// it; _num then writes a decimal comma. With --altered every display text is visibly altered,
// so that a test can prove that no display text steers the program. --texts-of names the
// sources of another build that takes its texts from the same table (the CAD mailbox's), so
// that a line only they ask for is not reported as unused.
#include "Translations.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace
{
std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<fs::path> FilesWithExtension(const fs::path& dir, const std::string& ext)
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.is_regular_file() && entry.path().extension() == ext)
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

class CBuild
{
public:
    CBuild(const fs::path& path, const std::vector<std::pair<std::string, fs::path>>& attached,
           const CTranslations& translations)
    {
        if (sqlite3_open(path.string().c_str(), &m_db) != SQLITE_OK)
            throw std::runtime_error("cannot create " + path.string());
        translations.Register(m_db);
        // Outside the transaction, which SQLite requires.
        for (const auto& [strName, file] : attached)
        {
            if (!fs::is_regular_file(file))
                throw std::runtime_error("cannot attach " + file.string() + ": no such file");
            std::string strQuoted;
            for (const char c : file.string())
                strQuoted += c == '\'' ? std::string("''") : std::string(1, c);
            Exec("ATTACH DATABASE '" + strQuoted + "' AS " + strName + ";", "attach " + strName);
            m_attached.push_back(strName);
        }
        Exec("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; PRAGMA foreign_keys = ON; BEGIN;", "setup");
    }
    ~CBuild() { sqlite3_close(m_db); }

    void Exec(const std::string& sql, const std::string& where)
    {
        char* pszError = nullptr;
        if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &pszError) != SQLITE_OK)
        {
            const std::string strError = pszError ? pszError : "unknown error";
            sqlite3_free(pszError);
            throw std::runtime_error(where + ": " + strError);
        }
    }

    // Inserts one row of two values; the second is text or a blob.
    void Insert(const char* pszSql, const std::string& strKey, const std::string& strValue, bool bBlob)
    {
        sqlite3_stmt* pStmt = nullptr;
        if (sqlite3_prepare_v2(m_db, pszSql, -1, &pStmt, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(m_db));
        sqlite3_bind_text(pStmt, 1, strKey.c_str(), -1, SQLITE_TRANSIENT);
        if (bBlob)
            sqlite3_bind_blob(pStmt, 2, strValue.data(), static_cast<int>(strValue.size()), SQLITE_TRANSIENT);
        else
            sqlite3_bind_text(pStmt, 2, strValue.c_str(), -1, SQLITE_TRANSIENT);
        const int nResult = sqlite3_step(pStmt);
        sqlite3_finalize(pStmt);
        if (nResult != SQLITE_DONE)
            throw std::runtime_error(strKey + ": " + sqlite3_errmsg(m_db));
    }

    // A stored query must compile as exactly one statement.
    void CheckCompiles(const std::string& strName, const std::string& strSql)
    {
        sqlite3_stmt* pStmt = nullptr;
        const char* pszTail = nullptr;
        if (sqlite3_prepare_v2(m_db, strSql.c_str(), -1, &pStmt, &pszTail) != SQLITE_OK)
            throw std::runtime_error("query " + strName + ": " + sqlite3_errmsg(m_db));
        sqlite3_finalize(pStmt);
        if (pszTail && std::string(pszTail).find_first_not_of(" \t\r\n;") != std::string::npos)
            throw std::runtime_error("query " + strName + " holds more than one statement");
    }

    void Finish()
    {
        Exec("PRAGMA foreign_key_check;", "foreign keys");
        Exec("COMMIT;", "commit");
        for (const std::string& strName : m_attached)
            Exec("DETACH DATABASE " + strName + ";", "detach " + strName);
        Exec("VACUUM;", "vacuum");
    }

private:
    sqlite3* m_db = nullptr;
    std::vector<std::string> m_attached;
};

int Run(int argc, char** argv)
{
    fs::path out, queries, pictures, translationFile;
    bool bAltered = false;
    std::vector<fs::path> sqlFiles, textSources;
    std::vector<std::pair<std::string, fs::path>> attached;
    for (int i = 1; i < argc; ++i)
    {
        const std::string arg = argv[i];
        auto next = [&]() -> fs::path {
            if (i + 1 >= argc)
                throw std::runtime_error(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--out")
            out = next();
        else if (arg == "--queries")
            queries = next();
        else if (arg == "--pictures")
            pictures = next();
        else if (arg == "--translations")
            translationFile = next();
        else if (arg == "--altered")
            bAltered = true;
        else if (arg == "--texts-of")
            textSources.push_back(next());
        else if (arg == "--attach")
        {
            const std::string strSpec = next().string();
            const std::size_t nEquals = strSpec.find('=');
            const std::string strName = strSpec.substr(0, nEquals);
            if (nEquals == std::string::npos || strName.empty() ||
                strName.find_first_not_of("abcdefghijklmnopqrstuvwxyz") != std::string::npos)
                throw std::runtime_error("--attach needs NAME=FILE with a lower-case name");
            attached.emplace_back(strName, strSpec.substr(nEquals + 1));
        }
        else
            sqlFiles.emplace_back(arg);
    }
    if (out.empty() || queries.empty() || sqlFiles.empty())
        throw std::runtime_error(
            "usage: build_catalogue --out FILE --queries DIR [--pictures DIR] [--attach NAME=FILE] "
            "[--translations FILE | --altered] [--texts-of FILE]... SQLFILE...");
    const CTranslations translations = bAltered                  ? CTranslations::Altered()
                                       : translationFile.empty() ? CTranslations()
                                                                 : CTranslations::Read(translationFile);

    const fs::path temp = out.string() + ".tmp";
    fs::remove(temp);
    {
        CBuild build(temp, attached, translations);
        for (const fs::path& file : sqlFiles)
            build.Exec(ReadFile(file), file.filename().string());
        for (const fs::path& file : FilesWithExtension(queries, ".sql"))
        {
            const std::string strName = file.stem().string();
            const std::string strSql = translations.Expand(ReadFile(file), strName);
            build.CheckCompiles(strName, strSql);
            build.Insert("INSERT INTO QueryDefs (Name, Sql) VALUES (?, ?)", strName, strSql, false);
        }
        for (const fs::path& file : pictures.empty() ? std::vector<fs::path>() : FilesWithExtension(pictures, ".jpg"))
        {
            const std::string strBytes = ReadFile(file);
            if (strBytes.size() < 4 || static_cast<unsigned char>(strBytes[0]) != 0xFF ||
                static_cast<unsigned char>(strBytes[1]) != 0xD8)
                throw std::runtime_error(file.string() + " is not a JPEG file");
            build.Insert("INSERT INTO Images (ImageName, Image) VALUES (?, ?)", file.filename().string(), strBytes,
                         true);
        }
        build.Finish();
        // The texts another build takes from the same table (the CAD mailbox's) are asked for too;
        // a mailbox build uses only a few of the catalogue's texts and reports none.
        for (const fs::path& file : textSources)
            translations.Expand(ReadFile(file), file.filename().string());
        if (attached.empty())
            translations.ReportUnused(std::cerr);
    }
    fs::rename(temp, out);
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    try
    {
        return Run(argc, argv);
    }
    catch (const std::exception& e)
    {
        std::cerr << "build_catalogue: " << e.what() << '\n';
        return 1;
    }
}
