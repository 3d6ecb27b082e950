// A step button: Tab and Enter handled for the step panel.
#include "products/TesmaraButton.h"

#include <QEvent>
#include <QKeyEvent>

CTesmaraButton::CTesmaraButton(const QString& strText, int nId, QWidget* pParent)
    : QPushButton(strText, pParent), m_nId(nId)
{
    setAccessibleName(QString(strText).remove(QLatin1Char('&')));
    setFocusPolicy(Qt::StrongFocus);
}

bool CTesmaraButton::event(QEvent* pEvent)
{
    // Qt would move the focus along the window's chain before keyPressEvent sees the Tab;
    // the panel has its own order, so the Tab is handed to it first.
    if (pEvent->type() == QEvent::KeyPress)
    {
        auto* pKey = static_cast<QKeyEvent*>(pEvent);
        if (!(pKey->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        {
            if (pKey->key() == Qt::Key_Backtab ||
                (pKey->key() == Qt::Key_Tab && (pKey->modifiers() & Qt::ShiftModifier)))
            {
                emit TabPressed(false);
                return true;
            }
            if (pKey->key() == Qt::Key_Tab)
            {
                emit TabPressed(true);
                return true;
            }
        }
    }
    return QPushButton::event(pEvent);
}

void CTesmaraButton::keyPressEvent(QKeyEvent* pEvent)
{
    if (pEvent->key() == Qt::Key_Return || pEvent->key() == Qt::Key_Enter)
    {
        if (!pEvent->isAutoRepeat())
            click();
        return;
    }
    QPushButton::keyPressEvent(pEvent);
}
