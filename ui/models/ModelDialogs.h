// What the model and details dialogs share: captions and buttons with accessible names,
// lists shown in drop-down boxes, catalogue messages and the reference documents.
#pragma once

#include <QString>

#include <functional>
#include <string>

class CAccumulatorData;
class CAccumulatorObject;
class QComboBox;
class QHBoxLayout;
class QDialog;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;
struct SDetailList;

namespace modeldlg
{
// A caption, named like its text; with a buddy, its mnemonic and the buddy's name follow it.
QLabel* Caption(const QString& strText, QWidget* pParent, QWidget* pBuddy = nullptr);
// A read-only text of several lines that the user can select and copy.
QPlainTextEdit* ReadOnlyText(const QString& strName, int nLines, QWidget* pParent);

// The row under a dialog's content: "&Reference" and "&Help" on the left, OK (the default)
// and Cancel on the right. The dialog connects them.
struct SButtonRow
{
    QHBoxLayout* pLayout;
    QPushButton* pReference;
    QPushButton* pHelp;
    QPushButton* pOk;
    QPushButton* pCancel;
};
SButtonRow ButtonRow(QWidget* pParent);

// Shows a list in a box, in order of its texts (numbers in the texts by value) or, unsorted, in
// the list's order; a code box shows the code beside the text in its drop-down. Each item's value
// is its row in the list. Selects the list's preselected row; no signal reaches the box's listeners.
void FillBox(QComboBox& box, const SDetailList& list, bool bSorted = true);
// The row of the list the box shows, or -1.
int ChosenRow(const QComboBox& box);
// Orders two texts alphabetically, runs of digits by their value.
bool NaturalLess(const QString& strLeft, const QString& strRight);

// Ends a model step whose choice is written into the working copy: unchanged against the
// product object's selection, with 2100; otherwise the product object asks before later
// choices are lost: Cancel keeps the step open, No ends it as cancelled, Yes with OK.
void EndModelStep(QDialog& dialog, CAccumulatorObject& product, const CAccumulatorData& working);

// The catalogue's text of a message key.
std::string Message(CAccumulatorObject& product, const std::string& strKey);
// Shows the catalogue's text of a message key.
void ShowMessage(CAccumulatorObject& product, const std::string& strKey);
// Runs an action that reads the catalogue; a catalogue error is shown and gives false.
bool Guarded(const std::function<void()>& fnAction);

// "&Help": the dialog's topic of the help. "&Reference": the series' document for the dialog, else
// the series' document, else the dialog's document. Either tells the user when it is not installed.
void OpenHelp(CAccumulatorObject& product, const char* pszDialog);
void OpenReference(CAccumulatorObject& product, const std::string& strSeries, const char* pszDialog);
} // namespace modeldlg
