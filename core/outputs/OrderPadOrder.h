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

// The transfer documents waiting in an inbox, oldest first.
std::vector<std::filesystem::path> WaitingOrderPadDocuments(const std::filesystem::path& inbox);
// The line items of a document file, each marked with the file's name. False with the reason.
bool ReadOrderPadFile(const std::filesystem::path& file, std::vector<SOrderLine>& lines, std::string& strError);

class COrderPadOrder
{
public:
    explicit COrderPadOrder(std::filesystem::path inbox);

    // The saved order; none saved yet is an empty order. False with the reason for a file
    // that cannot be read, and the order is then empty.
    bool Load(std::string& strError);
    bool Save(std::string& strError) const;

    // Takes every waiting document into the order, in the order they arrived, saves it and
    // removes the documents from the inbox. A document that cannot be read is moved to the
    // inbox's "Rejected" folder, with its name and reason in problems. The number of lines added.
    int ImportWaiting(std::vector<std::string>& problems);

    const std::vector<SOrderLine>& Lines() const { return m_lines; }
    // A quantity is a whole number from 1 to 99999; false (nothing changed) for anything else.
    bool SetQuantity(std::size_t nLine, const std::string& strQuantity);
    bool RemoveLine(std::size_t nLine);
    void Clear() { m_lines.clear(); }

    // A header row and one row per line item, as comma-separated values (RFC 4180, UTF-8).
    std::string ToCsv() const;
    const std::filesystem::path& OrderFile() const { return m_file; }

private:
    std::filesystem::path m_inbox;
    std::filesystem::path m_file;
    std::vector<SOrderLine> m_lines;
};
