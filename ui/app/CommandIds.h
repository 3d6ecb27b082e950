// The menu command ids of the application.
#pragma once

#include "products/SelectionCompleted.h"

namespace cmd
{
constexpr int FileNew = 57600;
constexpr int FileOpen = 57601;
constexpr int FileSave = 57603;
constexpr int FileSaveAs = 57604;
constexpr int ExportXml = 32814;
constexpr int FileMruFirst = 57616; // the four recent files: 57616 to 57619
constexpr int AppAbout = 57664;
constexpr int AppExit = 57665;
constexpr int ViewToolbar = 59392;
constexpr int ViewStatusBar = 59393;
constexpr int DisplaySelectionCompleteOptions = 137;
constexpr int ShowDisclaimer = 1269;

constexpr int PrintSelectionReport = outputcmd::PrintSelectionReport;
constexpr int AddToOrderPad = outputcmd::AddToOrderPad;
constexpr int OrderPad = 32802;
constexpr int ViewSelectionReport = outputcmd::ViewSelectionReport;
// The CAD commands in the product object's order: view, print DXF, print HPGL, preferences, save.
constexpr int CadCommands[] = {outputcmd::ViewCadDrawing, outputcmd::PrintCadDxf, outputcmd::PrintCadHpgl,
                               32805, outputcmd::GenerateCadFile};

// Reference commands 0 to 8 of the product object: eight categories and the contents.
constexpr int ReferenceFirst = 32780;
constexpr int ReferenceContents = 32792; // shown as "Catalog"
// The maker's web pages, at the addresses of the settings: home page, product information, support.
constexpr int WebPages[] = {32788, 32789, 32790};
constexpr int ToolOptions = 32810;
constexpr int RapidSelection = 32811;
constexpr int UnitDefaults = 32812;
constexpr int TipOfTheDay = 32813;

constexpr int LanguageFirst = 32990; // one per installed language, up to 33010
constexpr int LanguageLast = 33010;
constexpr int UserFirst = 33100; // the tool items added at start-up, up to 33120
constexpr int UserLast = 33120;
} // namespace cmd
