// tesmara orderpad add FILE.Ac3 | list [--json]: the order pad's inbox from the command line.
#include "CatalogueLocation.h"
#include "Commands.h"
#include "HeadlessProduct.h"
#include "outputs/OrderPadOrder.h"

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
        std::cerr << args.strFile << ": The selection is not complete: choose its details first.\n";
        return kExitRefused;
    }
    // The document reaches the inbox; a running order pad takes it in from there.
    if (!headless.Product().OnAddToOrderPad())
        return kExitFailure;
    std::cout << "Added " << headless.Product().GetPartNumberDisplayText() << " to the order pad's inbox "
              << Inbox(args).string() << '\n';
    return kExitOk;
}

int RunList(const SOrderPadArgs& args)
{
    COrderPadOrder order(Inbox(args));
    std::string strError;
    if (!order.Load(strError))
    {
        std::cerr << strError << '\n';
        return kExitFailure;
    }
    // The order as the order pad shows it: its lines, then those still waiting in the inbox.
    std::vector<SOrderLine> lines = order.Lines();
    for (const std::filesystem::path& document : WaitingOrderPadDocuments(Inbox(args)))
        if (!ReadOrderPadFile(document, lines, strError))
            std::cerr << document.filename().string() << ": " << strError << '\n';
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
        return kExitOk;
    }
    if (lines.empty())
        std::cout << "The order pad holds no line items.\n";
    for (const SOrderLine& line : lines)
        std::cout << line.item.strQuantity << " x " << line.item.strPartNumber << "  " << line.item.strDescription
                  << (line.item.strDivision.empty() ? "" : "  (" + line.item.strDivision + ")") << '\n';
    return kExitOk;
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
