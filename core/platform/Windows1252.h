// Text conversion between the engine's UTF-8 and the single-byte Windows-1252 of stored files.
#pragma once

#include <string>

// Characters that Windows-1252 cannot hold, and malformed UTF-8, become '?'.
std::string Utf8ToWindows1252(const std::string& strUtf8);
// Every byte maps to a character; the five undefined bytes map to the C1
// controls U+0081, U+008D, U+008F, U+0090 and U+009D, and back again.
std::string Windows1252ToUtf8(const std::string& strBytes);

// The code point of the well-formed UTF-8 sequence at byte i, and its length in bytes; 0 for a
// malformed sequence (also an overlong form, a surrogate or a code point past U+10FFFF).
std::size_t DecodeUtf8(const std::string& strText, std::size_t i, char32_t& c);

// Whether the text is well-formed UTF-8.
bool IsValidUtf8(const std::string& strText);
// Whether well-formed UTF-8 text holds only characters that Windows-1252 can hold.
bool FitsWindows1252(const std::string& strUtf8);
// Text that is by contract UTF-8 or Windows-1252, as UTF-8: valid UTF-8 stays as it is,
// anything else is read as Windows-1252.
std::string Utf8OrWindows1252ToUtf8(const std::string& strText);
