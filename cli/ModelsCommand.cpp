// tesmara models: the catalogue's models for a sized selection, as the "Choose Model" grid lists them.
#include "Commands.h"
#include "JsonInput.h"
#include "OutputChecks.h"
#include "SelectionSave.h"
#include "SizeRunner.h"
#include "models/CatalogueTexts.h"
#include "models/DetailsStep.h"
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
    int nChoose = 0;
    bool bChoose = false; // --choose was given, whatever its number
    std::string strSave;
    std::vector<std::string> details; // LIST=CODE
};

std::string OneLine(std::string strText)
{
    std::replace(strText.begin(), strText.end(), '\n', ' ');
    return strText;
}

// The columns a text takes on a terminal: one per character, not per byte ("in³").
std::size_t Columns(const std::string& strText)
{
    return static_cast<std::size_t>(
        std::count_if(strText.begin(), strText.end(), [](char ch) { return (static_cast<unsigned char>(ch) & 0xC0) != 0x80; }));
}

void PrintGrid(const SModelSearch& search, int nSelected)
{
    const std::set<int> hidden = HiddenColumns(search.rows);
    // The marker of the preselected model, then the row number that --choose takes.
    std::vector<std::vector<std::string>> table = {{"", "#"}};
    const std::vector<std::string> headers = GridHeaders();
    for (int c = 1; c <= kGridColumns; ++c)
        if (!hidden.count(c))
            table[0].push_back(OneLine(headers[c - 1]));
    for (std::size_t r = 0; r < search.rows.size(); ++r)
    {
        std::vector<std::string> line = {static_cast<int>(r) == nSelected ? "*" : "", std::to_string(r + 1)};
        const std::vector<std::string> cells = GridCells(search.rows[r]);
        for (int c = 1; c <= kGridColumns; ++c)
            if (!hidden.count(c))
                line.push_back(cells[c - 1]);
        table.push_back(line);
    }
    std::vector<std::size_t> widths(table[0].size(), 0);
    for (const auto& line : table)
        for (std::size_t c = 0; c < line.size(); ++c)
            widths[c] = std::max(widths[c], Columns(line[c]));
    for (const auto& line : table)
    {
        for (std::size_t c = 0; c < line.size(); ++c)
        {
            std::string strCell = line[c];
            // Texts start at the left; keep the header's padding out of the column.
            while (!strCell.empty() && strCell.front() == ' ')
                strCell.erase(strCell.begin());
            std::cout << strCell << std::string(widths[c] - Columns(strCell) + 2, ' ');
        }
        std::cout << '\n';
    }
}

// "LIST=CODE" as a list name (in lower case) and a code; false for text without "=".
bool ParseDetail(const std::string& strDetail, DetailChoices& choices)
{
    const std::size_t nEquals = strDetail.find('=');
    if (nEquals == std::string::npos || nEquals == 0)
        return false;
    std::string strList = strDetail.substr(0, nEquals);
    std::transform(strList.begin(), strList.end(), strList.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    choices.emplace_back(strList, strDetail.substr(nEquals + 1));
    return true;
}

// Choose Model with row nChoose (from 1) and Choose Details with the lists' preselections, on the
// copies the product object makes for each step, then the complete selection saved.
int ChooseAndSave(CCliSession& session, const CAccumulatorData& sized, const SModelSearch& search,
                  const SModelsArgs& args)
{
    DetailChoices choices;
    for (const std::string& strDetail : args.details)
        if (!ParseDetail(strDetail, choices))
        {
            std::cerr << "--detail \"" << strDetail << "\": write it as LIST=CODE, for example seal=-V.\n";
            return kExitRefused;
        }
    const std::size_t nRows = search.rows.size();
    if (args.nChoose < 1 || static_cast<std::size_t>(args.nChoose) > nRows)
    {
        std::cerr << "There is no model in row " << args.nChoose << ": "
                  << (nRows == 0 ? std::string("no model of the catalogue does this job.")
                                 : "the list has rows 1 to " + std::to_string(nRows) + ".")
                  << '\n';
        return kExitRefused;
    }
    IDatabase& db = session.Catalogue();
    const SAccumulatorList& row = search.rows[static_cast<std::size_t>(args.nChoose - 1)];
    const SHighFlowNote note = HighFlowNote(row, search.requiredFlow, sized.strOversizePorts, db);
    CAccumulatorData model(sized);
    model.Initialize(2);
    ApplyModelChoice(model, row, search, note.strOversize, db);
    model.m_nLevel = 2;

    CAccumulatorData working(model);
    CAccumulatorData complete(model);
    complete.Initialize(3);
    std::string strError;
    if (!ApplyDetailsStep(working, complete, model, choices, db, strError))
    {
        std::cerr << strError << '\n';
        return kExitRefused;
    }
    complete.m_nLevel = 3;
    const std::string strModel = complete.BuildPartNumber();
    if (!SaveSizedSelection(args.strSave, complete, session, strError, true))
    {
        std::cerr << strError << '\n';
        return kExitFailure;
    }
    std::cout << args.strSave << ": " << strModel << " (" << complete.GetPartDescription() << ")\n";
    return kExitOk;
}

json RowToJson(const SAccumulatorList& row, int nRow)
{
    auto unit = [](const CUnitDouble& v) { return json{{"value", v.Value()}, {"unit", v.GetUnit()}}; };
    return {{"row", nRow},
            {"description", row.strDescription},
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
        if (loaded->header.nProdId != 0)
        {
            std::cerr << args.strSelection << ": models are listed for accumulators chosen by application.\n";
            return kExitRefused;
        }
        pData->m_pOwner = &session;
        ReadLoadedTextsAgain(*loaded, session.Catalogue(), kCatalogueBaseName);
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

    if (args.bChoose != !args.strSave.empty() || (!args.details.empty() && args.strSave.empty()))
    {
        std::cerr << "--choose N and --save OUT.Ac3 go together (and --detail with them).\n";
        return kExitRefused;
    }
    const SModelSearch search = RunModelSearch(data, session.Catalogue());
    if (!args.strSave.empty())
        return ChooseAndSave(session, data, search, args);
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
        for (std::size_t r = 0; r < search.rows.size(); ++r)
            rows.push_back(RowToJson(search.rows[r], static_cast<int>(r) + 1));
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
    pCmd->add_option("--choose", pArgs->nChoose,
                     "Choose the model in row N of the list (1 = first, the # column) as Choose Model does");
    pCmd->add_option("--save", pArgs->strSave,
                     "With --choose: save the complete selection, with the details the details step preselects");
    pCmd->add_option("--detail", pArgs->details,
                     "With --choose: LIST=CODE chooses another code of a details list (seal, port, construction, "
                     "approval, porttype, portsize, gasporttype, gasportsize, option; modification, certification, "
                     "hydraulicport; gasport, valveport); option may be given several times");
    pCmd->callback([pArgs, pCmd, &nExitStatus] {
        pArgs->bChoose = pCmd->count("--choose") > 0;
        if (!CheckOutputFiles({pArgs->strInput, pArgs->strSelection}, {pArgs->strSave}))
        {
            nExitStatus = kExitRefused;
            return;
        }
        nExitStatus = RunOnCatalogue(pArgs->strCatalogue, [&](CCliSession& session) { return RunModels(*pArgs, session); });
    });
}
