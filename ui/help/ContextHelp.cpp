// The F1 key of the dialogs.
#include "help/ContextHelp.h"

#include "help/HelpWindow.h"

#include <QDialog>
#include <QKeyEvent>

CContextHelpKey::CContextHelpKey(FShow fnShow, QObject* pParent) : QObject(pParent), m_fnShow(std::move(fnShow)) {}

QStringList CContextHelpKey::ClassNames(const QWidget& window)
{
    QStringList names;
    for (const QMetaObject* pMeta = window.metaObject(); pMeta; pMeta = pMeta->superClass())
        names << QString::fromLatin1(pMeta->className());
    return names;
}

bool CContextHelpKey::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    // The main window has F1 as the shortcut of its Help command; dialogs get it here.
    if (pEvent->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(pEvent)->key() != Qt::Key_F1 ||
        !pWatched->isWidgetType())
        return false;
    QWidget* pWindow = static_cast<QWidget*>(pWatched)->window();
    if (!qobject_cast<QDialog*>(pWindow) || qobject_cast<CHelpWindow*>(pWindow))
        return false;
    m_fnShow(ClassNames(*pWindow));
    return true;
}
