// tesmara orderpad add FILE.Ac3 | list [--json]: the order pad's inbox from the command line.
#include "CatalogueLocation.h"
#include "Commands.h"
#include "HeadlessProduct.h"
#include "outputs/OrderPadOrder.h"
#include "platform/ControlText.h"

#include <nlohmann/json.hpp>

#include <iostream>

namespace
{
struct SOrderPadArgs
{
    std::string strFile;
    std::string strInbox;
    bool bJson = false;
};

std::filesystem::path Inbox(const SOrderPadArgs& args)
{
    return args.strInbox.empty() ? DefaultOrderPadInbox() : std::filesystem::path(args.strInbox);
}

int RunAdd(const SOrderPadArgs& args)
{
    CHeadlessProduct headless(DefaultCatalogueFolder(), DefaultApplicationFolder(), Inbox(args));
    if (!headless.Open(args.strFile))
        return kExitRefused;
    if (!headless.Product().IsOrderPadEnabled())
    {
        std::cerr << TerminalText(args.strFile) << ": The selection is not complete: choose its details first.\n";
        return kExitRefused;
    }
    // The document reaches the inbox; a running order pad takes it in from there. What the order
    // pad would refuse is refused here, before anything is said to be added.
    if (!headless.Product().OnAddToOrderPad())
        return kExitFailure;
    std::cout << "Added " << TerminalText(headless.Product().GetPartNumberDisplayText()) << " to the order pad's inbox "
              << TerminalText(Inbox(args).string()) << '\n';
    return kExitOk;
}

int RunList(const SOrderPadArgs& args)
{
    const std::filesystem::path inbox = Inbox(args);
    std::error_code ec;
    if (std::filesystem::exists(inbox, ec) && !std::filesystem::is_directory(inbox, ec))
    {
        std::cerr << TerminalText(inbox.string()) << " is not a folder: the order pad's inbox is a folder.\n";
        return kExitFailure;
    }
    COrderPadOrder order(inbox);
    std::string strError;
    if (order.Load(strError) != EOrderLoad::Loaded)
    {
        std::cerr << TerminalText(strError) << '\n';
        return kExitFailure;
    }
    // The order as the order pad shows it: its lines, then those still waiting in the inbox.
    // A document that cannot be read is told, and the listing then fails: it is not the whole order.
    std::vector<SOrderLine> lines = order.Lines();
    int nStatus = kExitOk;
    for (const std::filesystem::path& document : WaitingOrderPadDocuments(inbox))
        if (!ReadOrderPadFile(document, lines, strError))
        {
            std::cerr << TerminalText(document.filename().string()) << ": " << TerminalText(strError) << '\n';
            nStatus = kExitFailure;
        }
    if (args.bJson)
    {
        nlohmann::json out = nlohmann::json::array();
        for (const SOrderLine& line : lines)
        {
            nlohmann::json item;
            for (const auto& [pszName, pText] : kOrderLineFields)
                item[pszName] = line.item.*pText;
            item["Document"] = line.strDocument;
            out.push_back(std::move(item));
        }
        std::cout << out.dump(2) << '\n';
        return nStatus;
    }
    if (lines.empty())
        std::cout << "The order pad holds no line items.\n";
    for (const SOrderLine& line : lines)
        std::cout << TerminalText(line.item.strQuantity) << " x " << TerminalText(line.item.strPartNumber) << "  "
                  << TerminalText(line.item.strDescription)
                  << (line.item.strDivision.empty() ? "" : "  (" + TerminalText(line.item.strDivision) + ")") << '\n';
    return nStatus;
}
} // namespace

void AddOrderPadCommand(CLI::App& app, int& nExitStatus)
{
    auto pArgs = std::make_shared<SOrderPadArgs>();
    CLI::App* pOrderPad = app.add_subcommand("orderpad", "Hand selections to the order pad, or list its order.");
    pOrderPad->require_subcommand(1);
    pOrderPad->add_option("--inbox", pArgs->strInbox, "The order pad's inbox folder")->expected(1);
    CLI::App* pAdd = pOrderPad->add_subcommand("add", "Add a complete selection (and its gas bottles).");
    pAdd->add_option("file", pArgs->strFile, "Selection file (*.Ac3)")->required();
    pAdd->callback([pArgs, &nExitStatus] { nExitStatus = RunAdd(*pArgs); });
    CLI::App* pList = pOrderPad->add_subcommand("list", "List the order's line items.");
    pList->add_flag("--json", pArgs->bJson, "As JSON");
    pList->callback([pArgs, &nExitStatus] { nExitStatus = RunList(*pArgs); });
}
