// The refused-entry result of the application dialogs' checks and the forms their messages take.
#pragma once

#include "units/UnitDouble.h"

#include <optional>
#include <string>

class CIMsgStoredProc;

namespace sizing
{
// The first check that refused the entries.
struct SCheckFailure
{
    std::string strMessage; // the text of the message box, as the dialog composes it
    std::string strField;   // the selection field (or dialog value) the focus goes back to
    bool bQuestion = false; // a Yes/No question ("Precharge Too High"); No keeps the dialog open
};

using CheckResult = std::optional<SCheckFailure>;

// How the tail "or contact your Dalrow Representative." is joined to a message.
enum class ETail
{
    LookedUp, // the catalogue's text of the tail, in its language
    None,     // no tail
};

// The composition forms; every key is looked up in the catalogue's messages.
class CCheckMessages
{
public:
    explicit CCheckMessages(const CIMsgStoredProc& messages) : m_messages(messages) {}

    std::string Lookup(const std::string& strKey) const;
    // lookup(key) + "\r\n" + the tail.
    std::string Plain(const std::string& strKey, ETail eTail = ETail::LookedUp) const;
    // lookup(key) with its two "%s" filled by the value and the unit's display
    // text, the tail joined directly, then every "^n" made a line break.
    std::string Formatted(const std::string& strKey, const std::string& strValue, const std::string& strUnit,
                          ETail eTail = ETail::LookedUp) const;
    // The same with the value written in strUnitCode.
    std::string Formatted(const std::string& strKey, const CUnitDouble& value, const std::string& strUnitCode,
                          ETail eTail = ETail::LookedUp, int nDecimals = 2) const;
    // A formatted key without placeholders: lookup(key) + tail, "^n" replaced.
    std::string Joined(const std::string& strKey, ETail eTail = ETail::LookedUp) const;
    // The two temperature keys: formatted with the limit, "^n" replaced, no tail.
    std::string Temperature(const std::string& strKey, const CUnitDouble& limit,
                            const std::string& strUnitCode) const;

private:
    std::string Tail(ETail eTail) const;

    const CIMsgStoredProc& m_messages;
};

// A value as the messages show it: nDecimals, trailing zeros trimmed, whole numbers without a point.
std::string MessageNumber(double dValue, int nDecimals = 2);

// Every "%s" in turn replaced by the next argument; other "%" sequences stay.
std::string FillPlaceholders(const std::string& strFormat, const std::string& strFirst,
                             const std::string& strSecond);

// Every "^n" replaced by "\n".
std::string ReplaceLineBreaks(std::string strText);

inline SCheckFailure Failure(std::string strMessage, std::string strField, bool bQuestion = false)
{
    return SCheckFailure{std::move(strMessage), std::move(strField), bQuestion};
}
} // namespace sizing
