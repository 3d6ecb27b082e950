// tesmara cad FILE.Ac3 --dxf OUT.dxf [--hpgl OUT.plt] [--svg OUT.svg]: the CAD drawing of a
// selection, made as the desktop makes it (mailbox row, drawing, files), without a display.
#include "CatalogueLocation.h"
#include "Commands.h"
#include "HeadlessProduct.h"
#include "OutputChecks.h"
#include "platform/ControlText.h"
#include "platform/Windows1252.h"

#include <iostream>

namespace
{
struct SCadArgs
{
    std::string strFile;
    std::string strDxf, strHpgl, strSvg;
    std::string strUnits = "both";
    std::string strCompany = SCadPreferences().strCompany;
};

// The title block's company as the desktop's preferences take it: one line of at most 60 characters.
bool CheckCompany(const std::string& strCompany)
{
    char32_t c = 0;
    std::size_t nCharacters = 0;
    for (std::size_t i = 0, n = 0; i < strCompany.size(); i += n, ++nCharacters)
        if ((n = DecodeUtf8(strCompany, i, c)) == 0 || IsControlCharacter(c))
        {
            std::cerr << "--company: the title block's company is one line of text; \""
                      << TerminalText(strCompany) << "\" holds a line break, a control character or a byte "
                      << "that is no UTF-8.\n";
            return false;
        }
    if (nCharacters > kMaxCadCompanyLength)
    {
        std::cerr << "--company: the title block holds at most " << kMaxCadCompanyLength << " characters; \""
                  << TerminalText(strCompany) << "\" has " << nCharacters << ".\n";
        return false;
    }
    return true;
}

int RunCad(const SCadArgs& args)
{
    // The format is the option's, whatever the file's name says.
    std::vector<SCadFile> files;
    for (const auto& [pName, eFormat] : {std::pair{&args.strDxf, ECadFormat::Dxf}, std::pair{&args.strHpgl, ECadFormat::Hpgl},
                                        std::pair{&args.strSvg, ECadFormat::Svg}})
        if (!pName->empty())
            files.push_back({*pName, eFormat});
    if (files.empty())
    {
        std::cerr << "Name at least one file to write: --dxf, --hpgl or --svg.\n";
        return kExitRefused;
    }
    if (!CheckOutputFiles({args.strFile}, {args.strDxf, args.strHpgl, args.strSvg}) || !CheckCompany(args.strCompany))
        return kExitRefused;
    SCadPreferences preferences;
    preferences.eUnits = args.strUnits == "in" ? ECadUnits::Inches : args.strUnits == "mm" ? ECadUnits::Millimetres
                                                                                           : ECadUnits::Both;
    preferences.strCompany = args.strCompany;

    CHeadlessProduct headless(DefaultCatalogueFolder(), DefaultApplicationFolder(), DefaultOrderPadInbox());
    headless.SetCadFiles(files, preferences);
    if (!headless.Open(args.strFile))
        return kExitRefused; // the file or the catalogue has said why
    const std::string strReason = NoCadDrawingReason(headless.Product());
    if (!strReason.empty())
    {
        std::cerr << TerminalText(args.strFile) << ": " << strReason << '\n';
        return kExitRefused;
    }
    headless.Product().OnCadCommand(4);
    if (headless.CadObject() == nullptr || !headless.CadObject()->m_bWritten)
        return kExitFailure;
    for (const SCadFile& file : files)
        std::cout << "Wrote " << TerminalText(file.path.string()) << '\n';
    return kExitOk;
}
} // namespace

void AddCadCommand(CLI::App& app, int& nExitStatus)
{
    auto pArgs = std::make_shared<SCadArgs>();
    CLI::App* pCad = app.add_subcommand("cad", "Write the CAD drawing of a piston, bladder or transfer barrier selection.");
    pCad->add_option("file", pArgs->strFile, "Selection file (*.Ac3)")->required();
    pCad->footer("Each file is written in the format of its option, whatever its name; either every file is written "
                 "or none. Exit status: 0 written, 1 a file or the CAD mailbox could not be used, 2 refused input.");
    pCad->add_option("--dxf", pArgs->strDxf, "DXF R12 drawing to write");
    pCad->add_option("--hpgl", pArgs->strHpgl, "HP-GL plot file to write (*.plt)");
    pCad->add_option("--svg", pArgs->strSvg, "SVG drawing to write");
    pCad->add_option("--units", pArgs->strUnits, "Units of the dimensions: in, mm or both")
        ->check(CLI::IsMember({"in", "mm", "both"}));
    pCad->add_option("--company", pArgs->strCompany, "Company text of the title block (one line, at most 60 characters)");
    pCad->callback([pArgs, &nExitStatus] { nExitStatus = RunCad(*pArgs); });
}
