// Text from files and users as data: control characters kept from acting in an output, as each
// output needs it (one line of a drawing, a terminal, a spreadsheet cell).
#pragma once

#include <string>

// Whether a code point is a control character: C0, DEL or C1.
bool IsControlCharacter(char32_t c);

// The text on one line: every control character, and every malformed byte, becomes a blank.
std::string OneLineText(const std::string& strUtf8);

// The text for a terminal: control characters as escapes ("\n", "\t", "\x1b", "\u009b"), the
// marks that turn the direction of text as "\u202e", malformed bytes as "\xff", and a
// backslash doubled, so that nothing a file holds can move the cursor, colour, or forge a line.
std::string TerminalText(const std::string& strUtf8);
// A message of the program's own for a terminal, with texts from files in it: its line breaks
// and backslashes stay as they are, every other control character is escaped as above.
std::string TerminalMessage(const std::string& strUtf8);
