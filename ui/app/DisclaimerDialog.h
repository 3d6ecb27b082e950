// The disclaimer shown at start-up: "&Accept" goes on, every other end quits the program.
#pragma once

#include <QDialog>

class QTextEdit;

class CDisclaimerDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CDisclaimerDialog(QWidget* pParent = nullptr);

    // The disclaimer document (rich text).
    static QString DisclaimerText();

    QTextEdit* TextBox() const { return m_pText; }

private:
    QTextEdit* m_pText;
};
