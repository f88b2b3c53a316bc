#include "progress/ProgressStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>
#include <cstdlib>

namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
// A short wait for the other window's write; longer would hold up the child.
const QString kConnectOptions = QStringLiteral("QSQLITE_BUSY_TIMEOUT=250");

const char* const kSchema[] = {
    "CREATE TABLE runs ("
    " id INTEGER PRIMARY KEY,"
    " started TEXT NOT NULL,"
    " ended TEXT NOT NULL,"
    " kind INTEGER NOT NULL,"
    " kind_text TEXT NOT NULL,"
    " task_target INTEGER NOT NULL,"
    " finished INTEGER NOT NULL DEFAULT 0,"
    " rewarded INTEGER NOT NULL DEFAULT 0)",
    "CREATE TABLE tasks ("
    " id INTEGER PRIMARY KEY,"
    " run INTEGER NOT NULL REFERENCES runs(id),"
    " shown TEXT NOT NULL,"
    " task TEXT NOT NULL,"
    " expected TEXT NOT NULL,"
    " first_answer TEXT,"
    " outcome INTEGER NOT NULL,"
    " seconds REAL)",
    "CREATE INDEX tasks_shown ON tasks(shown)",
    "CREATE INDEX tasks_run ON tasks(run)",
};

// Since version 2: the answered tasks counted per day and kind, and per task,
// kept by SQLite itself with every task written, so the view of all time
// reads a few thousand rows instead of every answer.  The last statements
// count what a version 1 file holds already.
const char* const kCounts[] = {
    "CREATE TABLE day_counts ("
    " day TEXT NOT NULL,"
    " kind INTEGER NOT NULL,"
    " tasks INTEGER NOT NULL,"
    " right_first INTEGER NOT NULL,"
    " PRIMARY KEY (day, kind)) WITHOUT ROWID",
    "CREATE TABLE task_counts ("
    " kind INTEGER NOT NULL,"
    " task TEXT NOT NULL,"
    " expected TEXT NOT NULL,"
    " asked INTEGER NOT NULL,"
    " missed INTEGER NOT NULL,"
    " last TEXT NOT NULL,"
    " PRIMARY KEY (kind, task, expected)) WITHOUT ROWID",
    "CREATE TRIGGER tasks_count AFTER INSERT ON tasks WHEN NEW.first_answer IS NOT NULL BEGIN"
    " INSERT INTO day_counts VALUES (substr(NEW.shown, 1, 10),"
    "  (SELECT kind FROM runs WHERE id = NEW.run), 1, NEW.outcome = 0)"
    "  ON CONFLICT (day, kind) DO UPDATE SET tasks = tasks + 1,"
    "  right_first = right_first + excluded.right_first;"
    " INSERT INTO task_counts VALUES ((SELECT kind FROM runs WHERE id = NEW.run),"
    "  NEW.task, NEW.expected, 1, NEW.outcome <> 0, NEW.shown)"
    "  ON CONFLICT (kind, task, expected) DO UPDATE SET asked = asked + 1,"
    "  missed = missed + excluded.missed, last = max(last, excluded.last);"
    " END",
    // The recorder settles a missed task later, but never turns it into one
    // right at the first try or back; should a row change so, the counts follow.
    "CREATE TRIGGER tasks_recount AFTER UPDATE OF outcome ON tasks"
    " WHEN NEW.first_answer IS NOT NULL AND (OLD.outcome = 0) <> (NEW.outcome = 0) BEGIN"
    " UPDATE day_counts SET right_first = right_first + (NEW.outcome = 0) - (OLD.outcome = 0)"
    "  WHERE day = substr(NEW.shown, 1, 10) AND kind = (SELECT kind FROM runs WHERE id = NEW.run);"
    " UPDATE task_counts SET missed = missed + (NEW.outcome <> 0) - (OLD.outcome <> 0)"
    "  WHERE kind = (SELECT kind FROM runs WHERE id = NEW.run) AND task = NEW.task"
    "  AND expected = NEW.expected;"
    " END",
    "INSERT INTO day_counts SELECT substr(t.shown, 1, 10), r.kind, count(*), sum(t.outcome = 0)"
    " FROM tasks t JOIN runs r ON r.id = t.run WHERE t.first_answer IS NOT NULL"
    " GROUP BY 1, 2",
    "INSERT INTO task_counts SELECT r.kind, t.task, t.expected, count(*), sum(t.outcome <> 0),"
    " max(t.shown) FROM tasks t JOIN runs r ON r.id = t.run WHERE t.first_answer IS NOT NULL"
    " GROUP BY 1, 2, 3",
};

QString NextConnectionName()
{
    static std::atomic<int> counter { 0 };
    return QStringLiteral("pilo-progress-%1").arg(++counter);
}

bool LooksLikeSqlite(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true; // let SQLite say why it cannot open it
    const QByteArray head = file.read(16);
    // An empty file is an empty database to SQLite.
    return head.isEmpty() || head == QByteArray("SQLite format 3\0", 16);
}

} // namespace

ProgressStore::ProgressStore(const QString& path)
    : path_(path)
    , connection_(NextConnectionName())
{
}

ProgressStore::~ProgressStore()
{
    if (db_.isValid()) {
        db_.close();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(connection_);
    }
}

QString ProgressStore::DefaultPath()
{
    // XDG: a relative $XDG_DATA_HOME is invalid and ignored.
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    const QString folder = xdg.startsWith(QLatin1Char('/'))
        ? xdg
        : QDir::homePath() + QStringLiteral("/.local/share");
    return folder + QStringLiteral("/pilo/fortschritt.sqlite");
}

QString ProgressStore::TimeText(const QDateTime& time)
{
    return time.toString(kTimeFormat);
}

QDateTime ProgressStore::FromTimeText(const QString& text)
{
    return QDateTime::fromString(text, kTimeFormat);
}

QString ProgressStore::Reason(const QSqlError& error)
{
    // SQLite's result code, without the extended bits.
    const int code = error.nativeErrorCode().toInt() & 0xFF;
    switch (code) {
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return QStringLiteral("Ein anderes Pilo-Fenster schreibt gerade hinein.");
    case 8: // SQLITE_READONLY
    case 23: // SQLITE_AUTH
        return QStringLiteral("Die Datei darf nicht geschrieben werden.");
    case 10: // SQLITE_IOERR
        return QStringLiteral("Beim Lesen oder Schreiben ist ein Fehler aufgetreten (%1).")
            .arg(error.databaseText());
    case 11: // SQLITE_CORRUPT
        return QStringLiteral("Die Datei ist beschädigt.");
    case 13: // SQLITE_FULL
        return QStringLiteral("Der Datenträger ist voll.");
    case 14: // SQLITE_CANTOPEN
        return QStringLiteral("Die Datei lässt sich nicht öffnen.");
    case 26: // SQLITE_NOTADB
        return QStringLiteral("Die Datei ist keine Datenbank.");
    default:
        break;
    }
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return QStringLiteral("Fehler der Datenbank (%1).").arg(text);
}

ProgressStore::State ProgressStore::Open(bool create)
{
    error_.clear();
    state_ = Check(create);
    if (state_ != State::Ready && db_.isValid())
        db_.close();
    return state_;
}

ProgressStore::State ProgressStore::Refuse(State state, const QString& text)
{
    error_ = text;
    return state;
}

ProgressStore::State ProgressStore::Check(bool create)
{
    const QFileInfo info(path_);
    const QString shown = QDir::toNativeSeparators(path_);
    if (!info.exists()) {
        if (!create)
            return State::Missing;
        if (!QDir().mkpath(info.absolutePath()))
            return Refuse(State::Damaged,
                QStringLiteral("Der Ordner „%1“ lässt sich nicht anlegen.")
                    .arg(info.absolutePath()));
    } else if (!info.isFile()) {
        return Refuse(State::Foreign, QStringLiteral("„%1“ ist keine Datei.").arg(shown));
    } else if (!LooksLikeSqlite(path_)) {
        return Refuse(State::Foreign,
            QStringLiteral("Die Datei „%1“ ist keine Aufzeichnung von Pilo.").arg(shown));
    }

    if (!db_.isValid()) {
        db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
        db_.setDatabaseName(path_);
        db_.setConnectOptions(kConnectOptions);
    }
    if (!db_.isOpen() && !db_.open())
        return Refuse(State::Damaged,
            QStringLiteral("Die Aufzeichnung „%1“ lässt sich nicht öffnen. %2")
                .arg(shown, Reason(db_.lastError())));

    QSqlQuery query(db_);
    auto pragma = [&query](const char* name, int& value) {
        if (!query.exec(QStringLiteral("PRAGMA %1").arg(QLatin1String(name))) || !query.next())
            return false;
        value = query.value(0).toInt();
        return true;
    };
    int version = 0;
    int application = 0;
    int objects = 0;
    if (!pragma("user_version", version) || !pragma("application_id", application)
        || !query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !query.next())
        return Refuse(State::Damaged,
            QStringLiteral("Die Aufzeichnung „%1“ ist beschädigt. %2")
                .arg(shown, Reason(query.lastError())));
    objects = query.value(0).toInt();

    if (version > kSchemaVersion)
        return Refuse(State::Newer,
            QStringLiteral("Die Aufzeichnung „%1“ stammt von einer neueren Version von Pilo "
                           "und kann hier weder gelesen noch fortgeschrieben werden.")
                .arg(shown));
    if (version == 0 && objects == 0) {
        // An empty file: a record not begun yet.
        if (!create)
            return State::Missing;
        if (!Upgrade())
            return Refuse(State::Damaged,
                QStringLiteral("Die Aufzeichnung „%1“ lässt sich nicht anlegen. %2")
                    .arg(shown, error_));
    } else if (application != kApplicationId || version < 1) {
        return Refuse(State::Foreign,
            QStringLiteral("Die Datei „%1“ ist keine Aufzeichnung von Pilo.").arg(shown));
    } else if (version < kSchemaVersion && !Upgrade()) {
        return Refuse(State::Damaged,
            QStringLiteral("Die Aufzeichnung „%1“ lässt sich nicht auf den Stand dieser "
                           "Version von Pilo bringen. %2")
                .arg(shown, error_));
    }

    // The log lets the progress window read while an exercise writes; FULL
    // puts each answer on the disk before the next task shows.
    query.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    query.exec(QStringLiteral("PRAGMA synchronous=FULL"));
    return State::Ready;
}

bool ProgressStore::Upgrade()
{
    if (!Begin())
        return false;
    QSqlQuery query(db_);
    // Another Pilo may have done it while this one waited for the write lock.
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        Fail(query.lastError());
        Rollback();
        return false;
    }
    const int version = query.value(0).toInt();
    query.finish();
    auto run = [&query](const auto& statements) {
        for (const char* statement : statements)
            if (!query.exec(QLatin1String(statement)))
                return false;
        return true;
    };
    if (version < kSchemaVersion) {
        if ((version == 0 && !run(kSchema)) || !run(kCounts)
            || !query.exec(QStringLiteral("PRAGMA application_id=%1").arg(kApplicationId))
            || !query.exec(QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion))) {
            Fail(query.lastError());
            Rollback();
            return false;
        }
    }
    return Commit();
}

bool ProgressStore::Fail(const QSqlError& error)
{
    error_ = Reason(error);
    return false;
}

bool ProgressStore::Begin()
{
    // IMMEDIATE takes the write lock at once, so a second writer waits here
    // instead of failing halfway through.
    QSqlQuery query(db_);
    return query.exec(QStringLiteral("BEGIN IMMEDIATE")) || Fail(query.lastError());
}

bool ProgressStore::Commit()
{
    QSqlQuery query(db_);
    if (query.exec(QStringLiteral("COMMIT")))
        return true;
    Fail(query.lastError());
    Rollback();
    return false;
}

void ProgressStore::Rollback()
{
    QSqlQuery query(db_);
    query.exec(QStringLiteral("ROLLBACK"));
}

bool ProgressStore::InsertRun(const RunRow& run, qint64* id)
{
    QSqlQuery query(db_);
    query.prepare(QStringLiteral("INSERT INTO runs (started, ended, kind, kind_text, task_target, "
                                 "finished, rewarded) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(TimeText(run.started));
    query.addBindValue(TimeText(run.ended));
    query.addBindValue(run.kind);
    query.addBindValue(run.kindText);
    query.addBindValue(run.taskTarget);
    query.addBindValue(run.finished ? 1 : 0);
    query.addBindValue(run.rewarded ? 1 : 0);
    if (!query.exec())
        return Fail(query.lastError());
    *id = query.lastInsertId().toLongLong();
    return true;
}

bool ProgressStore::UpdateRun(qint64 id, const QDateTime& ended, bool finished, bool rewarded)
{
    QSqlQuery query(db_);
    query.prepare(
        QStringLiteral("UPDATE runs SET ended = ?, finished = ?, rewarded = ? WHERE id = ?"));
    query.addBindValue(TimeText(ended));
    query.addBindValue(finished ? 1 : 0);
    query.addBindValue(rewarded ? 1 : 0);
    query.addBindValue(id);
    return query.exec() || Fail(query.lastError());
}

bool ProgressStore::InsertTask(qint64 run, const TaskRow& task, qint64* id)
{
    QSqlQuery query(db_);
    query.prepare(QStringLiteral("INSERT INTO tasks (run, shown, task, expected, first_answer, "
                                 "outcome, seconds) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(run);
    query.addBindValue(TimeText(task.shown));
    query.addBindValue(task.task);
    query.addBindValue(task.expected);
    query.addBindValue(task.firstAnswer ? QVariant(*task.firstAnswer) : QVariant());
    query.addBindValue(task.outcome);
    query.addBindValue(task.seconds ? QVariant(*task.seconds) : QVariant());
    if (!query.exec())
        return Fail(query.lastError());
    *id = query.lastInsertId().toLongLong();
    return true;
}

bool ProgressStore::SetOutcome(qint64 task, int outcome)
{
    QSqlQuery query(db_);
    query.prepare(QStringLiteral("UPDATE tasks SET outcome = ? WHERE id = ?"));
    query.addBindValue(outcome);
    query.addBindValue(task);
    return query.exec() || Fail(query.lastError());
}

bool ProgressStore::SetAside(const QString& path, QString* aside, QString* error)
{
    const QFileInfo info(path);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target;
    for (int n = 0;; ++n) {
        target = info.absolutePath() + QLatin1Char('/') + info.completeBaseName()
            + QStringLiteral("-alt-") + stamp + (n ? QStringLiteral("-%1").arg(n) : QString())
            + QLatin1Char('.') + info.suffix();
        if (!QFileInfo::exists(target) && !QFileInfo::exists(target + QStringLiteral("-wal")))
            break;
    }
    if (!QFile::rename(path, target)) {
        *error = QStringLiteral("„%1“ lässt sich nicht umbenennen.")
                     .arg(QDir::toNativeSeparators(path));
        return false;
    }
    // The log and its index belong to the old file: left in place they
    // would be read into the new one.
    for (const char* suffix : { "-wal", "-shm", "-journal" }) {
        const QString part = path + QLatin1String(suffix);
        if (QFileInfo::exists(part))
            QFile::rename(part, target + QLatin1String(suffix));
    }
    *aside = target;
    return true;
}
