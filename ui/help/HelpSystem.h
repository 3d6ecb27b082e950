// The program's help: its help file registered in the user's help collection, the help window, and
// the page of a dialog.
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QUrl>

#include <memory>

class CHelpWindow;
class QHelpEngine;

class CHelpSystem : public QObject
{
    Q_OBJECT

public:
    // strHelpFile: the help (.qch) to show; strCollection: the user's collection file, made when
    // missing (the full-text index is kept beside it).
    CHelpSystem(const QString& strHelpFile, const QString& strCollection, QObject* pParent = nullptr);
    ~CHelpSystem() override;

    // The help file could be read and registered.
    bool IsReady() const { return !m_strNamespace.isEmpty(); }
    // The page of the first name (a dialog's class, its number or a topic) that has one, else the
    // help's first page.
    QUrl PageFor(const QStringList& names) const;
    // The help window at that page; false when there is no help to show.
    bool Show(const QStringList& names);
    CHelpWindow* Window() const;

signals:
    // A page linked a reference document.
    void ReferenceRequested(const QString& strFile);

private:
    std::unique_ptr<QHelpEngine> m_pEngine;
    QString m_strNamespace;
    QPointer<CHelpWindow> m_pWindow;
};

// The help file of a language in the application folder (help/XX/tesmara.qch), else that of the
// first language that has one; empty when none is installed.
QString FindHelpFile(const QString& strApplicationFolder, const QStringList& languages);
