// The progress window over a record of ten years of daily practice (about
// 200 000 answers), opened until its chart and fact grid are drawn, against a
// dialog with an empty chart and an empty grid of the same size drawn the
// same way; and one answer recorded into that record, against a bare
// INSERT into a table of the same file settings.
#include "TestSupport.h"
#include "progress/CProgressDlg.h"
#include "progress/ProgressRecorder.h"
#include "progress/ProgressStore.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>

namespace {

constexpr int kDays = 3650;
constexpr int kRunsPerDay = 5;
constexpr int kTasksPerRun = 11; // 3650 x 5 x 11 = 200 750 answers

QString g_record;
QString g_bare;

// Ten years of runs, five a day of eleven tasks, four in five right at once.
void WriteRecord(const QString& path)
{
    ProgressStore store(path);
    if (store.Open(true) != ProgressStore::State::Ready || !store.Begin())
        std::abort();
    std::mt19937 chance(7);
    const QDateTime now = QDateTime::currentDateTime();
    for (int day = kDays - 1; day >= 0; --day) {
        for (int r = 0; r < kRunsPerDay; ++r) {
            const QDateTime start = now.addDays(-day).addSecs(-3600 * (r + 1));
            const bool minus = r % 2 == 1;
            qint64 run = 0;
            store.InsertRun({ start, start.addSecs(120), minus ? 32788 : 32772,
                                "Aufgaben kleiner 10", kTasksPerRun, true, false },
                &run);
            for (int t = 0; t < kTasksPerRun; ++t) {
                const int a = int(chance() % 11);
                const int b = minus ? int(chance() % (a + 1)) : int(chance() % (11 - a));
                ProgressStore::TaskRow row;
                row.shown = start.addSecs(t * 10);
                row.task = QStringLiteral("%1 %2 %3 = ?").arg(a).arg(minus ? '-' : '+').arg(b);
                row.expected = QString::number(minus ? a - b : a + b);
                row.outcome = chance() % 5 == 0 ? int(chance() % 4) : 0;
                row.firstAnswer = row.outcome == 0 ? row.expected : QStringLiteral("0");
                row.seconds = 3.5;
                qint64 id = 0;
                store.InsertTask(run, row, &id);
            }
        }
    }
    if (!store.Commit())
        std::abort();
}

TestApp& App()
{
    static TestApp app;
    static ProgressRecorder recorder(g_record);
    app.SetRecorder(&recorder);
    return app;
}

void Draw(QDialog& dlg, QWidget* chart, QWidget* grid)
{
    dlg.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(chart->grab());
    benchmark::DoNotOptimize(grid->grab());
}

void BM_OpenProgressWindow(benchmark::State& state)
{
    for (auto _ : state) {
        CProgressDlg dlg(App());
        Draw(dlg, dlg.ChartView(), dlg.FactTable());
        dlg.hide();
    }
}
BENCHMARK(BM_OpenProgressWindow)->Unit(benchmark::kMillisecond);

void BM_ProgressAllTime(benchmark::State& state)
{
    for (auto _ : state) {
        CProgressDlg dlg(App());
        dlg.PeriodBox()->setCurrentIndex(CProgressDlg::AllTime);
        Draw(dlg, dlg.ChartView(), dlg.FactTable());
        dlg.hide();
    }
}
BENCHMARK(BM_ProgressAllTime)->Unit(benchmark::kMillisecond);

void BM_OpenEmptyChartDialog(benchmark::State& state)
{
    for (auto _ : state) {
        QDialog dlg;
        dlg.resize(900, 640);
        auto* chart = new QChartView(new QChart, &dlg);
        auto* grid = new QTableWidget(21, 21, &dlg);
        auto* layout = new QVBoxLayout(&dlg);
        layout->addWidget(chart);
        layout->addWidget(grid);
        Draw(dlg, chart, grid);
        dlg.hide();
    }
}
BENCHMARK(BM_OpenEmptyChartDialog)->Unit(benchmark::kMillisecond);

void BM_RecordAnswer(benchmark::State& state)
{
    ProgressRecorder recorder(g_record);
    recorder.RunStarted(32772, "Aufgaben kleiner 10", 1 << 30);
    for (auto _ : state) {
        recorder.TaskShown("3 + 4 = ?", "7");
        recorder.Answered("7", true);
    }
    recorder.RunEnded(false, false);
    if (!recorder.LastError().empty())
        state.SkipWithError(recorder.LastError().c_str());
}
BENCHMARK(BM_RecordAnswer)->Unit(benchmark::kMillisecond);

void BM_InsertRowBare(benchmark::State& state)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "bare");
        db.setDatabaseName(g_bare);
        db.open();
        QSqlQuery query(db);
        query.exec("PRAGMA journal_mode=WAL");
        query.exec("PRAGMA synchronous=FULL");
        query.exec("CREATE TABLE IF NOT EXISTS t (a TEXT, b TEXT)");
        query.prepare("INSERT INTO t VALUES (?, ?)");
        for (auto _ : state) {
            query.addBindValue("3 + 4 = ?");
            query.addBindValue("7");
            query.exec();
        }
    }
    QSqlDatabase::removeDatabase("bare");
}
BENCHMARK(BM_InsertRowBare)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Beside the build rather than in /tmp, which may be memory: the record
    // belongs on a disk, where each answer waits for it.
    QTemporaryDir dir(
        QCoreApplication::applicationDirPath() + QStringLiteral("/bench-progress-XXXXXX"));
    g_record = dir.filePath("fortschritt.sqlite");
    g_bare = dir.filePath("bare.sqlite");
    WriteRecord(g_record);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
