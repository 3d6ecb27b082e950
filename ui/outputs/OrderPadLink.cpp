// Starting or raising the order pad program, and the clipboard offer.
#include "outputs/OrderPadLink.h"

#include "platform/Settings.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocalSocket>
#include <QMimeData>
#include <QProcess>

std::filesystem::path OrderPadInboxFrom(const ISettings& settings)
{
    const std::string strInbox = settings.ReadString(orderpadkey::Inbox).value_or(std::string());
    return strInbox.empty() ? DefaultOrderPadInbox() : std::filesystem::u8path(strInbox);
}

QString OrderPadServerName(const std::filesystem::path& inbox)
{
    const QString strInbox = QDir::cleanPath(QString::fromStdU16String(std::filesystem::absolute(inbox).u16string()));
    return QStringLiteral("tesmara-orderpad-") +
           QString::fromLatin1(QCryptographicHash::hash(strInbox.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

bool RaiseRunningOrderPad(const std::filesystem::path& inbox)
{
    QLocalSocket socket;
    socket.connectToServer(OrderPadServerName(inbox));
    if (!socket.waitForConnected(500))
        return false;
    socket.write("show\n");
    socket.waitForBytesWritten(500);
    socket.disconnectFromServer();
    return true;
}

QString CDesktopOrderPadLink::Program() const
{
    const std::string strProgram = m_settings.ReadString(orderpadkey::Program).value_or(std::string());
    if (!strProgram.empty())
        return QString::fromStdString(strProgram);
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("tesmara-orderpad"));
}

bool CDesktopOrderPadLink::Open(std::string& strError)
{
    const std::filesystem::path inbox = OrderPadInboxFrom(m_settings);
    if (RaiseRunningOrderPad(inbox))
        return true;
    const QString strProgram = Program();
    if (!QFileInfo(strProgram).isExecutable())
    {
        strError = "The order pad program " + QDir::toNativeSeparators(strProgram).toStdString() + " is not installed.";
        return false;
    }
    if (!QProcess::startDetached(strProgram, {QStringLiteral("--inbox"), QString::fromStdU16String(inbox.u16string())}))
    {
        strError = "The order pad program " + QDir::toNativeSeparators(strProgram).toStdString() + " could not be started.";
        return false;
    }
    return true;
}

void CDesktopOrderPadLink::Offer(const std::string& strDocument)
{
    auto* pData = new QMimeData;
    pData->setData(QString::fromLatin1(kOrderPadMimeType), QByteArray(strDocument.data(), static_cast<int>(strDocument.size())));
    if (QClipboard* pClipboard = QGuiApplication::clipboard())
        pClipboard->setMimeData(pData);
    else
        delete pData;
}
