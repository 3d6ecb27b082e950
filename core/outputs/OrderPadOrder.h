// The order pad's order: the line items taken in from the inbox's documents, with the quantities
// the user set, kept in the inbox folder as "Order.json"; and the order as CSV.
#pragma once

#include "outputs/OrderPadDocument.h"

#include <filesystem>
#include <string>
#include <vector>

struct SOrderLine
{
    SOrderLineItem item;
    std::string strDocument; // the name of the document it came from

    bool operator==(const SOrderLine&) const = default;
};

// The largest order the order pad saves and reads: an import that would pass it is refused.
inline constexpr std::size_t kMaxOrderFileSize = 64u * 1024u * 1024u;

// The transfer documents waiting in an inbox, oldest first.
std::vector<std::filesystem::path> WaitingOrderPadDocuments(const std::filesystem::path& inbox);
// The line items of a document file, each marked with the file's name. False with the reason,
// also for a document the order pad refuses (see ReadOrderPadDocument).
bool ReadOrderPadFile(const std::filesystem::path& file, std::vector<SOrderLine>& lines, std::string& strError);

// An order file's text, and its lines read back. False with the reason for text that is not an order.
std::string OrderText(const std::vector<SOrderLine>& lines);
bool ParseOrderText(const std::string& strText, std::vector<SOrderLine>& lines, std::string& strError);

enum class EOrderLoad
{
    Loaded,    // also when none was saved yet: an empty order
    Damaged,   // the file is no order: cut short, a key missing, larger than any order
    Unreadable // the file could not be read at all
};

class COrderPadOrder
{
public:
    // nMaxFileSize: the largest order saved and read (smaller only in tests).
    explicit COrderPadOrder(std::filesystem::path inbox, std::size_t nMaxFileSize = kMaxOrderFileSize);

    // The saved order. When it is damaged or unreadable, strError says why, the order is empty,
    // and Save refuses: a saved order that cannot be read is never overwritten. A damaged one
    // can be kept aside (KeepDamagedAside), after which a new order is saved.
    EOrderLoad Load(std::string& strError);
    // Renames the damaged order file beside it to "Order (damaged 20261102-143005).json". True
    // with the message for the user (what was found, where it was kept); false with the
    // message when it cannot be renamed (saving stays refused).
    bool KeepDamagedAside(std::string& strMessage);
    bool Save(std::string& strError) const;

    // Takes every waiting document into the order, in the order they arrived, saves it and
    // removes the documents from the inbox. A document that cannot be taken in is moved to the
    // inbox's "Rejected" folder with its reason in a text file beside it, and the reason in
    // problems; so is one that would make the order larger than its largest size. When the
    // order cannot be saved, every document stays in the inbox. The number of lines added.
    int ImportWaiting(std::vector<std::string>& problems);

    const std::vector<SOrderLine>& Lines() const { return m_lines; }
    // A quantity is a whole number from 1 to 99999; false (nothing changed) for anything else.
    bool SetQuantity(std::size_t nLine, const std::string& strQuantity);
    bool RemoveLine(std::size_t nLine);
    void Clear() { m_lines.clear(); }

    // A header row and one row per line item, as comma-separated values (RFC 4180, UTF-8). A
    // cell that a spreadsheet would run as a formula (=, +, -, @, tab or CR first) starts with
    // an apostrophe, and control characters other than tabs and line breaks show as U+FFFD.
    std::string ToCsv() const;
    const std::filesystem::path& OrderFile() const { return m_file; }

private:
    std::filesystem::path m_inbox;
    std::filesystem::path m_file;
    std::vector<SOrderLine> m_lines;
    std::size_t m_nMaxFileSize;
    // Why saving is refused: the saved order could not be read and is still in its place.
    std::string m_strBlocked;
};
