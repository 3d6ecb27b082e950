// The hand-over of selections to the order pad: a transfer document built line item by line
// item, then sent whole into the order pad's inbox folder; and reaching the order pad program.
#pragma once

#include "outputs/OrderPadDocument.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// How the order pad program is reached on this desktop.
class IOrderPadLink
{
public:
    virtual ~IOrderPadLink() = default;
    // Starts the order pad when it is not running, else brings its window up. False with the
    // reason when it cannot be started.
    virtual bool Open(std::string& strError) = 0;
    // Offers a sent document on the clipboard as "OrderPadData".
    virtual void Offer(const std::string& strDocument) = 0;
};

// The extension of transfer documents in the inbox.
inline constexpr const char* kOrderPadDocumentExtension = ".opd";
// The name of the sending program the documents carry.
inline constexpr const char* kOrderPadSenderName = "Accumulator.exe";

// The inbox under the user's data folder, when the settings name none.
std::filesystem::path DefaultOrderPadInbox();

class COrderPad
{
public:
    // pLink may be nullptr where no order pad program can be reached (the command line).
    COrderPad(std::filesystem::path inbox, IOrderPadLink* pLink);
    ~COrderPad();

    // Starts the order pad or brings it up; any document being built is dropped.
    bool OpenOrderPad(std::string& strError);
    // Adds a line item to the document being built, starting one when there is none; the first
    // line item's selection bytes (may be nullptr) become its "Selection Object". A line item
    // the order pad would refuse (see OrderLineItemProblem) is refused here, with the reason in
    // Problem(). False when anything could not be written: the caller then drops the document
    // with Discard.
    bool AddLineItem(const SOrderLineItem& item, const std::vector<std::uint8_t>* pSelection);
    // Why the last line item was refused; empty when it was not.
    const std::string& Problem() const { return m_strProblem; }
    // Finishes the document with the sender's name and puts it into the inbox whole (through a
    // temporary file and a rename), and offers it on the clipboard. The document is dropped in
    // any case. False with the reason when nothing reached the inbox, also for a document
    // larger than the order pad takes in.
    bool SendOrder(const std::string& strApplicationName, std::string& strError);
    // Drops the document being built; the next line item starts a new one.
    void Discard();

    int LineCount() const { return m_nLines; }
    const std::filesystem::path& Inbox() const { return m_inbox; }
    // The settings may name another inbox between two documents.
    void SetInbox(std::filesystem::path inbox) { m_inbox = std::move(inbox); }
    // The document the last SendOrder put into the inbox.
    const std::filesystem::path& LastSent() const { return m_lastSent; }

private:
    std::filesystem::path m_inbox;
    IOrderPadLink* m_pLink;
    std::unique_ptr<COrderPadDocumentWriter> m_pDocument;
    int m_nLines = 0;
    std::filesystem::path m_lastSent;
    std::string m_strProblem;
};
