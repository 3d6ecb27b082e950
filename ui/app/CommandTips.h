// What the status bar says about each menu command, and the tooltips of the toolbar's buttons.
#pragma once

class CMainFrame;
class QAction;

// Gives every command of the main window's menus its status-bar text and, where it has a
// toolbar button or a text of its own, its tooltip: again after the tool items are added and
// after a change of language.
void SetCommandTips(CMainFrame& frame);

// The status-bar text of a language's item.
void SetLanguageTip(QAction& action);
