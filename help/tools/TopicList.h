// The help's topics as the list in the sources names them: order, nesting and the dialogs each serves.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace helpbuild
{
struct STopic
{
    std::string strName;                // the source's file stem, the same in every language
    int nDepth = 0;                     // nesting in the contents, 0 at the top
    std::vector<std::string> dialogs;   // the class names whose F1 and "&Help" open the topic
    std::vector<std::string> dialogIds; // their dialog numbers, where they have one
    std::string strTitle;               // the source's first heading, once read
    std::vector<std::string> index;     // terms of the help's index, from the source's "index:" lines
    std::string strMarkdown;            // the expanded source, once expanded
};

// Reads the list: one topic a line, indented two blanks per level, then CLASS or CLASS=NUMBER
// for each dialog; '#' starts a comment. Throws std::runtime_error naming the line at fault.
std::vector<STopic> ReadTopicList(const std::filesystem::path& file);

// The whole file as text; throws std::runtime_error when it cannot be read.
std::string ReadTextFile(const std::filesystem::path& file);
} // namespace helpbuild
