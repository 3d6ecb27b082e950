// The order pad's transfer document: a compound file with the first line item's serialized
// selection, one sub-storage per line item with its six text streams, and the sender's name.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// One line item, texts in UTF-8.
struct SOrderLineItem
{
    std::string strPartNumber;
    std::string strQuantity;
    std::string strDivision;
    std::string strDescription;
    std::string strModification;
    std::string strCustomerNotes;

    bool operator==(const SOrderLineItem&) const = default;
};

// The six texts of a line item with their stream names, in the order they are written.
struct SOrderLineField
{
    const char* pszName;
    std::string SOrderLineItem::*pText;
};
extern const SOrderLineField kOrderLineFields[6];

// Builds a document in memory, element by element in the order they are added.
class COrderPadDocumentWriter
{
public:
    COrderPadDocumentWriter();
    ~COrderPadDocumentWriter();
    COrderPadDocumentWriter(const COrderPadDocumentWriter&) = delete;
    COrderPadDocumentWriter& operator=(const COrderPadDocumentWriter&) = delete;

    // The root stream "Selection Object". False when it cannot be written.
    bool AddSelectionObject(const std::vector<std::uint8_t>& bytes);
    // The sub-storage of that name with the six streams "Part Number", "Quantity", "Division",
    // "Description", "Modification", "Customer Notes", each the text's Windows-1252 bytes
    // without terminator. False at the first element that cannot be written.
    bool AddLineItem(const std::string& strStorage, const SOrderLineItem& item);
    // The root stream "Tesmara Name", then the document is closed: its bytes, or nothing
    // when it cannot be finished.
    std::optional<std::string> Finish(const std::string& strApplicationName);

private:
    struct SState;
    std::unique_ptr<SState> m_pState;
};

// The largest transfer document the order pad takes in; a larger one is refused before it is read.
inline constexpr std::size_t kMaxOrderPadDocumentSize = 16u * 1024u * 1024u;

// Why the order pad refuses a line item (its storage name given for the message), or empty: a
// part number that is empty or blank, a quantity that is not a whole number from 1 to 99999,
// as the order pad's own editing allows.
std::string OrderLineItemProblem(const SOrderLineItem& item, const std::string& strStorage);

// A document as read back: its line items in storage order ("Part*0", "Part*1", ...).
struct SOrderPadDocument
{
    std::vector<SOrderLineItem> items;
    std::string strSender;               // the "Tesmara Name" stream
    std::vector<std::uint8_t> selection; // the "Selection Object" stream; empty without one
};

// Reads a document's bytes. Nothing, with the reason, for bytes that are not a compound file,
// lack the sender's name or a line item's stream, hold no line item or one the order pad
// refuses (see OrderLineItemProblem).
std::optional<SOrderPadDocument> ReadOrderPadDocument(const std::string& strBytes, std::string& strError);
