// An edit field that takes only the characters of a number, typed or pasted.
#pragma once

#include <QLineEdit>

class QAction;
class QMenu;
struct SNumericEntryRules;

class CNumericEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit CNumericEdit(QWidget* pParent = nullptr);

    // The decimal character is a period and a typed comma is taken as one; on also turns
    // the separate point and comma switches off.
    void SetLocaleDecimal(bool bOn);
    // Reading the text supplies a missing zero before the separator.
    void SetLeadingZero(bool bOn) { m_bLeadingZero = bOn; }
    void SetAllowPoint(bool bOn) { m_bAllowPoint = bOn; }
    void SetAllowMinus(bool bOn) { m_bAllowMinus = bOn; }
    void SetAllowComma(bool bOn) { m_bAllowComma = bOn; }
    // Shows the value 0 as a number instead of an empty field.
    void SetShowZero(bool bOn) { m_bShowZero = bOn; }

    bool IsLocaleDecimal() const { return m_bLocaleDecimal; }
    bool IsLeadingZero() const { return m_bLeadingZero; }
    bool IsAllowPoint() const { return m_bAllowPoint; }
    bool IsAllowMinus() const { return m_bAllowMinus; }
    bool IsAllowComma() const { return m_bAllowComma; }
    bool IsShowZero() const { return m_bShowZero; }

    // Shows a text; with the locale decimal its commas appear as periods.
    void SetText(const QString& strText);
    // The text as a number reads: comma as period, leading zero supplied (per the switches).
    QString GetText() const;
    // The number at the start of the text, a comma read as the point; 0 for empty text.
    double GetValue() const;

    // Inserts text over the selection as if typed; refused as a whole (with a beep) when any
    // character of it would be refused. The clipboard, the context menu and a middle click come here.
    bool InsertTyped(const QString& strText);
    void Paste();
    // The paste entry of a standard edit menu, or nullptr.
    static QAction* FindPasteAction(QMenu* pMenu);

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
    void inputMethodEvent(QInputMethodEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;

    bool m_bLocaleDecimal = true;
    bool m_bLeadingZero = true;
    bool m_bAllowPoint = false;
    bool m_bAllowMinus = false;
    bool m_bAllowComma = false;
    bool m_bShowZero = false;

private:
    SNumericEntryRules Rules() const;
    // The text without the selection that typing would replace.
    QString TextOutsideSelection() const;
};
