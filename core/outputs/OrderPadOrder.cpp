// The order pad's order: importing inbox documents, keeping the order as JSON, CSV export.
#include "outputs/OrderPadOrder.h"

#include "catalogue/Database.h"
#include "outputs/CadFiles.h"
#include "outputs/OrderPad.h"
#include "platform/StringTable.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace
{
constexpr int kStringLargerThanAny = 59277, kStringUnreadable = 59278, kStringNotAnOrder = 59279;

// Larger than any real document; bigger files are not read into memory.
constexpr std::uintmax_t kMaxDocumentSize = 16u * 1024u * 1024u;

bool ReadWhole(const fs::path& file, std::string& strBytes, std::string& strError)
{
    std::error_code ec;
    const std::uintmax_t nSize = fs::file_size(file, ec);
    if (ec || nSize > kMaxDocumentSize)
    {
        strError = ec ? ec.message() + "." : LoadString(kStringLargerThanAny);
        return false;
    }
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    strBytes = bytes.str();
    if (!in && !in.eof())
        return strError = LoadString(kStringUnreadable), false;
    return true;
}

std::string CsvField(const std::string& strText)
{
    if (strText.find_first_of(",\"\r\n") == std::string::npos)
        return strText;
    std::string strQuoted = "\"";
    for (const char c : strText)
        strQuoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return strQuoted + "\"";
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
    if (!ReadWhole(file, strBytes, strError))
        return false;
    const std::optional<SOrderPadDocument> document = ReadOrderPadDocument(strBytes, strError);
    if (!document)
        return false;
    for (const SOrderLineItem& item : document->items)
        lines.push_back({item, file.filename().string()});
    return true;
}

COrderPadOrder::COrderPadOrder(fs::path inbox) : m_inbox(std::move(inbox)), m_file(m_inbox / "Order.json") {}

bool COrderPadOrder::Load(std::string& strError)
{
    m_lines.clear();
    std::error_code ec;
    if (!fs::exists(m_file, ec))
        return true;
    std::string strText;
    if (!ReadWhole(m_file, strText, strError))
        return strError = PathText(m_file) + ": " + strError, false;
    try
    {
        const nlohmann::json saved = nlohmann::json::parse(strText);
        for (const nlohmann::json& line : saved.at("lines"))
        {
            SOrderLine order;
            for (const auto& [pszName, pText] : kOrderLineFields)
                order.item.*pText = line.at(pszName).get<std::string>();
            order.strDocument = line.value("Document", std::string());
            m_lines.push_back(std::move(order));
        }
        return true;
    }
    catch (const nlohmann::json::exception& e)
    {
        m_lines.clear();
        strError = FormatString(kStringNotAnOrder, {PathText(m_file), e.what()});
        return false;
    }
}

bool COrderPadOrder::Save(std::string& strError) const
{
    nlohmann::json lines = nlohmann::json::array();
    for (const SOrderLine& order : m_lines)
    {
        nlohmann::json line;
        for (const auto& [pszName, pText] : kOrderLineFields)
            line[pszName] = order.item.*pText;
        line["Document"] = order.strDocument;
        lines.push_back(std::move(line));
    }
    std::error_code ec;
    fs::create_directories(m_inbox, ec);
    return WriteFileWhole(m_file, nlohmann::json{{"lines", lines}}.dump(2) + "\n", strError);
}

int COrderPadOrder::ImportWaiting(std::vector<std::string>& problems)
{
    int nAdded = 0;
    std::vector<fs::path> taken;
    for (const fs::path& document : WaitingOrderPadDocuments(m_inbox))
    {
        const std::string strName = document.filename().string();
        // Taken in before, should removing it have failed: not again.
        const bool bTaken = std::any_of(m_lines.begin(), m_lines.end(),
                                        [&](const SOrderLine& line) { return line.strDocument == strName; });
        std::vector<SOrderLine> lines;
        std::string strError;
        if (!bTaken && !ReadOrderPadFile(document, lines, strError))
        {
            problems.push_back(strName + ": " + strError);
            std::error_code ec;
            fs::create_directories(m_inbox / "Rejected", ec);
            fs::rename(document, m_inbox / "Rejected" / document.filename(), ec);
            continue;
        }
        nAdded += static_cast<int>(lines.size());
        m_lines.insert(m_lines.end(), lines.begin(), lines.end());
        taken.push_back(document);
    }
    std::string strError;
    // Documents leave the inbox only once their lines are kept.
    if (!taken.empty() && !Save(strError))
    {
        problems.push_back(strError);
        return nAdded;
    }
    for (const fs::path& document : taken)
    {
        std::error_code ec;
        fs::remove(document, ec);
    }
    return nAdded;
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
