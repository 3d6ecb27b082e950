// The data-access error raised by catalogue queries and recordsets.
#pragma once

#include <stdexcept>
#include <string>

class CCatalogueError : public std::runtime_error
{
public:
    // Codes of our own, above every SQLite result code (extended codes are not enabled).
    static constexpr int NotOpen = 1000;
    static constexpr int QueryNotFound = 1001;
    static constexpr int ParameterNotFound = 1002;
    static constexpr int ParameterNotSet = 1003;
    static constexpr int FieldNotFound = 1004;
    static constexpr int NoCurrentRecord = 1005;
    static constexpr int TableNotFound = 1006;
    static constexpr int TypeMismatch = 1007;
    static constexpr int BadQuery = 1008;
    static constexpr int NotCatalogue = 1009;
    static constexpr int EmptyFile = 1010;

    // nCode is an SQLite result code or one of the codes above.
    CCatalogueError(int nCode, const std::string& strText);

    int Code() const { return m_nCode; }

private:
    int m_nCode;
};

// How a data-access failure is shown: "DAO error %d, SOURCE = %s, DESCR = %s", with the
// catalogue file as the source.
std::string DataAccessMessage(int nCode, const std::string& strSource, const std::string& strDescription);
