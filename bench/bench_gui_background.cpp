// One paint of the main window's client area over a 1920 x 1080 background
// picture, against the same paint when the picture is missing (grey only).
// The picture is decoded once and then drawn from memory; a paint after the
// file changed decodes it again, measured on its own.
#include "TestSupport.h"
#include "app/BackgroundView.h"
#include "app/CMainFrame.h"
#include "settings/ProfileKeys.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

TestApp* g_app = nullptr;

void WritePicture(const QString& name)
{
    QImage picture(1920, 1080, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF));
    picture.save(name, "BMP");
}

void PaintLoop(benchmark::State& state, const char* picture)
{
    g_app->profile.Set(Setting::Background.key.section, Setting::Background.key.name, picture);
    CMainFrame frame(*g_app);
    frame.resize(1280, 800);
    frame.show();
    QApplication::processEvents();
    BackgroundView* view = frame.Background();
    view->repaint();
    for (auto _ : state)
        view->repaint();
    state.counters["drawn"] = view->PictureRect().isNull() ? 0 : 1;
}

void BM_PaintWithPicture(benchmark::State& state)
{
    PaintLoop(state, "gross.bmp");
}
BENCHMARK(BM_PaintWithPicture)->Unit(benchmark::kMillisecond);

void BM_PaintWithoutPicture(benchmark::State& state)
{
    PaintLoop(state, "fehlt.bmp");
}
BENCHMARK(BM_PaintWithoutPicture)->Unit(benchmark::kMillisecond);

// A new picture file: the paint that follows decodes it.
void BM_PaintAfterPictureChanged(benchmark::State& state)
{
    g_app->profile.Set(Setting::Background.key.section, Setting::Background.key.name, "gross.bmp");
    CMainFrame frame(*g_app);
    frame.resize(1280, 800);
    frame.show();
    QApplication::processEvents();
    BackgroundView* view = frame.Background();
    int turn = 0;
    for (auto _ : state) {
        state.PauseTiming();
        g_app->profile.Set(Setting::Background.key.section, Setting::Background.key.name,
            ++turn % 2 ? "gross2.bmp" : "gross.bmp");
        state.ResumeTiming();
        view->repaint();
    }
}
BENCHMARK(BM_PaintAfterPictureChanged)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    WritePicture(QStringLiteral("gross.bmp"));
    QFile::copy(QStringLiteral("gross.bmp"), QStringLiteral("gross2.bmp"));
    TestApp app;
    g_app = &app;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
