// Plain text of the help's Markdown for `tesmara help`.
#include "TerminalText.h"

#include <algorithm>
#include <regex>
#include <sstream>
#include <vector>

namespace helpbuild
{
namespace
{
constexpr std::size_t kWidth = 78;

// Characters on screen, not bytes: a UTF-8 continuation byte takes no column.
std::size_t Columns(const std::string& strText)
{
    return static_cast<std::size_t>(
        std::count_if(strText.begin(), strText.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Inline(std::string strText)
{
    static const std::regex kPicture(R"(!\[[^\]]*\]\([^)]*\))");
    static const std::regex kLink(R"(\[([^\]]*)\]\([^)]*\))");
    static const std::regex kEmphasis(R"(\*\*|__|`)");
    strText = std::regex_replace(strText, kPicture, "");
    strText = std::regex_replace(strText, kLink, "$1");
    strText = std::regex_replace(strText, kEmphasis, "");
    std::string strOut;
    for (std::size_t n = 0; n < strText.size(); ++n)
        if (!(strText[n] == '\\' && n + 1 < strText.size() && std::ispunct(static_cast<unsigned char>(strText[n + 1]))))
            strOut += strText[n];
    return strOut;
}

// Words filled into lines; the first line starts after strFirst, the others after as many blanks.
std::string Filled(const std::string& strText, const std::string& strFirst)
{
    std::istringstream words(strText);
    const std::string strIndent(Columns(strFirst), ' ');
    std::string strOut = strFirst, strLine;
    for (std::string strWord; words >> strWord;)
    {
        if (!strLine.empty() && Columns(strIndent) + Columns(strLine) + 1 + Columns(strWord) > kWidth)
        {
            strOut += strLine + "\n" + strIndent;
            strLine.clear();
        }
        strLine += (strLine.empty() ? "" : " ") + strWord;
    }
    return strOut + strLine + "\n";
}

std::vector<std::string> Cells(const std::string& strRow)
{
    std::vector<std::string> cells;
    std::string strCell;
    for (std::size_t n = 1; n < strRow.size(); ++n)
    {
        if (strRow[n] == '\\' && n + 1 < strRow.size() && strRow[n + 1] == '|')
            strCell += strRow[++n];
        else if (strRow[n] == '|')
        {
            cells.push_back(Inline(strCell));
            strCell.clear();
        }
        else
            strCell += strRow[n];
    }
    for (std::string& strText : cells)
    {
        strText.erase(0, strText.find_first_not_of(' '));
        strText.erase(strText.find_last_not_of(' ') + 1);
    }
    return cells;
}

// The words of a cell in lines of at most nWidth columns (a longer word keeps its own line).
std::vector<std::string> CellLines(const std::string& strText, std::size_t nWidth)
{
    std::istringstream words(strText);
    std::vector<std::string> lines(1);
    for (std::string strWord; words >> strWord;)
    {
        if (!lines.back().empty() && Columns(lines.back()) + 1 + Columns(strWord) > nWidth)
            lines.emplace_back();
        lines.back() += (lines.back().empty() ? "" : " ") + strWord;
    }
    return lines;
}

// The rows in columns two blanks apart, the widest columns narrowed until the table fits.
std::string Table(const std::vector<std::string>& rows)
{
    std::vector<std::vector<std::string>> cells;
    for (const std::string& strRow : rows)
        if (strRow.find("---") == std::string::npos)
            cells.push_back(Cells(strRow));
    std::vector<std::size_t> widths;
    for (const auto& row : cells)
        for (std::size_t n = 0; n < row.size(); ++n)
        {
            widths.resize(std::max(widths.size(), row.size()));
            widths[n] = std::max(widths[n], Columns(row[n]));
        }
    const auto total = [&] {
        std::size_t nTotal = 2;
        for (std::size_t nWidth : widths)
            nTotal += nWidth + 2;
        return nTotal - 2;
    };
    while (total() > kWidth)
    {
        auto widest = std::max_element(widths.begin(), widths.end());
        if (*widest <= 12)
            break;
        --*widest;
    }
    std::string strOut;
    for (std::size_t nRow = 0; nRow < cells.size(); ++nRow)
    {
        std::vector<std::vector<std::string>> lines;
        std::size_t nLines = 1;
        for (std::size_t n = 0; n < cells[nRow].size(); ++n)
        {
            lines.push_back(CellLines(cells[nRow][n], widths[n]));
            nLines = std::max(nLines, lines.back().size());
        }
        for (std::size_t nLine = 0; nLine < nLines; ++nLine)
        {
            std::string strLine = "  ";
            for (std::size_t n = 0; n < lines.size(); ++n)
            {
                const std::string strPart = nLine < lines[n].size() ? lines[n][nLine] : std::string();
                strLine += strPart + std::string(widths[n] - std::min(widths[n], Columns(strPart)) + 2, ' ');
            }
            strLine.erase(strLine.find_last_not_of(' ') + 1);
            strOut += strLine + "\n";
        }
        if (nRow == 0)
            strOut += "  " + std::string(total() - 2, '-') + "\n";
    }
    return strOut;
}
} // namespace

std::string TerminalText(const std::string& strMarkdown)
{
    std::istringstream lines(strMarkdown);
    std::vector<std::string> all;
    for (std::string strLine; std::getline(lines, strLine);)
        all.push_back(strLine);

    std::string strOut;
    std::string strParagraph, strItemPrefix;
    auto flush = [&]
    {
        if (!strParagraph.empty())
            strOut += Filled(Inline(strParagraph), strItemPrefix) + (strItemPrefix.empty() ? "\n" : "");
        strParagraph.clear();
        strItemPrefix.clear();
    };
    static const std::regex kItem(R"(^(\s*)([-*]|[0-9]+\.)\s+(.*)$)");
    for (std::size_t n = 0; n < all.size(); ++n)
    {
        const std::string& strLine = all[n];
        std::smatch match;
        if (strLine.rfind("```", 0) == 0)
        {
            flush();
            for (++n; n < all.size() && all[n].rfind("```", 0) != 0; ++n)
                strOut += "    " + all[n] + "\n";
            strOut += "\n";
        }
        else if (strLine.rfind('#', 0) == 0)
        {
            flush();
            const std::size_t nLevel = strLine.find_first_not_of('#');
            const std::string strTitle = Inline(strLine.substr(strLine.find_first_not_of("# ")));
            strOut += strTitle + "\n" + std::string(Columns(strTitle), nLevel == 1 ? '=' : '-') + "\n\n";
        }
        else if (strLine.rfind('|', 0) == 0)
        {
            flush();
            std::vector<std::string> rows;
            for (; n < all.size() && all[n].rfind('|', 0) == 0; ++n)
                rows.push_back(all[n]);
            --n;
            strOut += Table(rows) + "\n";
        }
        else if (std::regex_match(strLine, match, kItem))
        {
            flush();
            strItemPrefix = match[1].str() + "  " + (match[2].str() == "*" ? "-" : match[2].str()) + " ";
            strParagraph = match[3].str();
        }
        else if (strLine.find_first_not_of(" \t") == std::string::npos)
        {
            const bool bItem = !strItemPrefix.empty();
            flush();
            if (bItem)
                strOut += "\n";
        }
        else
            strParagraph += (strParagraph.empty() ? "" : " ") + strLine.substr(strLine.find_first_not_of(' '));
    }
    flush();
    while (strOut.size() > 1 && strOut[strOut.size() - 1] == '\n' && strOut[strOut.size() - 2] == '\n')
        strOut.pop_back();
    return strOut;
}
} // namespace helpbuild
