// The reference documents: the file a reference topic opens, and where a document is found.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The file of a topic as the catalogue's reference table names it: upper-cased, with ".PDF"
// added when the name has none ("Contents" -> "CONTENTS.PDF").
std::string ReferenceTopicFile(const std::string& strTopic);

// The first of the folders that holds the file; empty when none does.
std::filesystem::path FindReferenceDocument(const std::vector<std::filesystem::path>& folders,
                                            const std::string& strFile);
