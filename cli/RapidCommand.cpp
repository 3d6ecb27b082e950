// tesmara rapid: the rapid selection's series; for one series every code list of its type with
// what is chosen, as the desktop's type dialog shows them, the model number once complete, and
// the completed selection saved.
#include "CliSession.h"
#include "Commands.h"
#include "SelectionSave.h"
#include "models/RapidSelection.h"
#include "models/RapidStrings.h"
#include "platform/StringTable.h"
#include "selection/BaseProduct.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <iostream>

using nlohmann::ordered_json;

namespace
{
struct SRapidArgs
{
    std::string strSeries;
    std::vector<std::string> sets; // LIST=CODE
    bool bJson = false;
    std::string strSave;
    std::string strCatalogue;
};

struct SSeriesRow
{
    std::string strSeries;
    std::string strDescription;
    std::string strType;
};

std::vector<SSeriesRow> SeriesRows(IDatabase& db)
{
    IQueryDef def(db);
    def.Open("qDpnsSeriesList");
    IRecordset rows(db);
    rows.Open(def);
    std::vector<SSeriesRow> series;
    for (; !rows.IsEOF(); rows.MoveNext())
        series.push_back({rows.GetString("Series"), rows.GetString("SeriesCodesDescription"),
                          rows.GetString("AccumulatorType")});
    return series;
}

std::string Joined(const std::vector<std::string>& texts)
{
    std::string strJoined;
    for (const std::string& strText : texts)
        strJoined += (strJoined.empty() ? "" : ", ") + strText;
    return strJoined;
}

int ListSeries(CCliSession& session, bool bJson)
{
    const std::vector<SSeriesRow> series = SeriesRows(session.Catalogue());
    if (bJson)
    {
        ordered_json out = ordered_json::array();
        for (const SSeriesRow& row : series)
            out.push_back({{"series", row.strSeries}, {"type", row.strType}, {"description", row.strDescription}});
        std::cout << out.dump(2) << '\n';
        return kExitOk;
    }
    for (const SSeriesRow& row : series)
        std::cout << row.strSeries << std::string(row.strSeries.size() < 6 ? 6 - row.strSeries.size() : 1, ' ')
                  << row.strType << std::string(row.strType.size() < 11 ? 11 - row.strType.size() : 1, ' ')
                  << row.strDescription << '\n';
    return kExitOk;
}

// Why a code cannot be chosen in a list: what the list offers, or the earlier list it waits for.
std::string NotInList(const CRapidSelection& rapid, int nList, const std::string& strCode)
{
    const SRapidList& def = rapid.Type().lists[static_cast<std::size_t>(nList)];
    const SRapidListState& list = rapid.Lists()[static_cast<std::size_t>(nList)];
    std::string strText = "\"" + strCode + "\" is not in the list \"" + def.pszName + "\" (" +
                          LoadString(def.nCaptionId) + ")";
    if (!list.bEnabled && rapid.Waiting() >= 0 && rapid.Waiting() < nList)
        return strText + ": it offers nothing until \"" + rapid.Type().lists[rapid.Waiting()].pszName +
               "\" is chosen.";
    std::vector<std::string> codes;
    for (const SRapidItem& item : list.items)
        codes.push_back(item.code.m_strCode);
    return strText + (codes.empty() ? ": it offers nothing for the choices before it." : ": its codes are " + Joined(codes) + ".");
}

void PrintLists(const CRapidSelection& rapid)
{
    for (std::size_t k = 0; k < rapid.Lists().size(); ++k)
    {
        const SRapidList& def = rapid.Type().lists[k];
        const SRapidListState& list = rapid.Lists()[k];
        std::cout << def.pszName << " (" << LoadString(def.nCaptionId) << ")" << (list.bEnabled ? "" : ", disabled")
                  << '\n';
        std::size_t nWidth = 0;
        for (const SRapidItem& item : list.items)
            nWidth = std::max(nWidth, item.code.m_strCode.size());
        for (std::size_t i = 0; i < list.items.size(); ++i)
        {
            const SRapidItem& item = list.items[i];
            std::cout << (static_cast<int>(i) == list.nSelected ? "  * " : "    ") << item.code.m_strCode
                      << std::string(nWidth - item.code.m_strCode.size() + 2, ' ') << item.strText << '\n';
        }
    }
}

ordered_json ListsToJson(const CRapidSelection& rapid)
{
    ordered_json lists = ordered_json::array();
    for (std::size_t k = 0; k < rapid.Lists().size(); ++k)
    {
        const SRapidList& def = rapid.Type().lists[k];
        const SRapidListState& list = rapid.Lists()[k];
        ordered_json items = ordered_json::array();
        for (const SRapidItem& item : list.items)
            items.push_back({{"code", item.code.m_strCode}, {"text", item.strText}});
        const SRapidItem* pSelected = list.Selected();
        lists.push_back({{"name", def.pszName},
                         {"caption", LoadString(def.nCaptionId)},
                         {"enabled", list.bEnabled},
                         {"selected", pSelected ? ordered_json(pSelected->code.m_strCode) : ordered_json(nullptr)},
                         {"items", items}});
    }
    return lists;
}

int RunRapid(const SRapidArgs& args, CCliSession& session)
{
    if (args.strSeries.empty())
        return ListSeries(session, args.bJson);
    const std::vector<SSeriesRow> series = SeriesRows(session.Catalogue());
    const auto row = std::find_if(series.begin(), series.end(),
                                  [&](const SSeriesRow& r) { return r.strSeries == args.strSeries; });
    std::vector<std::string> known;
    for (const SSeriesRow& r : series)
        known.push_back(r.strSeries);
    if (row == series.end())
    {
        std::cerr << "Unknown series \"" << args.strSeries << "\": rapid selection knows " << Joined(known) << ".\n";
        return kExitRefused;
    }
    const SRapidType* pType = FindRapidType(row->strType);
    if (!pType)
    {
        std::cerr << "The catalogue gives the series " << row->strSeries << " the product type \"" << row->strType
                  << "\", which rapid selection has no lists for.\n";
        return kExitFailure;
    }

    // The choices in the order of the lists, as the dialog takes them.
    std::vector<std::pair<int, std::string>> choices;
    for (const std::string& strSet : args.sets)
    {
        const std::size_t nEquals = strSet.find('=');
        const int nList = nEquals == std::string::npos ? -1 : FindRapidList(*pType, strSet.substr(0, nEquals));
        if (nList < 0)
        {
            std::vector<std::string> names;
            for (const SRapidList& list : pType->lists)
                names.push_back(list.pszName);
            std::cerr << "Unknown list \"" << strSet.substr(0, nEquals) << "\" in --set " << strSet << ": the lists of "
                      << row->strSeries << " are " << Joined(names) << ".\n";
            return kExitRefused;
        }
        choices.emplace_back(nList, strSet.substr(nEquals + 1));
    }
    std::stable_sort(choices.begin(), choices.end(), [](const auto& a, const auto& b) { return a.first < b.first; });

    CRapidSelection rapid(*pType, session.Catalogue());
    rapid.SelectCode(0, row->strSeries);
    for (const auto& [nList, strCode] : choices)
        if (!rapid.SelectCode(nList, strCode))
        {
            std::cerr << NotInList(rapid, nList, strCode) << '\n';
            return kExitRefused;
        }

    session.SetProdId(pType->nProdId);
    std::string strModelNumber;
    std::unique_ptr<CBaseProduct> pSelection;
    if (rapid.IsComplete())
    {
        pSelection = rapid.MakeSelection(session);
        strModelNumber = pSelection->BuildPartNumber();
    }
    const std::string strWaiting = rapid.IsComplete() ? std::string() : rapid.Type().lists[rapid.Waiting()].pszName;
    if (args.bJson)
    {
        ordered_json out = {{"series", row->strSeries},
                            {"type", pType->pszType},
                            {"title", LoadString(pType->nTitleId)},
                            {"lists", ListsToJson(rapid)},
                            {"complete", rapid.IsComplete()},
                            {"next", strWaiting.empty() ? ordered_json(nullptr) : ordered_json(strWaiting)},
                            {"modelNumber", strModelNumber.empty() ? ordered_json(nullptr) : ordered_json(strModelNumber)}};
        std::cout << out.dump(2) << '\n';
    }
    else
    {
        std::cout << LoadString(pType->nTitleId) << '\n'
                  << LoadString(rapidtext::kWarning) << '\n'
                  << LoadString(rapidtext::kNote) << "\n\n";
        PrintLists(rapid);
        std::cout << '\n'
                  << (rapid.IsComplete() ? "Completed Model Number: " + strModelNumber
                                         : "Not complete: choose in \"" + strWaiting + "\".")
                  << '\n';
    }

    if (args.strSave.empty())
        return kExitOk;
    if (!pSelection)
    {
        std::cerr << "Nothing saved: the model number is not complete; choose in \"" << strWaiting << "\".\n";
        return kExitRefused;
    }
    std::string strError;
    if (!SaveProductSelection(args.strSave, *pSelection, pType->nProdId, session, strError, true))
    {
        std::cerr << strError << '\n';
        return kExitFailure;
    }
    std::cerr << args.strSave << ": " << strModelNumber << '\n';
    return kExitOk;
}
} // namespace

void AddRapidCommand(CLI::App& app, int& nExitStatus)
{
    auto pArgs = std::make_shared<SRapidArgs>();
    CLI::App* pCmd = app.add_subcommand(
        "rapid", "Build a model number straight from the catalogue's code lists (no sizing, no design checks)");
    pCmd->add_option("series", pArgs->strSeries, "The series (without it: the series there are)");
    pCmd->add_option("--set", pArgs->sets,
                     "LIST=CODE: the code chosen in a list, by the list's name (bore=-4); the lists are "
                     "taken in their order, whatever the order given");
    pCmd->add_flag("--json", pArgs->bJson, "Print the lists as JSON");
    pCmd->add_option("--save", pArgs->strSave, "Save the completed selection (*.Ac3)");
    pCmd->add_option("--catalogue", pArgs->strCatalogue, "Folder of the catalogue (default: the installed one)");
    pCmd->callback([pArgs, &nExitStatus] {
        nExitStatus = RunOnCatalogue(pArgs->strCatalogue, [&](CCliSession& session) { return RunRapid(*pArgs, session); });
    });
}
