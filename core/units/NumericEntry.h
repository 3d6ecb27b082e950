// The text rules of a numeric entry field: which typed characters it takes and how its text reads as a
// number.
#pragma once

#include <optional>
#include <string>

// The switches that decide which separator and sign characters a field takes.
struct SNumericEntryRules
{
    bool bLocaleDecimal = true; // the decimal character is a period; a typed comma is taken as one
    bool bAllowPoint = false;
    bool bAllowMinus = false;
    bool bAllowComma = false;
};

// The character a field inserts for a typed one, or '\0' when it refuses it. strOutside is the
// field's text without the selection being typed over: a sign or separator may appear only once.
char AcceptNumericChar(const SNumericEntryRules& rules, char ch, const std::string& strOutside);

// Text typed (or pasted) over a selection, character by character under the same rule; each
// accepted character counts as outside for the next. Blanks and line ends around the text are
// dropped. Nothing when any character is refused, so a paste never leaves part of a number.
std::optional<std::string> AcceptNumericText(const SNumericEntryRules& rules, const std::string& strTyped,
                                             const std::string& strOutside);

// The field's text as callers read it: with bLocaleDecimal commas become periods; with
// bLeadingZero ".5" becomes "0.5" and "-.5" becomes "-0.5".
std::string NumericFieldText(std::string strText, bool bLocaleDecimal, bool bLeadingZero);

// The number at the start of a field's text, a comma read as the decimal point; 0 for no number.
double NumericFieldValue(std::string strText);

// The same number as a whole number: truncated towards zero and held within the int range.
int NumericFieldInt(const std::string& strText);
