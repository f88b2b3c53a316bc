#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>

#include <optional>

class QSqlError;

// The SQLite file that keeps every recorded run and task.  One object is one
// connection; several, in one process or several, may use the file at once
// (write-ahead log, and a short wait when another one is writing).
class ProgressStore {
public:
    // PRAGMA user_version of the files this version writes; a later version
    // migrates from it, as this one brings a file of version 1 (without the
    // counts) up to date when it opens it.
    static constexpr int kSchemaVersion = 2;
    // PRAGMA application_id: "Pilo", so a foreign SQLite file is told apart.
    static constexpr int kApplicationId = 0x50696C6F;

    enum class State { Missing, Ready, Damaged, Newer, Foreign };

    // How a shown task ended.  Stored as the number.
    enum Outcome {
        RightFirst = 0, // right at the first try
        RightLater = 1, // right after "Nochmal" or a hint
        SolvedByHelp = 2, // solved by "Lösen"
        EndedOpen = 3, // the run ended before it was solved
    };

    struct RunRow {
        QDateTime started;
        QDateTime ended;
        int kind = 0;
        QString kindText;
        int taskTarget = 0;
        bool finished = false;
        bool rewarded = false;
    };
    struct TaskRow {
        QDateTime shown;
        QString task;
        QString expected;
        std::optional<QString> firstAnswer;
        int outcome = EndedOpen;
        std::optional<double> seconds;
    };

    explicit ProgressStore(const QString& path);
    ~ProgressStore();
    ProgressStore(const ProgressStore&) = delete;
    ProgressStore& operator=(const ProgressStore&) = delete;

    // Opens and checks the file.  With create, a missing file (and its
    // folder) is made; without, a missing file stays missing.
    State Open(bool create);
    State GetState() const { return state_; }
    // Why the file cannot be used, or why the last write failed; German.
    QString ErrorText() const { return error_; }
    const QString& Path() const { return path_; }
    QSqlDatabase Database() const { return db_; }

    // A write transaction; the other process waits for it a short while.
    bool Begin();
    bool Commit();
    void Rollback();

    bool InsertRun(const RunRow& run, qint64* id);
    bool UpdateRun(qint64 id, const QDateTime& ended, bool finished, bool rewarded);
    bool InsertTask(qint64 run, const TaskRow& task, qint64* id);
    bool SetOutcome(qint64 task, int outcome);

    // $XDG_DATA_HOME/pilo/fortschritt.sqlite (~/.local/share/pilo/...).
    static QString DefaultPath();
    // Moves the file and its log aside, beside it, under a name with the date
    // and time; nothing is deleted.  The new name goes to *aside.
    static bool SetAside(const QString& path, QString* aside, QString* error);
    // Times are kept as local time text, so a day is its first ten characters.
    static QString TimeText(const QDateTime& time);
    static QDateTime FromTimeText(const QString& text);
    // A German sentence for a failed SQLite call.
    static QString Reason(const QSqlError& error);

private:
    State Check(bool create);
    // Makes the tables of an empty file, or adds what a file of an older
    // version lacks, in one transaction.
    bool Upgrade();
    bool Fail(const QSqlError& error);
    State Refuse(State state, const QString& text);

    QString path_;
    QString connection_;
    QSqlDatabase db_;
    State state_ = State::Missing;
    QString error_;
};
