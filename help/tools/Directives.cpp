// The directives of the help sources.
#include "Directives.h"

#include "Example.h"
#include "units/UnitConvMap.h"
#include "units/UnitTable.h"

#include <regex>
#include <sstream>
#include <stdexcept>

namespace helpbuild
{
namespace
{
std::string Trim(const std::string& strText)
{
    const std::size_t nFirst = strText.find_first_not_of(" \t\r\n");
    if (nFirst == std::string::npos)
        return std::string();
    return strText.substr(nFirst, strText.find_last_not_of(" \t\r\n") - nFirst + 1);
}

// "catalogue seals Piston | Code | Compound" -> words before the first '|', labels after it.
void SplitDirective(const std::string& strText, std::vector<std::string>& words, std::vector<std::string>& labels)
{
    std::size_t nBar = strText.find('|');
    words = SplitWords(strText.substr(0, nBar));
    while (nBar != std::string::npos)
    {
        const std::size_t nNext = strText.find('|', nBar + 1);
        labels.push_back(Trim(strText.substr(nBar + 1, nNext == std::string::npos ? nNext : nNext - nBar - 1)));
        nBar = nNext;
    }
}

// Headings one level lower, for a topic inside a document.
std::string Demoted(const std::string& strMarkdown)
{
    std::istringstream lines(strMarkdown);
    std::string strOut, strLine;
    while (std::getline(lines, strLine))
        strOut += (strLine.rfind('#', 0) == 0 ? "#" + strLine : strLine) + "\n";
    return strOut;
}
} // namespace

std::string ShownValue(const std::string& strNumber, const std::string& strUnit)
{
    if (!strUnit.empty())
        return FindUnit(strUnit) ? strNumber + " " + UnitDisplayText(strUnit) : strNumber + " " + strUnit;
    static const std::regex kWithUnit(R"(^(-?[0-9]*\.?[0-9]+)([A-Za-z_][A-Za-z0-9_]*)$)");
    std::smatch match;
    if (std::regex_match(strNumber, match, kWithUnit) && FindUnit(match[2].str()))
        return match[1].str() + " " + UnitDisplayText(match[2].str());
    return strNumber;
}

std::string FirstHeading(const std::string& strMarkdown)
{
    std::istringstream lines(strMarkdown);
    for (std::string strLine; std::getline(lines, strLine);)
        if (strLine.rfind("# ", 0) == 0)
            return Trim(strLine.substr(2));
    return std::string();
}

std::string CExpander::Expand(const std::string& strSource, const std::string& strWhere)
{
    m_values.clear();
    m_documentLabels.clear();
    std::string strOut;
    std::size_t nAt = 0;
    for (std::size_t nOpen = strSource.find("{{"); nOpen != std::string::npos; nOpen = strSource.find("{{", nAt))
    {
        const std::size_t nClose = strSource.find("}}", nOpen);
        if (nClose == std::string::npos)
            throw std::runtime_error(strWhere + ": a directive is not closed with }}");
        strOut += strSource.substr(nAt, nOpen - nAt);
        const std::string strText = strSource.substr(nOpen + 2, nClose - nOpen - 2);
        try
        {
            strOut += Directive(Trim(strText));
        }
        catch (const std::exception& e)
        {
            throw std::runtime_error(strWhere + ": {{" + Trim(strText) + "}}: " + e.what());
        }
        nAt = nClose + 2;
    }
    return strOut + strSource.substr(nAt);
}

std::string CExpander::Directive(const std::string& strText)
{
    if (strText.rfind('=', 0) == 0)
    {
        const auto it = m_values.find(Trim(strText.substr(1)));
        if (it == m_values.end())
            throw std::runtime_error("no such entry or result in the example before it");
        return it->second;
    }
    std::vector<std::string> words, labels;
    SplitDirective(strText, words, labels);
    if (words.empty())
        throw std::runtime_error("empty directive");
    const std::string strName = words.front();
    const std::vector<std::string> args(words.begin() + 1, words.end());
    if (strName == "limit" && args.size() == 1)
    {
        const auto it = m_limits.find(args[0]);
        if (it == m_limits.end())
            throw std::runtime_error("no such limit");
        return it->second;
    }
    if (strName == "example")
        return Example(strText.substr(strName.size()));
    if (strName == "include" && args.size() == 1)
        return Include(args[0]);
    if (strName == "topics" && args.empty())
    {
        std::string strList;
        for (const STopic& topic : m_topics)
            strList += std::string(2 * topic.nDepth, ' ') + "- [" + topic.strTitle + "](" + topic.strName + ".md)\n";
        return strList;
    }
    if (strName == "documents")
    {
        m_documentLabels = labels;
        return kDocumentsMark;
    }
    if (strName == "catalogue")
        return m_tables.Catalogue(args, labels);
    if (strName == "series")
    {
        if (m_strSeries.empty())
            throw std::runtime_error("only a series' data sheet knows its series");
        return m_tables.Series(m_strSeries, args, labels);
    }
    throw std::runtime_error("unknown directive");
}

std::string CExpander::Example(const std::string& strBody)
{
    const std::optional<SExample> example = ParseExample(strBody);
    if (!example)
        throw std::runtime_error("an example is: example tesmara ARGS => NAME NUMBER UNIT, ...");
    m_values.clear();
    std::string strCommand = "tesmara";
    for (std::size_t n = 0; n < example->command.size(); ++n)
    {
        const std::string& strWord = example->command[n];
        strCommand += " " + (strWord.find(' ') == std::string::npos ? strWord : "\"" + strWord + "\"");
        const bool bValue = n + 1 < example->command.size() && example->command[n + 1].rfind("--", 0) != 0;
        if (strWord.rfind("--", 0) == 0 && bValue)
            m_values[strWord.substr(2)] = ShownValue(example->command[n + 1]);
    }
    for (const SStatedResult& result : example->results)
        m_values[result.strName] = ShownValue(result.strNumber, result.strUnit);
    if (example->strInput.empty())
        return "```\n" + strCommand + "\n```\n";
    return "```\n" + strCommand + " < input.json\n```\n\n```\n" + example->strInput + "\n```\n";
}

std::string CExpander::Include(const std::string& strTopic) const
{
    std::string strText;
    for (const STopic& topic : m_topics)
        if (strTopic == "*" || topic.strName == strTopic)
        {
            if (topic.strMarkdown.empty())
                throw std::runtime_error("the topic " + topic.strName + " is not expanded yet");
            strText += Demoted(topic.strMarkdown) + "\n";
        }
    if (strText.empty())
        throw std::runtime_error("no such topic");
    return strText;
}
} // namespace helpbuild
