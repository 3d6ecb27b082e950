// The Qt help project of a language: one page per topic, its contents, index and identifiers.
#pragma once

#include "RichDocument.h"
#include "TopicList.h"

#include <filesystem>
#include <string>
#include <vector>

namespace helpbuild
{
// Writes the pages, their pictures and tesmara.qhp into the folder, for the help generator. The
// index lists each topic's title and its index terms; a topic's name, its dialogs' classes and
// numbers are identifiers that lead to its page. Throws std::runtime_error when a file cannot be
// written.
void WriteHelpProject(const std::filesystem::path& folder, const std::string& strLanguage,
                      const std::vector<STopic>& topics, const PictureSource& fnPicture);
} // namespace helpbuild
