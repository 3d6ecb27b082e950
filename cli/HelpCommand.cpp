// tesmara help [TOPIC]: a topic of the program's help as text, from the same sources as the help
// window; without a topic, the list of topics.
#include "Commands.h"
#include "HeadlessProduct.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

namespace
{
struct SHelpArgs
{
    std::string strTopic;
    std::string strLanguage = "US";
};

// One line of the topics list the build writes: name, depth, title and the dialogs it serves.
struct STopicLine
{
    std::string strName, strTitle;
    int nDepth = 0;
    std::vector<std::string> dialogs;
};

std::string Lower(std::string strText)
{
    std::transform(strText.begin(), strText.end(), strText.begin(), [](unsigned char c) { return std::tolower(c); });
    return strText;
}

std::vector<STopicLine> ReadTopics(const std::filesystem::path& file)
{
    std::ifstream in(file);
    std::vector<STopicLine> topics;
    for (std::string strLine; std::getline(in, strLine);)
    {
        std::istringstream fields(strLine);
        STopicLine topic;
        std::string strDepth, strDialogs;
        if (!std::getline(fields, topic.strName, '\t') || !std::getline(fields, strDepth, '\t') ||
            !std::getline(fields, topic.strTitle, '\t'))
            continue;
        std::getline(fields, strDialogs);
        topic.nDepth = std::atoi(strDepth.c_str());
        std::istringstream dialogs(strDialogs);
        for (std::string strDialog; dialogs >> strDialog;)
            topic.dialogs.push_back(strDialog);
        topics.push_back(topic);
    }
    return topics;
}

// A topic by its name, a dialog's class or number, or its title, without regard to case.
const STopicLine* FindTopic(const std::vector<STopicLine>& topics, const std::string& strWanted)
{
    const std::string strKey = Lower(strWanted);
    for (const STopicLine& topic : topics)
    {
        if (Lower(topic.strName) == strKey || Lower(topic.strTitle) == strKey)
            return &topic;
        for (const std::string& strDialog : topic.dialogs)
            if (Lower(strDialog) == strKey)
                return &topic;
    }
    return nullptr;
}

int RunHelp(const SHelpArgs& args)
{
    std::filesystem::path folder = DefaultApplicationFolder() / "help" / args.strLanguage / "text";
    if (!std::filesystem::is_regular_file(folder / "topics.txt"))
        folder = DefaultApplicationFolder() / "help" / "US" / "text";
    const std::vector<STopicLine> topics = ReadTopics(folder / "topics.txt");
    if (topics.empty())
    {
        std::cerr << "The help is not installed (" << folder.string() << ").\n";
        return kExitFailure;
    }
    if (args.strTopic.empty())
    {
        for (const STopicLine& topic : topics)
            std::cout << std::string(2 * topic.nDepth, ' ') << topic.strTitle << "  (" << topic.strName << ")\n";
        std::cout << "\ntesmara help TOPIC shows a topic: its name, its title, or a dialog's number.\n";
        return kExitOk;
    }
    const STopicLine* pTopic = FindTopic(topics, args.strTopic);
    if (!pTopic)
    {
        std::cerr << "There is no help topic \"" << args.strTopic << "\"; tesmara help lists them.\n";
        return kExitRefused;
    }
    std::ifstream in(folder / (pTopic->strName + ".txt"));
    if (!in)
    {
        std::cerr << "The help topic " << pTopic->strName << " is not installed.\n";
        return kExitFailure;
    }
    std::cout << in.rdbuf();
    return kExitOk;
}
} // namespace

void AddHelpCommand(CLI::App& app, int& nExitStatus)
{
    auto pArgs = std::make_shared<SHelpArgs>();
    CLI::App* pCmd = app.add_subcommand("help", "Show a topic of the program's help; without a topic, list them");
    pCmd->add_option("topic", pArgs->strTopic, "A topic's name or title, or a dialog's number or class");
    pCmd->add_option("--language", pArgs->strLanguage, "Two-letter language code of the help (default US)");
    pCmd->callback([pArgs, &nExitStatus] { nExitStatus = RunHelp(*pArgs); });
}
