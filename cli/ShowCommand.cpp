// tesmara show FILE.Ac3: every stored field of a selection file, readable, as JSON or as XML.
#include "CatalogueLocation.h"
#include "CliSession.h"
#include "Commands.h"
#include "SelectionJson.h"
#include "outputs/XmlExport.h"
#include "platform/ControlText.h"
#include "selection/SelectionFile.h"
#include "units/UnitConvMap.h"
#include "units/UnitTable.h"

#include <iostream>

using nlohmann::json;

namespace
{
struct SShowArgs
{
    std::string strFile;
    bool bJson = false;
    bool bXml = false;
};

JsonOut HeaderToJson(const SSelectionHeader& h)
{
    return {{"language", h.strLanguageCode},
            {"languageName", h.strLanguageName},
            {"languageNameId", h.nLanguageNameId},
            {"productLine", h.strProductLine},
            {"ProdId", h.nProdId},
            {"ProdType", h.strProdType},
            {"description", h.strProdDescription},
            {"partNumberAvailable", h.bPartNumberAvailable},
            {"selectionComplete", h.bSelectionComplete}};
}

// One value as a reader wants it: unit values with their display text, codes with their position;
// texts from the file escaped for the terminal.
std::string Readable(const JsonOut& v)
{
    if (v.is_object() && v.contains("unit") && v.contains("value"))
    {
        const std::string strUnit = v["unit"].get<std::string>();
        const std::string strShown = UnitDisplayText(strUnit);
        // The shortest text that reads back as the stored number.
        return v["value"].dump() + " " + TerminalText(strShown.empty() ? strUnit : strShown) + " [" +
               TerminalText(strUnit) + "]";
    }
    if (v.is_object() && v.contains("code"))
    {
        std::string strText =
            "\"" + TerminalText(v["code"].get<std::string>()) + "\" at " + std::to_string(v["location"].get<int>());
        if (!v["description"].get<std::string>().empty())
            strText += ", " + TerminalText(v["description"].get<std::string>());
        if (!v["codeType"].get<std::string>().empty())
            strText += " (" + TerminalText(v["codeType"].get<std::string>()) + ")";
        return strText;
    }
    if (v.is_string())
        return "\"" + TerminalText(v.get<std::string>()) + "\"";
    return v.dump();
}

void PrintReadable(const JsonOut& j, const std::string& strIndent)
{
    for (const auto& [strKey, value] : j.items())
    {
        if (value.is_array())
        {
            std::cout << strIndent << strKey << ": " << value.size() << (value.size() == 1 ? " entry" : " entries")
                      << '\n';
            for (std::size_t i = 0; i < value.size(); ++i)
            {
                std::cout << strIndent << "  [" << i << "]" << (value[i].contains("code") ? " " : "\n");
                if (value[i].contains("code") && !value[i].contains("key"))
                    std::cout << Readable(value[i]) << '\n';
                else
                    PrintReadable(value[i], strIndent + "    ");
            }
        }
        else
            std::cout << strIndent << strKey << ": " << Readable(value) << '\n';
    }
}

int RunShow(const SShowArgs& args)
{
    std::string strError;
    const auto loaded = LoadSelectionFile(args.strFile, strError);
    if (!loaded)
    {
        std::cerr << TerminalText(strError) << '\n';
        return kExitRefused;
    }
    if (args.bXml)
    {
        // Through the catalogue where there is one, so that the model number is the one the program shows.
        CCliSession session;
        std::string strIgnored;
        if (session.Open(DefaultCatalogueFolder(), strIgnored))
        {
            session.SetProdId(loaded->header.nProdId);
            loaded->pSelection->m_pOwner = &session;
        }
        if (!CanExportXml(*loaded->pSelection))
        {
            std::cerr << TerminalText(args.strFile) << ": this version cannot write this selection as XML.\n";
            return kExitRefused;
        }
        std::cout << SelectionToXml(loaded->header, *loaded->pSelection);
        return kExitOk;
    }
    const JsonOut header = HeaderToJson(loaded->header);
    const JsonOut fields = SelectionToJson(*loaded->pSelection);
    if (args.bJson)
        std::cout << JsonText(JsonOut{{"header", header}, {"selection", fields}}, 2) << '\n';
    else
    {
        std::cout << "File headers\n";
        PrintReadable(header, "  ");
        std::cout << "Selection\n";
        PrintReadable(fields, "  ");
    }
    return kExitOk;
}
} // namespace

void AddShowCommand(CLI::App& app, int& nExitStatus)
{
    auto pArgs = std::make_shared<SShowArgs>();
    CLI::App* pCmd = app.add_subcommand("show", "Print every stored field of a selection file (*.Ac3)");
    pCmd->add_option("file", pArgs->strFile, "The selection file")->required();
    auto* pJson = pCmd->add_flag("--json", pArgs->bJson, "Print the fields as JSON (the input format of tesmara size)");
    pCmd->add_flag("--xml", pArgs->bXml, "Print the selection as XML (the form of File > Export XML, schemas/tesmara-selection.xsd)")
        ->excludes(pJson);
    pCmd->callback([pArgs, &nExitStatus] { nExitStatus = RunShow(*pArgs); });
}
