// What the status bar says about each menu command, and the tooltips of the toolbar's buttons.
#pragma once

class CMainFrame;
class QAction;

// Gives every command of the main window's menus its status-bar text and, where it has a
// toolbar button or a text of its own, its tooltip.
void SetCommandTips(CMainFrame& frame);

// The status-bar text of a tool item (0 to 2) and of a language item, added after the menus.
void SetToolItemTip(QAction& action, int nTool);
void SetLanguageTip(QAction& action);
