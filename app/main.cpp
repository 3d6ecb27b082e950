// Tesmara Accumulator, the desktop program: the prompt and settings seams, then the application object.
#include "app/AppStyle.h"
#include "app/EuropeanAccumulatorApp.h"
#include "app/MainFrame.h"
#include "app/MessageBoxPrompt.h"
#include "app/QtSettings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QElapsedTimer startup;
    startup.start();
    QApplication application(argc, argv);
    QApplication::setStyle(new CAppStyle); // owned by the application
    QApplication::setApplicationName(QStringLiteral("Tesmara Accumulator"));
    QApplication::setApplicationVersion(QStringLiteral(TESMARA_VERSION));

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
