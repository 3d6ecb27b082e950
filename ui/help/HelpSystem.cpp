// Registering the help and finding a dialog's page.
#include "help/HelpSystem.h"

#include "help/HelpWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QHelpEngine>
#include <QHelpLink>

CHelpSystem::CHelpSystem(const QString& strHelpFile, const QString& strCollection, QObject* pParent)
    : QObject(pParent)
{
    if (strHelpFile.isEmpty() || !QDir().mkpath(QFileInfo(strCollection).absolutePath()))
        return;
    m_pEngine = std::make_unique<QHelpEngine>(strCollection);
    // The user's own collection: the help is registered in it, and its search index kept beside it.
    m_pEngine->setReadOnly(false);
    m_pEngine->setUsesFilterEngine(true);
    const QString strNamespace = QHelpEngineCore::namespaceName(strHelpFile);
    if (!m_pEngine->setupData() || strNamespace.isEmpty())
        return;
    // The collection follows the installed help: another file of the same name space replaces it.
    const QString strRegistered = m_pEngine->documentationFileName(strNamespace);
    if (!strRegistered.isEmpty() && QFileInfo(strRegistered) != QFileInfo(strHelpFile))
        m_pEngine->unregisterDocumentation(strNamespace);
    if (m_pEngine->documentationFileName(strNamespace).isEmpty() && !m_pEngine->registerDocumentation(strHelpFile))
        return;
    m_strNamespace = strNamespace;
}

CHelpSystem::~CHelpSystem()
{
    // The window holds the engine's widgets: it goes before the engine.
    delete m_pWindow.data();
}

CHelpWindow* CHelpSystem::Window() const
{
    return m_pWindow.data();
}

QUrl CHelpSystem::PageFor(const QStringList& names) const
{
    if (!IsReady())
        return QUrl();
    for (const QString& strName : names + QStringList{QStringLiteral("overview")})
    {
        const QList<QHelpLink> links = m_pEngine->documentsForIdentifier(strName);
        if (!links.isEmpty())
            return links.first().url;
    }
    return QUrl();
}

bool CHelpSystem::Show(const QStringList& names)
{
    const QUrl page = PageFor(names);
    if (!page.isValid())
        return false;
    if (!m_pWindow)
    {
        m_pWindow = new CHelpWindow(*m_pEngine);
        connect(m_pWindow, &CHelpWindow::ReferenceRequested, this, &CHelpSystem::ReferenceRequested);
    }
    m_pWindow->ShowPage(page);
    return true;
}

QString FindHelpFile(const QString& strApplicationFolder, const QStringList& languages)
{
    for (const QString& strLanguage : languages)
    {
        const QString strFile = QDir(strApplicationFolder).filePath(QStringLiteral("help/%1/tesmara.qch").arg(strLanguage));
        if (QFileInfo(strFile).isFile())
            return strFile;
    }
    return QString();
}
