// The order pad's order: importing inbox documents, keeping the order as JSON, CSV export.
#include "outputs/OrderPadOrder.h"

#include "catalogue/Database.h"
#include "outputs/CadFiles.h"
#include "outputs/OrderPad.h"
#include "platform/ControlText.h"
#include "platform/FileReplace.h"
#include "platform/OutputStrings.h"
#include "platform/StringTable.h"
#include "platform/Windows1252.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <ctime>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace
{
std::string MiB(std::size_t nBytes)
{
    return std::to_string(nBytes / 1024 / 1024);
}

// The whole file, when it is no larger than nMax. False with the reason; bTooLarge tells a
// file that is too large from one that cannot be read.
bool ReadWhole(const fs::path& file, std::size_t nMax, std::string& strBytes, std::string& strError,
               bool& bTooLarge)
{
    bTooLarge = false;
    std::error_code ec;
    const std::uintmax_t nSize = fs::file_size(file, ec);
    if (ec)
        return strError = ec.message(), false;
    if (nSize > nMax)
        return bTooLarge = true, false;
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    strBytes = bytes.str();
    if (!in || strBytes.size() != nSize)
        return strError = std::generic_category().message(EIO), false;
    return true;
}

// A cell as a spreadsheet shows it and never runs it: a text that it would take for a formula
// starts with an apostrophe; control characters other than tabs and line breaks (which quoting
// keeps) show as U+FFFD.
std::string CsvField(const std::string& strText)
{
    std::string strCell;
    if (!strText.empty() && std::string("=+-@\t\r").find(strText.front()) != std::string::npos)
        strCell = "'";
    for (std::size_t i = 0; i < strText.size();)
    {
        char32_t c = 0;
        const std::size_t nLength = DecodeUtf8(strText, i, c);
        if (nLength != 0 && c != '\t' && c != '\n' && c != '\r' && IsControlCharacter(c))
            strCell += "\xEF\xBF\xBD";
        else
            strCell.append(strText, i, nLength == 0 ? 1 : nLength);
        i += nLength == 0 ? 1 : nLength;
    }
    if (strCell.find_first_of(",\"\r\n") == std::string::npos)
        return strCell;
    std::string strQuoted = "\"";
    for (const char c : strCell)
        strQuoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return strQuoted + "\"";
}

// "Order (damaged 20261102-143005).json", or with "-2", "-3" ... should that name be taken.
fs::path DamagedName(const fs::path& file)
{
    const std::time_t tNow = std::time(nullptr);
    std::tm local{};
    localtime_r(&tNow, &local);
    char szStamp[32];
    std::strftime(szStamp, sizeof szStamp, "%Y%m%d-%H%M%S", &local);
    const std::string strBase = file.stem().string() + " (damaged " + szStamp;
    fs::path kept = file.parent_path() / (strBase + ")" + file.extension().string());
    std::error_code ec;
    for (int n = 2; fs::exists(kept, ec); ++n)
        kept = file.parent_path() / (strBase + "-" + std::to_string(n) + ")" + file.extension().string());
    return kept;
}

// A document refused into the inbox's "Rejected" folder, with its reason in "NAME.txt" beside it.
void Reject(const fs::path& inbox, const fs::path& document, const std::string& strReason)
{
    const fs::path rejected = inbox / "Rejected";
    std::error_code ec;
    fs::create_directories(rejected, ec);
    fs::path target = rejected / document.filename();
    for (int n = 2; fs::exists(target, ec); ++n)
        target = rejected / (document.stem().string() + "-" + std::to_string(n) + document.extension().string());
    fs::rename(document, target, ec);
    if (!ec)
    {
        std::string strIgnored;
        ReplaceFileContents(target.string() + ".txt", strReason + "\n", strIgnored);
    }
}

nlohmann::json LineJson(const SOrderLine& order)
{
    nlohmann::json line;
    for (const auto& [pszName, pText] : kOrderLineFields)
        line[pszName] = order.item.*pText;
    line["Document"] = order.strDocument;
    return line;
}
} // namespace

std::vector<fs::path> WaitingOrderPadDocuments(const fs::path& inbox)
{
    std::vector<fs::path> documents;
    std::error_code ec;
    for (fs::directory_iterator it(inbox, ec), end; !ec && it != end; it.increment(ec))
    {
        const fs::path& path = it->path();
        // Files being written are hidden under names of their own.
        if (it->is_regular_file(ec) && path.extension() == kOrderPadDocumentExtension &&
            path.filename().string().front() != '.')
            documents.push_back(path);
    }
    std::sort(documents.begin(), documents.end());
    return documents;
}

bool ReadOrderPadFile(const fs::path& file, std::vector<SOrderLine>& lines, std::string& strError)
{
    std::string strBytes;
    bool bTooLarge = false;
    if (!ReadWhole(file, kMaxOrderPadDocumentSize, strBytes, strError, bTooLarge))
    {
        if (bTooLarge)
            strError = FormatString(outtext::kDocumentTooLarge, {MiB(kMaxOrderPadDocumentSize)});
        else
            strError += ".";
        return false;
    }
    const std::optional<SOrderPadDocument> document = ReadOrderPadDocument(strBytes, strError);
    if (!document)
        return false;
    for (const SOrderLineItem& item : document->items)
        lines.push_back({item, file.filename().string()});
    return true;
}

std::string OrderText(const std::vector<SOrderLine>& lines)
{
    nlohmann::json saved = nlohmann::json::array();
    for (const SOrderLine& order : lines)
        saved.push_back(LineJson(order));
    return nlohmann::json{{"lines", saved}}.dump(2) + "\n";
}

bool ParseOrderText(const std::string& strText, std::vector<SOrderLine>& lines, std::string& strError)
{
    try
    {
        const nlohmann::json saved = nlohmann::json::parse(strText);
        for (const nlohmann::json& line : saved.at("lines"))
        {
            SOrderLine order;
            for (const auto& [pszName, pText] : kOrderLineFields)
                order.item.*pText = line.at(pszName).get<std::string>();
            order.strDocument = line.value("Document", std::string());
            lines.push_back(std::move(order));
        }
        return true;
    }
    catch (const nlohmann::json::exception& e)
    {
        lines.clear();
        strError = e.what();
        return false;
    }
}

COrderPadOrder::COrderPadOrder(fs::path inbox, std::size_t nMaxFileSize)
    : m_inbox(std::move(inbox)), m_file(m_inbox / "Order.json"), m_nMaxFileSize(nMaxFileSize)
{
}

EOrderLoad COrderPadOrder::Load(std::string& strError)
{
    m_lines.clear();
    m_strBlocked.clear();
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(m_file, ec)))
        return EOrderLoad::Loaded;
    std::string strText;
    bool bTooLarge = false;
    std::string strReason;
    if (!ReadWhole(m_file, m_nMaxFileSize, strText, strReason, bTooLarge) && !bTooLarge)
    {
        strError = m_strBlocked = FormatString(outtext::kOrderUnreadable, {PathText(m_file), strReason});
        return EOrderLoad::Unreadable;
    }
    if (bTooLarge)
        strReason = FormatString(outtext::kOrderLargerThanAny, {MiB(m_nMaxFileSize)});
    if (!bTooLarge && ParseOrderText(strText, m_lines, strReason))
        return EOrderLoad::Loaded;
    m_lines.clear();
    m_strBlocked = FormatString(outtext::kOrderDamagedLocked, {PathText(m_file), strReason});
    strError = FormatString(outtext::kOrderDamaged, {PathText(m_file), strReason});
    return EOrderLoad::Damaged;
}

bool COrderPadOrder::KeepDamagedAside(std::string& strMessage)
{
    const fs::path kept = DamagedName(m_file);
    std::error_code ec;
    fs::rename(m_file, kept, ec);
    if (ec)
        return strMessage = m_strBlocked, false;
    strMessage = FormatString(outtext::kOrderDamagedKept, {PathText(kept.filename())});
    m_strBlocked.clear();
    return true;
}

bool COrderPadOrder::Save(std::string& strError) const
{
    if (!m_strBlocked.empty())
        return strError = m_strBlocked, false;
    const std::string strText = OrderText(m_lines);
    if (strText.size() > m_nMaxFileSize)
        return strError = FormatString(outtext::kOrderTooLarge, {MiB(m_nMaxFileSize)}), false;
    std::error_code ec;
    fs::create_directories(m_inbox, ec);
    return WriteFileWhole(m_file, strText, strError);
}

int COrderPadOrder::ImportWaiting(std::vector<std::string>& problems)
{
    const std::vector<SOrderLine> before = m_lines;
    std::size_t nSize = OrderText(m_lines).size();
    std::vector<fs::path> taken;
    for (const fs::path& document : WaitingOrderPadDocuments(m_inbox))
    {
        const std::string strName = document.filename().string();
        // Taken in before, should removing it have failed: not again.
        const bool bTaken = std::any_of(m_lines.begin(), m_lines.end(),
                                        [&](const SOrderLine& line) { return line.strDocument == strName; });
        std::vector<SOrderLine> lines;
        std::string strError;
        if (!bTaken && ReadOrderPadFile(document, lines, strError))
        {
            // Each line adds its text and the indentation and commas around it.
            std::size_t nAdded = 0;
            for (const SOrderLine& line : lines)
                nAdded += LineJson(line).dump(2).size() + 64;
            if (nSize + nAdded > m_nMaxFileSize)
                strError = FormatString(outtext::kOrderTooLarge, {MiB(m_nMaxFileSize)});
            else
                nSize += nAdded;
        }
        if (!strError.empty())
        {
            problems.push_back(strName + ": " + strError);
            Reject(m_inbox, document, strError);
            continue;
        }
        m_lines.insert(m_lines.end(), lines.begin(), lines.end());
        taken.push_back(document);
    }
    std::string strError;
    // Documents leave the inbox only once their lines are kept; unkept, they wait for the next try.
    if (!taken.empty() && !Save(strError))
    {
        problems.push_back(FormatString(outtext::kOrderNotSaved, {strError}));
        m_lines = before;
        return 0;
    }
    for (const fs::path& document : taken)
    {
        std::error_code ec;
        fs::remove(document, ec);
    }
    return static_cast<int>(m_lines.size() - before.size());
}

bool COrderPadOrder::SetQuantity(std::size_t nLine, const std::string& strQuantity)
{
    if (nLine >= m_lines.size() || strQuantity.empty() || strQuantity.size() > 5 ||
        strQuantity.find_first_not_of("0123456789") != std::string::npos || std::stoi(strQuantity) < 1)
        return false;
    m_lines[nLine].item.strQuantity = std::to_string(std::stoi(strQuantity));
    return true;
}

bool COrderPadOrder::RemoveLine(std::size_t nLine)
{
    if (nLine >= m_lines.size())
        return false;
    m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(nLine));
    return true;
}

std::string COrderPadOrder::ToCsv() const
{
    const auto row = [](std::string& strCsv, const auto& fnField)
    {
        for (std::size_t n = 0; n < std::size(kOrderLineFields); ++n)
        {
            if (n > 0)
                strCsv += ',';
            strCsv += CsvField(fnField(kOrderLineFields[n]));
        }
        strCsv += "\r\n";
    };
    std::string strCsv = "\xEF\xBB\xBF"; // UTF-8, as spreadsheet programs recognise it
    row(strCsv, [](const SOrderLineField& field) { return std::string(field.pszName); });
    for (const SOrderLine& line : m_lines)
        row(strCsv, [&](const SOrderLineField& field) { return line.item.*field.pText; });
    return strCsv;
}
