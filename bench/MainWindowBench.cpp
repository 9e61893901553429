// The window program on the offscreen platform: start-up to the first painted main window
// (resources, catalogue, window, first paint), and one full paint of the main window.
#include "AppResources.h"
#include "CZelkDlg.h"
#include "KeyboardProfile.h"
#include "QtMessageSink.h"
#include "SimulatedKeyboard.h"

#include <QApplication>
#include <QDir>
#include <QEvent>

#include <benchmark/benchmark.h>

namespace {

// Tells when the window has painted for the first time.
class PaintWatch : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) painted = true;
        return false;
    }
};

void useTemporaryKeyboard(KeyboardProfile& profile)
{
    profile.device.simulator().setStatePath(QDir::temp().filePath(QStringLiteral("vornictamsk-bench.state")).toStdString());
}

void BM_StartUpToFirstPaintedMainWindow(benchmark::State& state)
{
    for (auto _ : state) {
        KeyboardProfile profile;
        useTemporaryKeyboard(profile);
        AppResources::load();
        profile.initCatalogue();
        QtMessageSink::install();
        CZelkDlg window(profile);
        PaintWatch watch;
        window.installEventFilter(&watch);
        window.show();
        while (!watch.painted) QApplication::processEvents();

        state.PauseTiming();
        window.hide();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToFirstPaintedMainWindow)->Unit(benchmark::kMillisecond);

void BM_FullPaintOfTheMainWindow(benchmark::State& state)
{
    KeyboardProfile profile;
    useTemporaryKeyboard(profile);
    AppResources::load();
    profile.initCatalogue();
    CZelkDlg window(profile);
    window.show();
    QApplication::processEvents();
    // Some keys lit, as a user's profile has them.
    for (int key = 1; key <= KeyboardProfile::kKeyCount; key += 3) profile.assignment(key, 0).kind = Kind::Single;
    for (auto _ : state) window.repaint();
}
BENCHMARK(BM_FullPaintOfTheMainWindow)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
