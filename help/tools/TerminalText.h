// A help topic as a terminal shows it: plain text of at most 78 columns, tables in aligned columns.
#pragma once

#include <string>

namespace helpbuild
{
// The Markdown of the help sources (headings, paragraphs, lists, tables, fenced code, emphasis,
// links and pictures) as plain text.
std::string TerminalText(const std::string& strMarkdown);
} // namespace helpbuild
