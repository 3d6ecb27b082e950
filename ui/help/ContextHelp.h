// F1 in a dialog: the help at the topic of the dialog it was pressed in.
#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QWidget;

class CContextHelpKey : public QObject
{
public:
    // fnShow gets the class names of the dialog, its own first, then those of its bases.
    using FShow = std::function<void(const QStringList& classNames)>;
    CContextHelpKey(FShow fnShow, QObject* pParent = nullptr);

    // A window's class and the classes it derives from, most derived first.
    static QStringList ClassNames(const QWidget& window);

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    FShow m_fnShow;
};
