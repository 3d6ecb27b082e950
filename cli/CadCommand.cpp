// tesmara cad FILE.Ac3 --dxf OUT.dxf [--hpgl OUT.plt] [--svg OUT.svg]: the CAD drawing of a
// selection, made as the desktop makes it (mailbox row, drawing, files), without a display.
#include "CatalogueLocation.h"
#include "Commands.h"
#include "HeadlessProduct.h"

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

int RunCad(const SCadArgs& args)
{
    std::vector<std::filesystem::path> files;
    for (const std::string* pFile : {&args.strDxf, &args.strHpgl, &args.strSvg})
        if (!pFile->empty())
            files.emplace_back(*pFile);
    if (files.empty())
    {
        std::cerr << "Name at least one file to write: --dxf, --hpgl or --svg.\n";
        return kExitRefused;
    }
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
        std::cerr << args.strFile << ": " << strReason << '\n';
        return kExitRefused;
    }
    headless.Product().OnCadCommand(4);
    if (headless.CadObject() == nullptr || headless.CadObject()->m_nWritten != static_cast<int>(files.size()))
        return kExitFailure;
    for (const std::filesystem::path& file : files)
        std::cout << "Wrote " << file.string() << '\n';
    return kExitOk;
}
} // namespace

void AddCadCommand(CLI::App& app, int& nExitStatus)
{
    auto pArgs = std::make_shared<SCadArgs>();
    CLI::App* pCad = app.add_subcommand("cad", "Write the CAD drawing of a piston, bladder or transfer barrier selection.");
    pCad->add_option("file", pArgs->strFile, "Selection file (*.Ac3)")->required();
    pCad->add_option("--dxf", pArgs->strDxf, "DXF R12 drawing to write");
    pCad->add_option("--hpgl", pArgs->strHpgl, "HP-GL plot file to write (*.plt)");
    pCad->add_option("--svg", pArgs->strSvg, "SVG drawing to write");
    pCad->add_option("--units", pArgs->strUnits, "Units of the dimensions: in, mm or both")
        ->check(CLI::IsMember({"in", "mm", "both"}));
    pCad->add_option("--company", pArgs->strCompany, "Company text of the title block");
    pCad->callback([pArgs, &nExitStatus] { nExitStatus = RunCad(*pArgs); });
}
