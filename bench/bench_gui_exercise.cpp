// Opening the exercise window until its first task shows, and repainting it
// over a 1024 x 768 "BackGround.bmp", each against an empty dialog of the
// same size opened and painted the same way.
#include "TestSupport.h"
#include "engine/CExerciseDlg.h"
#include "engine/Catalogue.h"
#include "engine/RandomSource.h"
#include "feedback/Dib.h"
#include "settings/ProfileKeys.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void WriteBackground()
{
    QImage picture(1024, 768, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF));
    picture.save("BackGround.bmp", "BMP");
}

TestApp& App()
{
    static TestApp app;
    app.profile.Set(Setting::Tasks.key.section, Setting::Tasks.key.name, "10");
    return app;
}

void ShowAndPaint(QWidget& w)
{
    w.show();
    QApplication::processEvents();
    w.repaint();
}

void BM_OpenExerciseWindow(benchmark::State& state)
{
    for (auto _ : state) {
        CExerciseDlg dlg(App(), *FindExerciseKind(32772));
        dlg.OnInitDialog();
        ShowAndPaint(dlg);
        benchmark::DoNotOptimize(TaskLine(dlg)->text());
        dlg.hide();
    }
}
BENCHMARK(BM_OpenExerciseWindow)->Unit(benchmark::kMillisecond);

void BM_OpenEmptyDialog(benchmark::State& state)
{
    for (auto _ : state) {
        QDialog dlg;
        dlg.setFixedSize(CExerciseDlg::kClientWidth, CExerciseDlg::kClientHeight);
        ShowAndPaint(dlg);
        dlg.hide();
    }
}
BENCHMARK(BM_OpenEmptyDialog)->Unit(benchmark::kMillisecond);

// The parts of opening: the window's run start without showing it, and the
// picture's decoding and stretching.
void BM_StartRunHidden(benchmark::State& state)
{
    for (auto _ : state) {
        CExerciseDlg dlg(App(), *FindExerciseKind(32772));
        dlg.OnInitDialog();
        benchmark::DoNotOptimize(TaskLine(dlg)->text());
    }
}
BENCHMARK(BM_StartRunHidden)->Unit(benchmark::kMillisecond);

void BM_ReadAndStretchBackground(benchmark::State& state)
{
    for (auto _ : state) {
        const QImage dib = ReadDIB(QStringLiteral("BackGround.bmp"));
        QImage scaled(CExerciseDlg::kClientWidth, CExerciseDlg::kClientHeight,
            QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&scaled);
        StretchDIB(painter, dib, scaled.rect());
    }
}
BENCHMARK(BM_ReadAndStretchBackground)->Unit(benchmark::kMillisecond);

void BM_PaintExerciseWindow(benchmark::State& state)
{
    CExerciseDlg dlg(App(), *FindExerciseKind(32772));
    dlg.OnInitDialog();
    ShowAndPaint(dlg);
    for (auto _ : state)
        dlg.repaint();
}
BENCHMARK(BM_PaintExerciseWindow)->Unit(benchmark::kMillisecond);

void BM_PaintEmptyDialog(benchmark::State& state)
{
    QDialog dlg;
    dlg.setFixedSize(CExerciseDlg::kClientWidth, CExerciseDlg::kClientHeight);
    ShowAndPaint(dlg);
    for (auto _ : state)
        dlg.repaint();
}
BENCHMARK(BM_PaintEmptyDialog)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    WriteBackground();
    RandomSource::SetClock([] { return 12345; });

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
