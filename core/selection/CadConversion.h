// What a CAD drawing request of a selection writes into the mailbox: the table, the queries
// that clear it and convert the selection into its row, and the conversion's parameters.
#pragma once

#include <string>
#include <utility>
#include <vector>

struct SCadConversion
{
    std::string strTable;           // "PA_Mailbox" or "BA_Mailbox"; empty: the product has no drawing
    std::string strClearQuery;      // empties the table
    std::string strConversionQuery; // the selection's row, from its codes
    // Each parameter as the query writes it ("[parSeries]") with its text, in the order set.
    std::vector<std::pair<std::string, std::string>> params;

    bool HasDrawing() const { return !strTable.empty(); }
};

// The mailbox's file name in the application folder.
inline constexpr const char* kCadMailboxFileName = "CadMailbox.db";
// The file name the request names for a drawing file it previews.
inline constexpr const char* kCadPreviewFileName = "Preview";
