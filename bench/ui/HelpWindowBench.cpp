// What F1 costs: the help window shown at a dialog's page, the first time (the help registered in a
// new collection, the window built) and once it is open (another page).
#include "BenchProduct.h"
#include "help/HelpSystem.h"
#include "help/HelpWindow.h"

#include <QTemporaryDir>

namespace
{
QString HelpFile()
{
    return FindHelpFile(TESMARA_BUILT_APP_DIR, {"US"});
}

void BM_HelpFirstShownAtATopic(benchmark::State& state)
{
    for (auto _ : state)
    {
        QTemporaryDir dir;
        CHelpSystem help(HelpFile(), dir.filePath("US.qhc"));
        help.Show({"CShockSuppress"});
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(help.Window()->CurrentPage());
    }
}
BENCHMARK(BM_HelpFirstShownAtATopic)->Unit(benchmark::kMillisecond);

void BM_HelpShowsAnotherTopic(benchmark::State& state)
{
    QTemporaryDir dir;
    CHelpSystem help(HelpFile(), dir.filePath("US.qhc"));
    const QStringList topics[] = {{"CShockSuppress"}, {"CHoldingLeakage"}};
    int n = 0;
    for (auto _ : state)
    {
        help.Show(topics[n++ % 2]);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_HelpShowsAnotherTopic)->Unit(benchmark::kMillisecond);
} // namespace
