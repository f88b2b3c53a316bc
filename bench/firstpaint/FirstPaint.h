#pragma once

// Start-up probes for tools/bench.sh: a program built like the real one that
// ends right after the first paint of its main window's client area and
// prints how long that took from the moment the script launched it
// (argv[1], CLOCK_REALTIME in nanoseconds) and its peak memory so far.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/resource.h>

class FirstPaint : public QObject {
public:
    explicit FirstPaint(const char* launchedNs)
        : launched_(launchedNs ? std::strtoll(launchedNs, nullptr, 10) : 0)
    {
    }

    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !done_) {
            done_ = true;
            timespec now {};
            clock_gettime(CLOCK_REALTIME, &now);
            const long long ns = now.tv_sec * 1'000'000'000LL + now.tv_nsec;
            rusage usage {};
            getrusage(RUSAGE_SELF, &usage);
            std::printf("%.2f %ld\n", (ns - launched_) / 1e6, usage.ru_maxrss);
            std::fflush(stdout);
            // After this paint has finished, as a person would close it.
            QTimer::singleShot(0, [] { QCoreApplication::quit(); });
        }
        return false;
    }

private:
    long long launched_;
    bool done_ = false;
};
