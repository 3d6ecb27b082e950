// The CAD mailbox: a drawing request written as exactly one row in one transaction, and the
// row read back by the CAD component.
#pragma once

#include "catalogue/Database.h"
#include "selection/CadConversion.h"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

// One mailbox row: its table and its fields, in the table's order.
struct SCadMailboxRow
{
    std::string strTable;
    std::vector<std::pair<std::string, std::string>> fields;

    // The text of a field; empty for a field the row does not have.
    std::string Get(const std::string& strField) const;
    bool operator==(const SCadMailboxRow&) const = default;
};

// The fields of a mailbox table, each with the conversion query's field that fills it
// (the bladder table's "SealCmpd" takes "SealCmpnd"); empty for a table we do not know.
std::vector<std::pair<std::string, std::string>> CadMailboxLayout(const std::string& strTable);

class CCadMailbox
{
public:
    CCadMailbox() = default;
    // A request still held is committed.
    ~CCadMailbox();
    CCadMailbox(const CCadMailbox&) = delete;
    CCadMailbox& operator=(const CCadMailbox&) = delete;

    // Opens the mailbox file for writing. False with the reason.
    bool Open(const std::filesystem::path& file, std::string& strError);
    bool IsOpen() const { return m_db.IsOpen(); }

    // Empties the conversion's table, runs the conversion and adds its row, all in one
    // transaction: afterwards the table holds exactly that row. When the conversion returns
    // no row, or anything fails, false with the reason, and the mailbox is as it was.
    // With bHold the transaction stays open until FinishRequest: another program's request
    // waits, so that what this one reads in between is its own row.
    bool RequestCadDrawing(const SCadConversion& conversion, SCadMailboxRow& written, std::string& strError,
                           bool bHold = false);
    // Commits a held request. False with the reason when the row could not be stored.
    bool FinishRequest(std::string& strError);
    // The request a table holds (the last row, should there be several). False with the
    // reason when it holds none.
    bool ReadRow(const std::string& strTable, SCadMailboxRow& row, std::string& strError);

    IDatabase& Database() { return m_db; }

private:
    IDatabase m_db;
    bool m_bHolding = false;
};
