// A worked example of the help: the command that computes it and the results the text states.
// Written in a source as {{example tesmara ARGS => NAME NUMBER UNIT, ...}}, or with what the
// command reads from standard input as {{example tesmara ARGS << INPUT => ...}}; the builder
// shows the command and the numbers, a test runs the command and compares.
#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace helpbuild
{
struct SStatedResult
{
    std::string strName;   // a field of the command's JSON output
    std::string strNumber; // as the text states it: its decimals are the precision claimed
    std::string strUnit;   // a unit code, or empty for a plain number
};

struct SExample
{
    std::vector<std::string> command; // the words after "tesmara"
    std::string strInput;             // what the command reads from standard input
    std::vector<SStatedResult> results;
};

// Words as a shell splits them: blanks separate, double quotes group.
inline std::vector<std::string> SplitWords(const std::string& strText)
{
    std::vector<std::string> words;
    std::string strWord;
    bool bQuoted = false, bInWord = false;
    for (char c : strText)
    {
        if (c == '"')
        {
            bQuoted = !bQuoted;
            bInWord = true;
        }
        else if (!bQuoted && (c == ' ' || c == '\n' || c == '\t'))
        {
            if (bInWord)
                words.push_back(strWord);
            strWord.clear();
            bInWord = false;
        }
        else
        {
            strWord += c;
            bInWord = true;
        }
    }
    if (bInWord)
        words.push_back(strWord);
    return words;
}

// The example of a directive's text after "example"; nothing when it is not one.
inline std::optional<SExample> ParseExample(const std::string& strBody)
{
    const std::size_t nArrow = strBody.find("=>");
    if (nArrow == std::string::npos)
        return std::nullopt;
    SExample example;
    const std::size_t nInput = strBody.find("<<");
    example.command = SplitWords(strBody.substr(0, std::min(nInput, nArrow)));
    if (nInput < nArrow)
    {
        example.strInput = strBody.substr(nInput + 2, nArrow - nInput - 2);
        example.strInput.erase(0, example.strInput.find_first_not_of(" \n"));
        example.strInput.erase(example.strInput.find_last_not_of(" \n") + 1);
    }
    if (example.command.size() < 2 || example.command.front() != "tesmara")
        return std::nullopt;
    example.command.erase(example.command.begin());
    std::string strResults = strBody.substr(nArrow + 2);
    for (std::size_t nStart = 0; nStart < strResults.size();)
    {
        std::size_t nEnd = strResults.find(',', nStart);
        if (nEnd == std::string::npos)
            nEnd = strResults.size();
        const std::vector<std::string> words = SplitWords(strResults.substr(nStart, nEnd - nStart));
        if (words.size() == 2 || words.size() == 3)
            example.results.push_back({words[0], words[1], words.size() == 3 ? words[2] : std::string()});
        else if (!words.empty())
            return std::nullopt;
        nStart = nEnd + 1;
    }
    if (example.results.empty())
        return std::nullopt;
    return example;
}

// Every example directive of a source, in order.
inline std::vector<SExample> FindExamples(const std::string& strSource)
{
    std::vector<SExample> examples;
    const std::string strOpen = "{{example ";
    for (std::size_t nAt = strSource.find(strOpen); nAt != std::string::npos;
         nAt = strSource.find(strOpen, nAt + 1))
    {
        const std::size_t nClose = strSource.find("}}", nAt);
        if (nClose == std::string::npos)
            break;
        const std::size_t nBody = nAt + strOpen.size();
        if (auto example = ParseExample(strSource.substr(nBody, nClose - nBody)))
            examples.push_back(*example);
    }
    return examples;
}
} // namespace helpbuild
