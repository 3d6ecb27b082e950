// Translating the catalogue's display texts while it is built.
#include "Translations.h"

#include <sqlite3.h>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace
{
std::string Quoted(const std::string& strText)
{
    std::string strQuoted = "'";
    for (const char c : strText)
        strQuoted += c == '\'' ? std::string("''") : std::string(1, c);
    return strQuoted + "'";
}

// The end of the parenthesised expression that starts at nOpen ('('), skipping quoted texts.
std::size_t ClosingParen(const std::string& s, std::size_t nOpen)
{
    int nDepth = 0;
    for (std::size_t i = nOpen; i < s.size(); ++i)
    {
        if (s[i] == '\'')
        {
            for (++i; i < s.size() && !(s[i] == '\'' && (i + 1 >= s.size() || s[i + 1] != '\'')); ++i)
                if (s[i] == '\'')
                    ++i; // a doubled quote
        }
        else if (s[i] == '(')
            ++nDepth;
        else if (s[i] == ')' && --nDepth == 0)
            return i;
    }
    return std::string::npos;
}

bool IsIdentifierChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

const CTranslations& Of(sqlite3_context* pContext)
{
    return *static_cast<const CTranslations*>(sqlite3_user_data(pContext));
}

void TranslateFunction(sqlite3_context* pContext, int, sqlite3_value** ppArgs)
{
    const unsigned char* pszText = sqlite3_value_text(ppArgs[0]);
    if (!pszText)
        return sqlite3_result_null(pContext);
    try
    {
        const std::string strText = Of(pContext).Translate(reinterpret_cast<const char*>(pszText));
        sqlite3_result_text(pContext, strText.c_str(), -1, SQLITE_TRANSIENT);
    }
    catch (const std::exception& e)
    {
        sqlite3_result_error(pContext, e.what(), -1);
    }
}

void NumberFunction(sqlite3_context* pContext, int, sqlite3_value** ppArgs)
{
    if (sqlite3_value_type(ppArgs[0]) == SQLITE_NULL)
        return sqlite3_result_null(pContext);
    const std::string strText = Of(pContext).Number(sqlite3_value_double(ppArgs[0]));
    sqlite3_result_text(pContext, strText.c_str(), -1, SQLITE_TRANSIENT);
}
} // namespace

CTranslations::CTranslations() = default;

CTranslations CTranslations::Read(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    CTranslations translations;
    translations.m_eMode = EMode::Table;
    translations.m_file = file;
    std::string strLine;
    for (int nLine = 1; std::getline(in, strLine); ++nLine)
    {
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();
        if (strLine.empty() || strLine[0] == '#')
            continue;
        const std::size_t nTab = strLine.find('\t');
        const std::string strWhere = file.filename().string() + ":" + std::to_string(nLine);
        if (nTab == std::string::npos || strLine.find('\t', nTab + 1) != std::string::npos || nTab == 0 ||
            nTab + 1 == strLine.size())
            throw std::runtime_error(strWhere + ": a line is the text, one tab and its translation");
        if (!translations.m_texts.emplace(strLine.substr(0, nTab), strLine.substr(nTab + 1)).second)
            throw std::runtime_error(strWhere + ": \"" + strLine.substr(0, nTab) + "\" is translated twice");
    }
    return translations;
}

CTranslations CTranslations::Altered()
{
    CTranslations translations;
    translations.m_eMode = EMode::Altered;
    return translations;
}

std::string CTranslations::Translate(const std::string& strText) const
{
    m_pUsed->insert(strText);
    switch (m_eMode)
    {
    case EMode::Source:
        return strText;
    case EMode::Altered:
        return "<" + strText + ">";
    case EMode::Table:
        break;
    }
    const auto it = m_texts.find(strText);
    if (it == m_texts.end())
        throw std::runtime_error("no translation in " + m_file.filename().string() + " for \"" + strText + "\"");
    return it->second;
}

std::string CTranslations::Number(double dValue) const
{
    char szText[64];
    std::snprintf(szText, sizeof szText, "%g", dValue);
    std::string strText = szText;
    if (m_eMode != EMode::Source)
        for (char& c : strText)
            if (c == '.')
                c = ',';
    return strText;
}

void CTranslations::Register(sqlite3* pDb) const
{
    void* pSelf = const_cast<CTranslations*>(this);
    if (sqlite3_create_function(pDb, "_", 1, SQLITE_UTF8, pSelf, TranslateFunction, nullptr, nullptr) != SQLITE_OK ||
        sqlite3_create_function(pDb, "_num", 1, SQLITE_UTF8, pSelf, NumberFunction, nullptr, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(pDb));
}

std::string CTranslations::Expand(const std::string& strSql, const std::string& strWhere) const
{
    std::string strOut;
    std::size_t nPos = 0;
    while (nPos < strSql.size())
    {
        const std::size_t nFound = strSql.find('_', nPos);
        if (nFound == std::string::npos)
            break;
        const bool bStart = nFound == 0 || !IsIdentifierChar(strSql[nFound - 1]);
        const bool bText = bStart && strSql.compare(nFound, 3, "_('") == 0;
        const bool bNumber = bStart && strSql.compare(nFound, 5, "_num(") == 0;
        if (!bText && !bNumber)
        {
            strOut.append(strSql, nPos, nFound + 1 - nPos);
            nPos = nFound + 1;
            continue;
        }
        strOut.append(strSql, nPos, nFound - nPos);
        const std::size_t nOpen = nFound + (bText ? 1 : 4);
        const std::size_t nClose = ClosingParen(strSql, nOpen);
        if (nClose == std::string::npos)
            throw std::runtime_error("query " + strWhere + ": an unclosed " + (bText ? "_(" : "_num("));
        const std::string strInner = strSql.substr(nOpen + 1, nClose - nOpen - 1);
        if (bText)
        {
            if (strInner.size() < 2 || strInner.front() != '\'' || strInner.back() != '\'')
                throw std::runtime_error("query " + strWhere + ": _( takes one quoted text");
            std::string strText;
            for (std::size_t i = 1; i + 1 < strInner.size(); ++i)
            {
                strText += strInner[i];
                if (strInner[i] == '\'')
                    ++i;
            }
            strOut += Quoted(Translate(strText));
        }
        else if (m_eMode == EMode::Source)
            strOut += "printf('%g', " + strInner + ")";
        else
            strOut += "replace(printf('%g', " + strInner + "), '.', ',')";
        nPos = nClose + 1;
    }
    strOut.append(strSql, nPos, std::string::npos);
    return strOut;
}

void CTranslations::ReportUnused(std::ostream& out) const
{
    for (const auto& [strText, strTranslation] : m_texts)
        if (!m_pUsed->count(strText))
            out << "build_catalogue: warning: " << m_file.filename().string() << " translates \"" << strText
                << "\", which no source asks for\n";
}
