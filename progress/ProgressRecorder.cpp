#include "progress/ProgressRecorder.h"

namespace {

QString FromStd(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

ProgressRecorder::ProgressRecorder(const QString& path)
    : path_(path)
{
}

ProgressRecorder::~ProgressRecorder() = default;

void ProgressRecorder::Release()
{
    store_.reset();
    // The run in progress goes on in the new file.
    run_.id = 0;
    task_.id = 0;
}

ProgressStore* ProgressRecorder::Store()
{
    if (store_ && store_->GetState() == ProgressStore::State::Ready)
        return store_.get();
    store_ = std::make_unique<ProgressStore>(path_);
    if (store_->Open(true) != ProgressStore::State::Ready) {
        error_ = store_->ErrorText();
        store_.reset();
        return nullptr;
    }
    return store_.get();
}

template <typename Write> void ProgressRecorder::InTransaction(Write write)
{
    ProgressStore* store = Store();
    if (!store)
        return;
    const qint64 runBefore = run_.id;
    const qint64 taskBefore = task_.id;
    if (store->Begin() && write(*store) && store->Commit()) {
        error_.clear();
        return;
    }
    store->Rollback();
    // Rows made in the failed transaction are gone again.
    run_.id = runBefore;
    task_.id = taskBefore;
    error_ = QStringLiteral("Die Aufzeichnung „%1“ konnte nicht geschrieben werden. %2")
                 .arg(path_, store->ErrorText());
}

bool ProgressRecorder::EnsureRun(ProgressStore& store)
{
    const QDateTime now = QDateTime::currentDateTime();
    if (run_.id != 0)
        return store.UpdateRun(run_.id, now, false, false);
    ProgressStore::RunRow row;
    row.started = run_.started;
    row.ended = now;
    row.kind = run_.kind;
    row.kindText = run_.kindText;
    row.taskTarget = run_.taskTarget;
    return store.InsertRun(row, &run_.id);
}

void ProgressRecorder::RunStarted(int kind, const std::string& kindText, int taskTarget)
{
    run_ = Run { true, kind, FromStd(kindText), taskTarget, QDateTime::currentDateTime(), 0 };
    task_.shown = false;
}

void ProgressRecorder::TaskShown(const std::string& task, const std::string& expected)
{
    if (!run_.active)
        return;
    task_.shown = true;
    task_.text = FromStd(task);
    task_.expected = FromStd(expected);
    task_.shownAt = QDateTime::currentDateTime();
    task_.clock.start();
    task_.answered = false;
    task_.settled = false;
    task_.id = 0;
}

void ProgressRecorder::Answered(const std::string& typed, bool right)
{
    if (!run_.active || !task_.shown || task_.settled)
        return;
    if (task_.answered) {
        // A later try: only a right one changes how the task ended.
        if (!right)
            return;
        task_.settled = true;
        if (task_.id != 0)
            InTransaction([this](ProgressStore& store) {
                return store.SetOutcome(task_.id, ProgressStore::RightLater) && EnsureRun(store);
            });
        return;
    }
    task_.answered = true;
    task_.settled = right;
    ProgressStore::TaskRow row;
    row.shown = task_.shownAt;
    row.task = task_.text;
    row.expected = task_.expected;
    row.firstAnswer = FromStd(typed);
    // Until it is settled, a missed task stands as ended with the run.
    row.outcome = right ? ProgressStore::RightFirst : ProgressStore::EndedOpen;
    row.seconds = double(task_.clock.elapsed()) / 1000.0;
    InTransaction([this, &row](ProgressStore& store) {
        return EnsureRun(store) && store.InsertTask(run_.id, row, &task_.id);
    });
}

void ProgressRecorder::Solved()
{
    if (!run_.active || !task_.shown || task_.settled)
        return;
    task_.settled = true;
    if (task_.id != 0)
        InTransaction([this](ProgressStore& store) {
            return store.SetOutcome(task_.id, ProgressStore::SolvedByHelp) && EnsureRun(store);
        });
}

void ProgressRecorder::RunEnded(bool finished, bool rewarded)
{
    if (!run_.active)
        return;
    run_.active = false;
    // A run without a single answer taught nothing and is not kept.
    if (run_.id == 0)
        return;
    const bool unanswered = task_.shown && !task_.answered;
    InTransaction([this, finished, rewarded, unanswered](ProgressStore& store) {
        if (unanswered) {
            ProgressStore::TaskRow row;
            row.shown = task_.shownAt;
            row.task = task_.text;
            row.expected = task_.expected;
            row.outcome = ProgressStore::EndedOpen;
            qint64 id = 0;
            if (!store.InsertTask(run_.id, row, &id))
                return false;
        }
        return store.UpdateRun(run_.id, QDateTime::currentDateTime(), finished, rewarded);
    });
    task_.shown = false;
}
