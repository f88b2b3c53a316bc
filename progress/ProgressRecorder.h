#pragma once

#include "engine/RunRecorder.h"
#include "progress/ProgressStore.h"

#include <QDateTime>
#include <QElapsedTimer>

#include <memory>

// Keeps every run in the progress file, one transaction per answer, so a
// crash loses at most the answer being typed.  The file is opened (and
// made) at the first answer, not before.  A failed write is kept as
// LastError() and the run goes on; the next answer tries again.
class ProgressRecorder : public RunRecorder {
public:
    explicit ProgressRecorder(const QString& path);
    ~ProgressRecorder() override;

    void RunStarted(int kind, const std::string& kindText, int taskTarget) override;
    void TaskShown(const std::string& task, const std::string& expected) override;
    void Answered(const std::string& typed, bool right) override;
    void Solved() override;
    void RunEnded(bool finished, bool rewarded) override;

    std::string FilePath() const override { return path_.toStdString(); }
    std::string LastError() const override { return error_.toStdString(); }
    void Release() override;

private:
    ProgressStore* Store();
    // Runs write in one transaction; false (error kept) when it failed.
    template <typename Write> void InTransaction(Write write);
    bool EnsureRun(ProgressStore& store);

    struct Run {
        bool active = false;
        int kind = 0;
        QString kindText;
        int taskTarget = 0;
        QDateTime started;
        qint64 id = 0;
    };
    struct Task {
        bool shown = false;
        QString text;
        QString expected;
        QDateTime shownAt;
        QElapsedTimer clock;
        bool answered = false;
        bool settled = false;
        qint64 id = 0;
    };

    QString path_;
    std::unique_ptr<ProgressStore> store_;
    Run run_;
    Task task_;
    QString error_;
};
