// A change of language with a selection open: the catalogue reopened, the string table and the
// Qt translations installed, the main window and the step panel retranslated.
#include "../../tests/support/CompleteSelections.h"
#include "app/CommandIds.h"
#include "app/EuropeanAccumulatorApp.h"
#include "app/QtSettings.h"
#include "product/AccumulatorObject.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace
{
void BM_LanguageSwitchWithASelectionOpen(benchmark::State& state)
{
    QTemporaryDir dir;
    QApplication::setQuitOnLastWindowClosed(false);
    qputenv("TESMARA_TRANSLATIONS_DIR", TESMARA_TRANSLATIONS_DIR); // the bench does not live beside the program
    CQtSettings settings(dir.filePath(QStringLiteral("user.ini")), dir.filePath(QStringLiteral("system.ini")),
                         TESMARA_BUILT_DEFAULTS_INI);
    CEuropeanAccumulatorApp app(settings, {QStringLiteral("--no-splash")});
    const QString strFile = dir.filePath(QStringLiteral("piston.Ac3"));
    if (!app.InitInstance() || !SaveCompleteSelection(strFile.toStdString(), CompletePiston()) ||
        !app.OpenDocumentFile(strFile))
    {
        state.SkipWithError("the program or the selection did not open");
        return;
    }
    int nLanguage = 0;
    for (auto _ : state)
    {
        nLanguage = 1 - nLanguage; // German, then U.S. English, and so on
        app.OnCommand(cmd::LanguageFirst + nLanguage);
        QApplication::processEvents();
        if (app.Product().GetPartNumberDisplayText() != "PA31-4-150-VS-G")
            state.SkipWithError("the selection was not kept");
    }
}
BENCHMARK(BM_LanguageSwitchWithASelectionOpen)->Unit(benchmark::kMillisecond);
} // namespace
