// Writes four weeks of made-up practice into a progress record, for the
// screenshot of the window "Fortschritt": a child who practises on most days,
// gets better, and keeps missing a few facts.
// Usage: progress_demo <record file>
#include "progress/ProgressStore.h"

#include <QCoreApplication>

#include <cstdio>
#include <random>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: progress_demo <record file>\n");
        return 2;
    }
    ProgressStore store(QString::fromLocal8Bit(argv[1]));
    if (store.Open(true) != ProgressStore::State::Ready || !store.Begin()) {
        std::fprintf(stderr, "progress_demo: %s\n", qPrintable(store.ErrorText()));
        return 1;
    }
    std::mt19937 chance(11);
    const QDateTime now = QDateTime::currentDateTime();
    for (int day = 27; day >= 1; --day) {
        if (day % 6 == 3)
            continue; // a day without practice
        const QDateTime start = QDateTime(now.date().addDays(-day), QTime(16, 30));
        const int runs = 1 + day % 3;
        for (int r = 0; r < runs; ++r) {
            const bool minus = r % 2 == 1;
            qint64 run = 0;
            const QDateTime begin = start.addSecs(r * 900);
            store.InsertRun({ begin, begin.addSecs(300), minus ? 32788 : 32772,
                                "Aufgaben kleiner 10", 10, true, false },
                &run);
            for (int t = 0; t < 10; ++t) {
                const int a = 1 + int(chance() % 9);
                const int b = minus ? 1 + int(chance() % a) : 1 + int(chance() % (10 - a + 1));
                const int result = minus ? a - b : a + b;
                if (result < 0 || result > 10 || (!minus && b > 9))
                    continue;
                // Hard facts stay hard; everything else gets better over the weeks.
                const bool hard = (a + b == 9 && !minus) || (minus && b == 7);
                const double miss = hard ? 0.6 : 0.05 + day * 0.012;
                const bool missed = std::uniform_real_distribution<>(0, 1)(chance) < miss;
                ProgressStore::TaskRow row;
                row.shown = begin.addSecs(t * 25);
                row.task = QStringLiteral("%1 %2 %3 = ?").arg(a).arg(minus ? '-' : '+').arg(b);
                row.expected = QString::number(result);
                row.firstAnswer = missed ? QString::number(result + 1) : row.expected;
                row.outcome = missed
                    ? (chance() % 2 ? ProgressStore::RightLater : ProgressStore::SolvedByHelp)
                    : ProgressStore::RightFirst;
                row.seconds = 2.0 + double(chance() % 80) / 10;
                qint64 id = 0;
                store.InsertTask(run, row, &id);
            }
        }
    }
    if (!store.Commit()) {
        std::fprintf(stderr, "progress_demo: %s\n", qPrintable(store.ErrorText()));
        return 1;
    }
    return 0;
}
