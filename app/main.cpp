// Tesmara Accumulator, the desktop program: the prompt and settings seams, then the application object.
#include "app/AppStyle.h"
#include "app/CommandLine.h"
#include "app/EuropeanAccumulatorApp.h"
#include "app/MainFrame.h"
#include "app/MessageBoxPrompt.h"
#include "app/QtSettings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QTimer>

#include <cstdio>
#include <string_view>

int main(int argc, char* argv[])
{
    // Answered before any window system is needed, so they work on a console and for the manual.
    for (int i = 1; i < argc; ++i)
    {
        const std::string_view strArg(argv[i]);
        if (strArg == "--help" || strArg == "-h")
            return std::fputs(CCmdLineInfo::HelpText().c_str(), stdout) < 0 ? 1 : 0;
        if (strArg == "--version")
            return std::printf("tesmara-accumulator %s\n", TESMARA_VERSION) < 0 ? 1 : 0;
    }

    QElapsedTimer startup;
    startup.start();
    QApplication application(argc, argv);
    QApplication::setStyle(new CAppStyle); // owned by the application
    QApplication::setApplicationName(QStringLiteral("Tesmara Accumulator"));
    QApplication::setApplicationVersion(QStringLiteral(TESMARA_VERSION));
    // The installed icon theme's picture; the desktop entry ties the windows to the menu entry.
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tesmara-accumulator")));
    QGuiApplication::setDesktopFileName(QStringLiteral("tesmara-accumulator"));

    CMessageBoxPrompt prompt;
    CScopedPrompt scopedPrompt(prompt);
    const std::unique_ptr<CQtSettings> pSettings = CQtSettings::ForApplication();

    QStringList args = QApplication::arguments();
    args.removeFirst();
    CEuropeanAccumulatorApp app(*pSettings, args);
    if (!app.InitInstance())
        return 1;
    if (app.CommandLine().m_bPrint)
        return app.Printed() ? 0 : 1;

    // For measuring start-up: the time until the main window is shown, then quit.
    if (qEnvironmentVariableIsSet("TESMARA_STARTUP_PROBE"))
        QTimer::singleShot(0, &application,
                           [&]
                           {
                               std::printf("startup-ms %lld\n", static_cast<long long>(startup.elapsed()));
                               std::fflush(stdout);
                               QApplication::exit(0);
                           });
    return QApplication::exec();
}
