// Character filter of the numeric edit field, applied to keys, input methods and pastes.
#include "controls/NumericEdit.h"

#include "units/NumericEntry.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

CNumericEdit::CNumericEdit(QWidget* pParent) : QLineEdit(pParent)
{
    // A drop would bypass the filter, and numbers are short enough to type or paste.
    setAcceptDrops(false);
    setInputMethodHints(Qt::ImhFormattedNumbersOnly);
}

void CNumericEdit::SetLocaleDecimal(bool bOn)
{
    m_bLocaleDecimal = bOn;
    if (bOn)
    {
        m_bAllowPoint = false;
        m_bAllowComma = false;
    }
}

SNumericEntryRules CNumericEdit::Rules() const
{
    return SNumericEntryRules{m_bLocaleDecimal, m_bAllowPoint, m_bAllowMinus, m_bAllowComma};
}

QString CNumericEdit::TextOutsideSelection() const
{
    QString strText = text();
    if (hasSelectedText())
        strText.remove(selectionStart(), selectionLength());
    return strText;
}

void CNumericEdit::SetText(const QString& strText)
{
    QString strShown = strText;
    if (m_bLocaleDecimal)
        strShown.replace(QLatin1Char(','), QLatin1Char('.'));
    setText(strShown);
}

QString CNumericEdit::GetText() const
{
    return QString::fromStdString(NumericFieldText(text().toStdString(), m_bLocaleDecimal, m_bLeadingZero));
}

double CNumericEdit::GetValue() const
{
    return NumericFieldValue(text().toStdString());
}

bool CNumericEdit::InsertTyped(const QString& strText)
{
    if (isReadOnly())
        return false;
    // Characters outside Latin-1 become '?', which the filter refuses like any other letter.
    const auto accepted = AcceptNumericText(Rules(), strText.toLatin1().toStdString(),
                                            TextOutsideSelection().toLatin1().toStdString());
    if (!accepted)
    {
        QApplication::beep();
        return false;
    }
    insert(QString::fromLatin1(accepted->c_str()));
    return true;
}

void CNumericEdit::Paste()
{
    InsertTyped(QApplication::clipboard()->text(QClipboard::Clipboard));
}

void CNumericEdit::keyPressEvent(QKeyEvent* pEvent)
{
    if (pEvent->matches(QKeySequence::Paste))
    {
        Paste();
        pEvent->accept();
        return;
    }
    const QString strText = pEvent->text();
    // Editing keys, shortcuts and control characters (backspace among them) keep their meaning.
    const bool bCharacter =
        !strText.isEmpty() && strText.at(0).isPrint() &&
        !(pEvent->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!bCharacter)
    {
        QLineEdit::keyPressEvent(pEvent);
        return;
    }
    InsertTyped(strText);
    pEvent->accept();
}

void CNumericEdit::inputMethodEvent(QInputMethodEvent* pEvent)
{
    const QString strCommit = pEvent->commitString();
    if (strCommit.isEmpty() || pEvent->replacementLength() != 0)
    {
        QLineEdit::inputMethodEvent(pEvent);
        return;
    }
    InsertTyped(strCommit);
    pEvent->accept();
}

QAction* CNumericEdit::FindPasteAction(QMenu* pMenu)
{
    // The standard menu names its actions only by their (translated) texts.
    const QString strPaste = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction* pAction : pMenu->actions())
        if (pAction->text().section(QLatin1Char('\t'), 0, 0) == strPaste)
            return pAction;
    return nullptr;
}

void CNumericEdit::contextMenuEvent(QContextMenuEvent* pEvent)
{
    QMenu* pMenu = createStandardContextMenu();
    pMenu->setAttribute(Qt::WA_DeleteOnClose);
    if (QAction* pPaste = FindPasteAction(pMenu))
    {
        disconnect(pPaste, &QAction::triggered, nullptr, nullptr);
        connect(pPaste, &QAction::triggered, this, &CNumericEdit::Paste);
    }
    pMenu->popup(pEvent->globalPos());
}

void CNumericEdit::mouseReleaseEvent(QMouseEvent* pEvent)
{
    QClipboard* pClipboard = QApplication::clipboard();
    if (pEvent->button() == Qt::MiddleButton && pClipboard->supportsSelection() && !isReadOnly())
    {
        // The press has already put the cursor where the text goes.
        deselect();
        InsertTyped(pClipboard->text(QClipboard::Selection));
        pEvent->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(pEvent);
}
