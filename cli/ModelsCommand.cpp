// tesmara models: the catalogue's models for a sized selection, as the "Choose Model" grid lists them.
#include "Commands.h"
#include "JsonInput.h"
#include "SizeRunner.h"
#include "models/ModelSearch.h"
#include "selection/SelectionFile.h"
#include "units/UnitConvMap.h"

#include <algorithm>
#include <iostream>

using nlohmann::json;

namespace
{
struct SModelsArgs
{
    std::string strInput;
    std::string strSelection;
    std::string strCatalogue;
    bool bJson = false;
    bool bStrict = false;
};

std::string OneLine(std::string strText)
{
    std::replace(strText.begin(), strText.end(), '\n', ' ');
    return strText;
}

void PrintGrid(const SModelSearch& search, int nSelected)
{
    const std::set<int> hidden = HiddenColumns(search.rows);
    std::vector<std::vector<std::string>> table = {{""}};
    const std::vector<std::string> headers = GridHeaders();
    for (int c = 1; c <= kGridColumns; ++c)
        if (!hidden.count(c))
            table[0].push_back(OneLine(headers[c - 1]));
    for (std::size_t r = 0; r < search.rows.size(); ++r)
    {
        std::vector<std::string> line = {static_cast<int>(r) == nSelected ? "*" : ""};
        const std::vector<std::string> cells = GridCells(search.rows[r]);
        for (int c = 1; c <= kGridColumns; ++c)
            if (!hidden.count(c))
                line.push_back(cells[c - 1]);
        table.push_back(line);
    }
    std::vector<std::size_t> widths(table[0].size(), 0);
    for (const auto& line : table)
        for (std::size_t c = 0; c < line.size(); ++c)
            widths[c] = std::max(widths[c], line[c].size());
    for (const auto& line : table)
    {
        for (std::size_t c = 0; c < line.size(); ++c)
        {
            std::string strCell = line[c];
            // Texts start at the left; keep the header's padding out of the column.
            while (!strCell.empty() && strCell.front() == ' ')
                strCell.erase(strCell.begin());
            std::cout << strCell << std::string(widths[c] - strCell.size() + 2, ' ');
        }
        std::cout << '\n';
    }
}

json RowToJson(const SAccumulatorList& row)
{
    auto unit = [](const CUnitDouble& v) { return json{{"value", v.Value()}, {"unit", v.GetUnit()}}; };
    return {{"description", row.strDescription},
            {"type", row.strType},
            {"series", row.series.m_strCode},
            {"pressureCode", row.pressure.m_strCode},
            {"boreCode", row.bore.m_strCode},
            {"capacityCode", row.capacity.m_strCode},
            {"designNumber", row.design.m_strCode},
            {"pressureRating", unit(row.pressureRating)},
            {"capacity", unit(row.capacityEach)},
            {"totalCapacity", unit(row.capacityTotal)},
            {"qty", row.qty.Value()},
            {"gasBottles", row.bGasBottle ? row.gbQty.Value() : 0},
            {"gasBottlePartNumber", row.gbPartNumber.m_strCode},
            {"gasBottleCapacity", unit(row.gbCapacity)}};
}

int RunModels(const SModelsArgs& args, CCliSession& session)
{
    std::string strError;
    CAccumulatorData data = session.NewSelection();
    if (!args.strSelection.empty())
    {
        auto loaded = LoadSelectionFile(args.strSelection, strError);
        auto* pData = loaded ? dynamic_cast<CAccumulatorData*>(loaded->pSelection.get()) : nullptr;
        if (!pData)
        {
            std::cerr << (loaded ? args.strSelection + ": not an accumulator selection" : strError) << '\n';
            return kExitRefused;
        }
        data = *pData;
        data.m_pOwner = &session;
        if (data.m_nLevel < 1 || !(data.sdRequiredAccumulatorVol.Value() > 0.0))
        {
            std::cerr << args.strSelection << ": the selection has no sized application yet.\n";
            return kExitRefused;
        }
    }
    else
    {
        SSizeRun run;
        try
        {
            run = SizeFromJson(session, ReadJsonInput(args.strInput.empty() ? std::string("-") : args.strInput),
                               args.bStrict);
            if (!run.strNotice.empty())
                std::cerr << run.strNotice << '\n';
        }
        catch (const std::exception& e)
        {
            std::cerr << e.what() << '\n';
            return kExitRefused;
        }
        if (run.refusal)
        {
            std::cerr << *run.refusal << "\n(field: " << run.strField << ")\n";
            return kExitRefused;
        }
        if (run.outcome.eStatus != sizing::ESizingStatus::Sized)
        {
            std::cerr << (run.outcome.eStatus == sizing::ESizingStatus::NotRequired
                              ? run.outcome.strNotice
                              : "The size cannot be computed: " + run.outcome.strReason)
                      << '\n';
            return kExitRefused;
        }
        data = run.data;
    }

    const SModelSearch search = RunModelSearch(data, session.Catalogue());
    const int nSelected = PreselectedRow(search.rows, data);
    std::string strNote;
    std::string strOversize = data.strOversizePorts;
    if (nSelected >= 0)
    {
        const SHighFlowNote note = HighFlowNote(search.rows[nSelected], search.requiredFlow, strOversize,
                                                session.Catalogue());
        strNote = session.Messages().GetMessage(note.strMessageKey);
        strOversize = note.strOversize;
    }
    if (args.bJson)
    {
        json rows = json::array();
        for (const SAccumulatorList& row : search.rows)
            rows.push_back(RowToJson(row));
        std::cout << JsonText(json{{"requiredCapacity", {{"value", data.sdRequiredAccumulatorVol.Value()},
                                                {"unit", data.sdRequiredAccumulatorVol.GetUnit()}}},
                          {"requiredFlow", {{"value", search.requiredFlow.Value()},
                                            {"unit", search.requiredFlow.GetUnit()}}},
                          {"queries", search.queries},
                          {"models", rows},
                          {"selected", nSelected},
                          {"oversizePorts", strOversize},
                          {"note", strNote}},
                                   2)
                  << '\n';
        return kExitOk;
    }
    std::cout << "Your Required Accumulator Capacity: " << data.sdRequiredAccumulatorVol.Format(0, false, true) << ' '
              << data.sdRequiredAccumulatorVol.GetUnitString() << '\n';
    if (search.bFlowShown)
        std::cout << "Your Required Flow Rate: " << search.requiredFlow.Format(0, false, true) << ' '
                  << search.requiredFlow.GetUnitString() << '\n';
    std::cout << '\n';
    if (search.rows.empty())
        std::cout << "No model of the catalogue does this job.\n";
    else
    {
        PrintGrid(search, nSelected);
        std::cout << "\n" << strNote << '\n';
    }
    return kExitOk;
}
} // namespace

void AddModelsCommand(CLI::App& app, int& nExitStatus)
{
    auto pArgs = std::make_shared<SModelsArgs>();
    CLI::App* pCmd = app.add_subcommand("models", "List the catalogue's models for a sized application");
    pCmd->add_option("--input", pArgs->strInput,
                     "JSON selection fields, or the output of tesmara size --json; - or nothing reads standard input");
    pCmd->footer(kInputFieldsHelp);
    pCmd->add_option("--selection", pArgs->strSelection, "A saved selection file (*.Ac3) instead of --input");
    pCmd->add_flag("--json", pArgs->bJson, "Print the models as JSON");
    pCmd->add_flag("--strict", pArgs->bStrict, "Answer the program's Yes/No questions with No (refuse)");
    pCmd->add_option("--catalogue", pArgs->strCatalogue, "Folder of the catalogue (default: the installed one)");
    pCmd->callback([pArgs, &nExitStatus] {
        nExitStatus = RunOnCatalogue(pArgs->strCatalogue, [&](CCliSession& session) { return RunModels(*pArgs, session); });
    });
}
