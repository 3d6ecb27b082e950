// Push buttons that a screen reader names by their text, without the mnemonic "&".
#pragma once

#include <QString>

class QDialogButtonBox;
class QPushButton;
class QWidget;

QPushButton* NamedButton(const QString& strText, QWidget* pParent = nullptr);

// The OK and Cancel row of a dialog, captioned and named "OK" and "Cancel" on every
// platform. Which button is the default is the dialog's choice.
QDialogButtonBox* OkCancelButtons(QWidget* pParent);
