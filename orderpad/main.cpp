// tesmara-orderpad: the order pad program. It collects the line items that Tesmara hands over
// into its inbox folder; a second start for the same inbox brings the first one up instead.
#include "app/MessageBoxPrompt.h"
#include "outputs/OrderPad.h"
#include "outputs/OrderPadLink.h"
#include "outputs/OrderPadWindow.h"
#include "app/QtSettings.h"
#include "app/Translators.h"
#include "platform/StringTable.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    CMessageBoxPrompt prompt;
    CScopedPrompt scopedPrompt(prompt);
    QApplication::setApplicationName(QStringLiteral("Tesmara OrderPad"));
    QApplication::setApplicationVersion(QStringLiteral(TESMARA_VERSION));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tesmara-orderpad")));
    QGuiApplication::setDesktopFileName(QStringLiteral("tesmara-orderpad"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Collects the line items handed over by Tesmara Accumulator."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption inboxOption(QStringLiteral("inbox"), QStringLiteral("The inbox folder to read."),
                                         QStringLiteral("folder"));
    parser.addOption(inboxOption);
    parser.process(application);
    const std::filesystem::path inbox = parser.isSet(inboxOption)
                                            ? std::filesystem::path(parser.value(inboxOption).toStdU16String())
                                            : DefaultOrderPadInbox();

    if (RaiseRunningOrderPad(inbox))
        return 0;
    // The language the desktop program speaks.
    const std::string strLanguage =
        CQtSettings::ForApplication()->ReadString("Language").value_or(std::string("US"));
    SetStringLanguage(strLanguage);
    CTranslators translators;
    translators.Install(QString::fromStdString(strLanguage));
    COrderPadWindow window(inbox);
    if (!window.Listen())
        std::fprintf(stderr, "tesmara-orderpad: other programs cannot bring this window up.\n");
    window.show();
    return QApplication::exec();
}
