// Reading the list of topics.
#include "TopicList.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace helpbuild
{
std::string ReadTextFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<STopic> ReadTopicList(const std::filesystem::path& file)
{
    std::istringstream lines(ReadTextFile(file));
    std::vector<STopic> topics;
    std::string strLine;
    for (int nLine = 1; std::getline(lines, strLine); ++nLine)
    {
        const std::string strWhere = file.string() + ":" + std::to_string(nLine) + ": ";
        strLine = strLine.substr(0, strLine.find('#'));
        const std::size_t nIndent = strLine.find_first_not_of(' ');
        if (nIndent == std::string::npos)
            continue;
        if (nIndent % 2 != 0)
            throw std::runtime_error(strWhere + "indent by two blanks per level");
        STopic topic;
        topic.nDepth = static_cast<int>(nIndent / 2);
        if (topic.nDepth > (topics.empty() ? 0 : topics.back().nDepth + 1))
            throw std::runtime_error(strWhere + "a topic nests at most one level below the one above");
        std::istringstream words(strLine);
        words >> topic.strName;
        for (std::string strDialog; words >> strDialog;)
        {
            const std::size_t nEquals = strDialog.find('=');
            topic.dialogs.push_back(strDialog.substr(0, nEquals));
            if (nEquals != std::string::npos)
                topic.dialogIds.push_back(strDialog.substr(nEquals + 1));
        }
        for (const STopic& other : topics)
            if (other.strName == topic.strName)
                throw std::runtime_error(strWhere + "the topic " + topic.strName + " is listed twice");
        topics.push_back(std::move(topic));
    }
    if (topics.empty())
        throw std::runtime_error(file.string() + ": no topics");
    return topics;
}
} // namespace helpbuild
