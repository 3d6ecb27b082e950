// Message texts kept in the catalogue, in its language.
#pragma once

#include <cstdint>
#include <string>

class IDatabase;

class CIMsgStoredProc
{
public:
    explicit CIMsgStoredProc(IDatabase& database) : m_pDatabase(&database) {}

    // The text of a key ("qMsgStr"), or "Message not found: " + key. Asked anew on every call.
    // A catalogue error (no such query, closed catalogue) throws CCatalogueError.
    std::string GetMessage(const std::string& strKey) const;
    // The text of a number ("qMsgInt", field WarningText), or "Message not found: " + number.
    std::string GetMessage(std::int32_t nKey) const;

private:
    IDatabase* m_pDatabase; // not owned
};
