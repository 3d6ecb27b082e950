// The status-bar texts and tooltips of the menu commands.
#include "app/CommandTips.h"

#include "app/CommandIds.h"
#include "app/MainFrame.h"

#include <QAction>
#include <QMenu>

#include <iterator>

namespace
{
struct STip
{
    int nCommandId;
    const char* pszStatus;
    const char* pszToolTip; // nullptr: the command's text
};

// Texts for translation, in the main window's context.
const STip kTips[] = {
    {cmd::FileNew, QT_TRANSLATE_NOOP("CMainFrame", "Starts a new selection"), QT_TRANSLATE_NOOP("CMainFrame", "New Selection")},
    {cmd::FileOpen, QT_TRANSLATE_NOOP("CMainFrame", "Opens a saved selection"), QT_TRANSLATE_NOOP("CMainFrame", "Open Selection")},
    {cmd::FileSave, QT_TRANSLATE_NOOP("CMainFrame", "Saves the selection"), QT_TRANSLATE_NOOP("CMainFrame", "Save Selection")},
    {cmd::FileSaveAs, QT_TRANSLATE_NOOP("CMainFrame", "Saves the selection under a new name"), nullptr},
    {cmd::ExportXml, QT_TRANSLATE_NOOP("CMainFrame", "Writes the selection as an XML file for other programs"), nullptr},
    {cmd::PrintSelectionReport, QT_TRANSLATE_NOOP("CMainFrame", "Prints the selection report"), nullptr},
    {cmd::AddToOrderPad, QT_TRANSLATE_NOOP("CMainFrame", "Adds the Current Selection to the Order Pad"),
     QT_TRANSLATE_NOOP("CMainFrame", "Add the Current Selection to the OrderPad")},
    {cmd::OrderPad, QT_TRANSLATE_NOOP("CMainFrame", "Opens the Order Pad Utility"), nullptr},
    {cmd::CadCommands[0], QT_TRANSLATE_NOOP("CMainFrame", "Shows the CAD drawing of the selected model"), nullptr},
    {cmd::CadCommands[1], QT_TRANSLATE_NOOP("CMainFrame", "Prints the CAD drawing from its DXF file"), nullptr},
    {cmd::CadCommands[2], QT_TRANSLATE_NOOP("CMainFrame", "Prints the CAD drawing from its HP-GL file"), nullptr},
    {cmd::CadCommands[3], QT_TRANSLATE_NOOP("CMainFrame", "Sets how CAD drawings are drawn and printed"), nullptr},
    {cmd::CadCommands[4], QT_TRANSLATE_NOOP("CMainFrame", "Saves the CAD drawing as a file"), nullptr},
    {cmd::AppExit, QT_TRANSLATE_NOOP("CMainFrame", "Ends the program; asks to save the selection first"), nullptr},
    {cmd::ViewToolbar, QT_TRANSLATE_NOOP("CMainFrame", "Shows or hides the toolbar"), nullptr},
    {cmd::ViewStatusBar, QT_TRANSLATE_NOOP("CMainFrame", "Shows or hides the status bar"), nullptr},
    {cmd::DisplaySelectionCompleteOptions,
     QT_TRANSLATE_NOOP("CMainFrame", "Offers the report, the CAD drawing and the order pad when a selection is complete"), nullptr},
    {cmd::ViewSelectionReport, QT_TRANSLATE_NOOP("CMainFrame", "Shows the selection report"), nullptr},
    {cmd::RapidSelection, QT_TRANSLATE_NOOP("CMainFrame", "Rapid selection of part number"), nullptr},
    {cmd::UnitDefaults, QT_TRANSLATE_NOOP("CMainFrame", "Chooses the units new entries start in"), nullptr},
    {cmd::ToolOptions, QT_TRANSLATE_NOOP("CMainFrame", "Options of the program"), nullptr},
    {cmd::ReferenceFirst + 3, QT_TRANSLATE_NOOP("CMainFrame", "Opens the help at its contents"), nullptr},
    {cmd::ReferenceFirst + 4, QT_TRANSLATE_NOOP("CMainFrame", "How Dalrow supports its products and this program"), nullptr},
    {cmd::ReferenceContents, QT_TRANSLATE_NOOP("CMainFrame", "Lists the reference documents and data sheets"), nullptr},
    {cmd::ReferenceFirst + 0, QT_TRANSLATE_NOOP("CMainFrame", "How to reach Dalrow"), nullptr},
    {cmd::ReferenceFirst + 1, QT_TRANSLATE_NOOP("CMainFrame", "The sites and sales offices of Dalrow"), nullptr},
    {cmd::ReferenceFirst + 5, QT_TRANSLATE_NOOP("CMainFrame", "The terms on which Dalrow sells its products"), nullptr},
    {cmd::ReferenceFirst + 2, QT_TRANSLATE_NOOP("CMainFrame", "The license agreement of this program"), nullptr},
    {cmd::ReferenceFirst + 6, QT_TRANSLATE_NOOP("CMainFrame", "Other product families of Dalrow"), nullptr},
    {cmd::ReferenceFirst + 7, QT_TRANSLATE_NOOP("CMainFrame", "Products that go with an accumulator installation"), nullptr},
    {cmd::WebPages[0], QT_TRANSLATE_NOOP("CMainFrame", "Opens the Dalrow home page in your web browser"), nullptr},
    {cmd::WebPages[1], QT_TRANSLATE_NOOP("CMainFrame", "Opens Dalrow's product information in your web browser"), nullptr},
    {cmd::WebPages[2], QT_TRANSLATE_NOOP("CMainFrame", "Opens Dalrow's technical support in your web browser"), nullptr},
    {cmd::TipOfTheDay, QT_TRANSLATE_NOOP("CMainFrame", "Shows a tip on working with the program"), nullptr},
    {cmd::AppAbout, QT_TRANSLATE_NOOP("CMainFrame", "Shows the program's version"),
     QT_TRANSLATE_NOOP("CMainFrame", "About Tesmara Accumulator")},
};

const char* const kToolTips[] = {
    QT_TRANSLATE_NOOP("CMainFrame", "Computes the fluid an existing accumulator delivers"),
    QT_TRANSLATE_NOOP("CMainFrame", "Computes how the precharge changes with temperature"),
    QT_TRANSLATE_NOOP("CMainFrame", "Converts a value between units"),
};
} // namespace

void SetCommandTips(CMainFrame& frame)
{
    for (const STip& tip : kTips)
        if (QAction* pAction = frame.Action(tip.nCommandId))
        {
            pAction->setStatusTip(CMainFrame::tr(tip.pszStatus));
            if (tip.pszToolTip)
                pAction->setToolTip(CMainFrame::tr(tip.pszToolTip));
        }
    // The tool items and the languages, added after the menus were built.
    for (int i = 0; i < static_cast<int>(std::size(kToolTips)); ++i)
        if (QAction* pAction = frame.Action(cmd::UserFirst + i))
            pAction->setStatusTip(CMainFrame::tr(kToolTips[i]));
    for (int nId = cmd::LanguageFirst; nId <= cmd::LanguageLast; ++nId)
        if (QAction* pAction = frame.Action(nId))
            SetLanguageTip(*pAction);
    if (QMenu* pFile = frame.TopMenu(CMainFrame::MenuFile))
        for (QAction* pAction : pFile->actions())
            if (pAction->menu())
                pAction->setStatusTip(CMainFrame::tr("Draws, prints and saves the CAD drawing of the selected model"));
}

void SetLanguageTip(QAction& action)
{
    action.setStatusTip(CMainFrame::tr("Shows the program in %1").arg(QString(action.text()).remove(QLatin1Char('&'))));
}
