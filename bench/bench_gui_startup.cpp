// Start-up cost: from the application object to the first painted main
// window, against QApplication with a bare QMainWindow carrying the same six
// menu titles; and the main window alone against the bare one.  Runs on the
// offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include "app/BackgroundView.h"
#include "app/CMainFrame.h"
#include "app/CTrainerApp.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMenuBar>
#include <QTemporaryDir>

#include <memory>

namespace {

int g_argc = 1;
char g_name[] = "pilo";
char* g_argv[] = { g_name, nullptr };

class PaintWatch : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

void ShowAndWaitForPaint(QMainWindow& window, QWidget* client)
{
    PaintWatch watch;
    client->installEventFilter(&watch);
    window.resize(620, 440);
    window.showMaximized();
    while (!watch.painted)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    client->removeEventFilter(&watch);
}

void ShowBareWindow()
{
    QMainWindow window;
    for (const char* title : { "Plus", "Minus", "Vergleiche", "Eigene", "Optionen", "&Hilfe" })
        window.menuBar()->addMenu(QString::fromUtf8(title));
    auto* client = new QWidget;
    window.setCentralWidget(client);
    ShowAndWaitForPaint(window, client);
}

void BM_BareStartup(benchmark::State& state)
{
    for (auto _ : state) {
        QApplication app(g_argc, g_argv);
        ShowBareWindow();
    }
}

// InitInstance's own steps, with the wait for the first paint in between.
void BM_PiloStartup(benchmark::State& state)
{
    for (auto _ : state) {
        CTrainerApp app(g_argc, g_argv);
        app.InitInstance();
        PaintWatch watch;
        app.MainFrame()->Background()->installEventFilter(&watch);
        while (!watch.painted)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

void BM_BareMainWindow(benchmark::State& state)
{
    QApplication app(g_argc, g_argv);
    for (auto _ : state)
        ShowBareWindow();
}

void BM_PiloMainWindow(benchmark::State& state)
{
    CTrainerApp app(g_argc, g_argv);
    for (auto _ : state) {
        CMainFrame frame(app);
        ShowAndWaitForPaint(frame, frame.Background());
    }
}

BENCHMARK(BM_BareStartup)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_PiloStartup)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_BareMainWindow)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PiloMainWindow)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
