// The record of the runs and the progress window, over real SQLite files in a
// temporary folder: what an exercise run leaves behind, two writers at
// once, files that are not a usable record, and what the window draws from
// a record of known rows.

#include "ExerciseRun.h"

#include "progress/CProgressDlg.h"
#include "progress/ProgressRecorder.h"
#include "progress/ProgressReport.h"
#include "progress/ProgressStore.h"

#include <QBarSet>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Store = ProgressStore;

struct TaskRowSeen {
    QString task;
    QString expected;
    QVariant first;
    int outcome;
};

// The tasks of the record in order, read through a connection of its own.
QList<TaskRowSeen> RecordedTasks(const QString& path)
{
    Store store(path);
    QList<TaskRowSeen> rows;
    if (store.Open(false) != Store::State::Ready)
        return rows;
    QSqlQuery query(store.Database());
    query.exec("SELECT task, expected, first_answer, outcome FROM tasks ORDER BY id");
    while (query.next())
        rows.append({ query.value(0).toString(), query.value(1).toString(), query.value(2),
            query.value(3).toInt() });
    return rows;
}

// finished, rewarded, kind text of each run.
QStringList RecordedRuns(const QString& path)
{
    Store store(path);
    QStringList runs;
    if (store.Open(false) != Store::State::Ready)
        return runs;
    QSqlQuery query(store.Database());
    query.exec("SELECT finished, rewarded, kind_text FROM runs ORDER BY id");
    while (query.next())
        runs << QStringLiteral("%1 %2 %3")
                    .arg(query.value(0).toInt())
                    .arg(query.value(1).toInt())
                    .arg(query.value(2).toString());
    return runs;
}

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs one statement on an SQLite file outside the record's own code.
bool RawSql(const QString& path, const QStringList& statements)
{
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "raw");
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery query(db);
        for (const QString& s : statements)
            ok = ok && query.exec(s);
        db.close();
    }
    QSqlDatabase::removeDatabase("raw");
    return ok;
}

// A record with one run of n tasks of "Aufgaben kleiner 10", written as
// the exercise window would.
void RecordRun(ProgressRecorder& recorder, int n, bool rightAll = true)
{
    recorder.RunStarted(32772, "Aufgaben kleiner 10", n);
    for (int i = 0; i < n; ++i) {
        recorder.TaskShown(std::to_string(i) + " + 1 = ?", std::to_string(i + 1));
        recorder.Answered(rightAll ? std::to_string(i + 1) : "0", rightAll);
    }
    recorder.RunEnded(true, rightAll);
}

} // namespace

class TestProgress : public QObject {
    Q_OBJECT

private slots:
    void init();

    void exerciseRunIsRecorded();
    void runEndedEarly();
    void missedTaskAskedAgainIsRecordedAgain();
    void nothingWithoutAnAnswerOrWhenSwitchedOff_data();
    void nothingWithoutAnAnswerOrWhenSwitchedOff();
    void twoWritersShareTheFile();
    void writeFailureIsKeptAndShown();
    void unusableFile_data();
    void unusableFile();
    void windowDrawsAKnownRecord();
    void allTimeCountsAgreeWithTheAnswers_data();
    void allTimeCountsAgreeWithTheAnswers();
    void ownListAsksBeforeReplacing();
    void csvField_data();
    void csvField();

private:
    void AddTask(Store& store, qint64 run, const QDateTime& when, const QString& task,
        const QString& expected, int outcome);

    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
};

void TestProgress::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    path_ = dir_->filePath("pilo/fortschritt.sqlite");
}

void TestProgress::exerciseRunIsRecorded()
{
    ProgressRecorder recorder(path_);
    ExerciseRun run;
    run.app.profile.Set("Parameter", "Aufgaben", "3");
    run.app.SetRecorder(&recorder);
    run.wrongReplies = { WrongAnswerChoice::TryAgain, WrongAnswerChoice::Solve };
    CExerciseDlg& dlg = run.Open(32772);

    QStringList tasks;
    QStringList answers;
    tasks << run.TaskLine();
    answers << run.Expected();
    run.AnswerRight();
    run.Ok();
    // Second task: wrong, "Nochmal", then right.
    tasks << run.TaskLine();
    answers << run.Expected();
    run.Type("99");
    run.Ok();
    run.AnswerRight();
    run.Ok();
    // Third task: wrong, then "Lösen".
    tasks << run.TaskLine();
    answers << run.Expected();
    run.Type("98");
    run.Ok();
    run.Ok();
    QVERIFY(dlg.HasEnded());
    QVERIFY(recorder.LastError().empty());

    const QList<TaskRowSeen> rows = RecordedTasks(path_);
    QCOMPARE(rows.size(), 3);
    const QVariant firsts[] = { answers[0], "99", "98" };
    const int outcomes[] = { Store::RightFirst, Store::RightLater, Store::SolvedByHelp };
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(rows[i].task, tasks[i]);
        QCOMPARE(rows[i].expected, answers[i]);
        QCOMPARE(rows[i].first, firsts[i]);
        QCOMPARE(rows[i].outcome, outcomes[i]);
    }
    QCOMPARE(RecordedRuns(path_), QStringList { "1 0 Aufgaben kleiner 10" });
}

void TestProgress::runEndedEarly()
{
    ProgressRecorder recorder(path_);
    ExerciseRun run;
    run.app.profile.Set("Parameter", "Aufgaben", "5");
    run.app.SetRecorder(&recorder);
    run.Open(32772);
    run.Type("77");
    run.Ok(); // wrong; the queue says "Nochmal"
    run.AnswerRight();
    run.Ok();
    const QString open = run.TaskLine();
    CancelButton(*run.dlg).click();

    const QList<TaskRowSeen> rows = RecordedTasks(path_);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].outcome, int(Store::RightLater));
    // Shown, never answered: kept as ended with the run, without an answer.
    QCOMPARE(rows[1].task, open);
    QVERIFY(rows[1].first.isNull());
    QCOMPARE(rows[1].outcome, int(Store::EndedOpen));
    QCOMPARE(RecordedRuns(path_), QStringList { "0 0 Aufgaben kleiner 10" });
}

// With the aid "Wiederholen" a missed task comes once more after the set
// number; the run counts as finished even when it ends during the repeat.
void TestProgress::missedTaskAskedAgainIsRecordedAgain()
{
    ProgressRecorder recorder(path_);
    ExerciseRun run;
    run.app.profile.Set("Parameter", "Aufgaben", "1");
    run.app.profile.Set("Lernhilfen", "Wiederholen", "1");
    run.app.SetRecorder(&recorder);
    run.wrongReplies = { WrongAnswerChoice::Solve };
    run.Open(32772);
    const QString task = run.TaskLine();
    run.Type("99");
    run.Ok(); // wrong, then "Lösen"
    run.Ok();
    QCOMPARE(run.TaskLine(), task);
    CancelButton(*run.dlg).click();

    const QList<TaskRowSeen> rows = RecordedTasks(path_);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].outcome, int(Store::SolvedByHelp));
    QCOMPARE(rows[1].task, task);
    QVERIFY(rows[1].first.isNull());
    QCOMPARE(RecordedRuns(path_), QStringList { "1 0 Aufgaben kleiner 10" });
}

void TestProgress::nothingWithoutAnAnswerOrWhenSwitchedOff_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<bool>("answer");
    QTest::newRow("on by default, ended before any answer") << QString() << false;
    QTest::newRow("switched off, tasks answered") << "0" << true;
}

void TestProgress::nothingWithoutAnAnswerOrWhenSwitchedOff()
{
    QFETCH(QString, setting);
    QFETCH(bool, answer);
    ProgressRecorder recorder(path_);
    ExerciseRun run;
    run.app.profile.Set("Parameter", "Aufgaben", "2");
    if (!setting.isEmpty())
        run.app.profile.Set("Lernhilfen", "Aufzeichnen", setting.toStdString());
    run.app.SetRecorder(&recorder);
    run.Open(32772);
    if (answer) {
        run.AnswerRight();
        run.Ok();
        run.AnswerRight();
        run.Ok();
    } else {
        CancelButton(*run.dlg).click();
    }
    QVERIFY(run.dlg->HasEnded());
    // Not even the folder is made.
    QVERIFY(!QFileInfo::exists(QFileInfo(path_).absolutePath()));
    QVERIFY(recorder.LastError().empty());
}

void TestProgress::twoWritersShareTheFile()
{
    ProgressRecorder first(path_);
    ProgressRecorder second(path_);
    // Interleaved as two windows would: one run each, answers alternating.
    first.RunStarted(32772, "Aufgaben kleiner 10", 20);
    second.RunStarted(32787, "Aufgaben kleiner 6", 20);
    for (int i = 0; i < 20; ++i) {
        first.TaskShown("1 + 1 = ?", "2");
        second.TaskShown("2 - 1 = ?", "1");
        first.Answered("2", true);
        second.Answered("3", false);
        second.Solved();
    }
    first.RunEnded(true, true);
    second.RunEnded(true, false);
    QVERIFY2(first.LastError().empty(), first.LastError().c_str());
    QVERIFY2(second.LastError().empty(), second.LastError().c_str());
    QCOMPARE(RecordedTasks(path_).size(), 40);
    QCOMPARE(
        RecordedRuns(path_), (QStringList { "1 1 Aufgaben kleiner 10", "1 0 Aufgaben kleiner 6" }));
}

void TestProgress::writeFailureIsKeptAndShown()
{
    // The record's folder cannot be made: a file stands in its place.
    QFile blocker(QFileInfo(path_).absolutePath());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ProgressRecorder recorder(path_);
    TestApp app;
    app.SetRecorder(&recorder);
    RecordRun(recorder, 2);
    QVERIFY(!recorder.LastError().empty());

    CProgressDlg window(app);
    QVERIFY(window.RecorderLine()->isVisibleTo(&window));
    QVERIFY(window.RecorderLine()->text().contains(QString::fromStdString(recorder.LastError())));

    // Once the file can be written, the next answer goes in and the error is gone.
    QVERIFY(QFile::remove(blocker.fileName()));
    RecordRun(recorder, 1);
    QVERIFY(recorder.LastError().empty());
    QCOMPARE(RecordedTasks(path_).size(), 1);
}

void TestProgress::unusableFile_data()
{
    QTest::addColumn<QString>("make");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("said");
    QTest::newRow("a text file") << "text" << int(Store::State::Foreign)
                                 << "keine Aufzeichnung von Pilo";
    QTest::newRow("another program's SQLite file")
        << "foreign" << int(Store::State::Foreign) << "keine Aufzeichnung von Pilo";
    QTest::newRow("from a newer Pilo")
        << "newer" << int(Store::State::Newer) << "neueren Version von Pilo";
    QTest::newRow("pages overwritten") << "damaged" << int(Store::State::Damaged) << "lesen";
}

void TestProgress::unusableFile()
{
    QFETCH(QString, make);
    QFETCH(int, state);
    QFETCH(QString, said);
    QVERIFY(QDir().mkpath(QFileInfo(path_).absolutePath()));
    if (make == "text") {
        QFile file(path_);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Einkaufsliste\nMilch\n");
    } else if (make == "foreign") {
        QVERIFY(RawSql(path_, { "CREATE TABLE lieder (titel TEXT)" }));
    } else {
        {
            ProgressRecorder recorder(path_);
            for (int i = 0; i < 40; ++i)
                RecordRun(recorder, 20);
        }
        if (make == "newer") {
            QVERIFY(RawSql(path_,
                { QStringLiteral("PRAGMA user_version = %1").arg(Store::kSchemaVersion + 1) }));
        } else {
            // Every page but the first (the schema) becomes noise.
            QFile file(path_);
            QVERIFY(file.open(QIODevice::ReadWrite));
            const QByteArray noise(int(file.size()) - 4096, '\x5a');
            file.seek(4096);
            file.write(noise);
        }
    }
    const QByteArray before = Bytes(path_);

    ProgressRecorder recorder(path_);
    TestApp app;
    app.SetRecorder(&recorder);
    RecordRun(recorder, 1);
    QVERIFY(!recorder.LastError().empty());
    QCOMPARE(Bytes(path_), before);

    CProgressDlg window(app);
    window.DialogSeams().showMessage = [](const QString& text) { QFAIL(qPrintable(text)); };
    QCOMPARE(int(window.State()), state);
    QVERIFY2(window.NoticeLine()->text().contains(said), qPrintable(window.NoticeLine()->text()));
    QVERIFY(window.NewRecordButton()->isVisibleTo(&window));
    QVERIFY(!window.CsvButton()->isEnabled());

    QTest::mouseClick(window.NewRecordButton(), Qt::LeftButton);
    QCOMPARE(window.State(), Store::State::Ready);
    QVERIFY(!window.NewRecordButton()->isVisibleTo(&window));
    // The old file lies beside the new one, byte for byte.
    const QStringList aside = QDir(QFileInfo(path_).absolutePath())
                                  .entryList({ "fortschritt-alt-*.sqlite" }, QDir::Files);
    QCOMPARE(aside.size(), 1);
    QCOMPARE(Bytes(QFileInfo(path_).absolutePath() + '/' + aside[0]), before);
    QVERIFY(window.NoticeLine()->text().contains(aside[0]));

    RecordRun(recorder, 2);
    QVERIFY2(recorder.LastError().empty(), recorder.LastError().c_str());
    QCOMPARE(RecordedTasks(path_).size(), 2);
}

void TestProgress::AddTask(Store& store, qint64 run, const QDateTime& when, const QString& task,
    const QString& expected, int outcome)
{
    Store::TaskRow row;
    row.shown = when;
    row.task = task;
    row.expected = expected;
    row.firstAnswer = outcome == Store::RightFirst ? expected : QStringLiteral("0");
    row.outcome = outcome;
    row.seconds = 2.5;
    qint64 id = 0;
    QVERIFY(store.InsertTask(run, row, &id));
}

void TestProgress::windowDrawsAKnownRecord()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime yesterday = now.addDays(-1);
    const QDateTime longAgo = now.addDays(-200);
    {
        Store store(path_);
        QCOMPARE(store.Open(true), Store::State::Ready);
        qint64 plus = 0;
        qint64 minus = 0;
        qint64 old = 0;
        QVERIFY(store.InsertRun({ yesterday, yesterday, 32772, "Aufgaben kleiner 10", 4 }, &plus));
        QVERIFY(store.InsertRun({ now, now, 32788, "Aufgaben kleiner 10", 3 }, &minus));
        QVERIFY(store.InsertRun({ longAgo, longAgo, 32772, "Aufgaben kleiner 10", 1 }, &old));
        AddTask(store, plus, yesterday, "7 + 5 = ??", "12", Store::RightFirst);
        AddTask(store, plus, yesterday, "7 + 5 = ??", "12", Store::SolvedByHelp);
        AddTask(store, plus, yesterday, "3 + 4 = ?", "7", Store::RightLater);
        AddTask(store, plus, yesterday, "3 + 4 = ?", "7", Store::RightFirst);
        AddTask(store, minus, now, "9 - 6 = ?", "3", Store::RightLater);
        AddTask(store, minus, now, "9 - 6 = ?", "3", Store::RightLater);
        AddTask(store, minus, now, "8 - 1 = ?", "7", Store::RightFirst);
        AddTask(store, old, longAgo, "1 + 1 = ?", "2", Store::RightFirst);
    }
    TestApp app;
    ProgressRecorder recorder(path_);
    app.SetRecorder(&recorder);
    CProgressDlg window(app);
    QCOMPARE(window.State(), Store::State::Ready);
    QVERIFY(!window.NoticeLine()->isVisibleTo(&window));

    // Four weeks, one bar per day ending today; the line only where tasks were.
    const QStringList days = window.ChartCategories();
    QCOMPARE(days.size(), 28);
    QCOMPARE(days.last(), now.date().toString("dd.MM."));
    QCOMPARE(window.TaskBars()->at(26), 4.0);
    QCOMPARE(window.TaskBars()->at(27), 3.0);
    QCOMPARE(window.ShareLine()->points(), (QList<QPointF> { { 26, 50.0 }, { 27, 100.0 / 3 } }));

    // Most missed first: "9 - 6" twice, then the others once each.
    QTableWidget* missed = window.MissedTable();
    QCOMPARE(missed->rowCount(), 3);
    QCOMPARE(missed->item(0, 0)->text(), QStringLiteral("9 - 6 = ?"));
    QCOMPARE(missed->item(0, 3)->text(), QStringLiteral("2"));
    missed->sortByColumn(0, Qt::AscendingOrder);
    QCOMPARE(missed->item(0, 0)->text(), QStringLiteral("3 + 4 = ?"));

    QTableWidget* facts = window.FactTable();
    QCOMPARE(facts->item(7, 5)->toolTip(),
        QStringLiteral("7 + 5 = 12: 2-mal gefragt, 1-mal gleich richtig"));
    QCOMPARE(
        facts->item(7, 5)->data(Qt::AccessibleTextRole).toString(), facts->item(7, 5)->toolTip());
    QCOMPARE(facts->item(7, 5)->background().color(), CProgressDlg::ShareColour(0.5));
    QCOMPARE(facts->item(3, 4)->text(), QStringLiteral("50"));
    QCOMPARE(facts->item(4, 3)->toolTip(), QStringLiteral("4 + 3 = 7: noch nicht gefragt"));
    QVERIFY(facts->item(4, 3)->text().isEmpty());

    // One kind: the grid follows to "Minus".
    window.KindBox()->setCurrentIndex(window.KindBox()->findData(32788));
    QCOMPARE(window.GridBox()->currentIndex(), int(CProgressDlg::MinusGrid));
    QCOMPARE(window.TaskBars()->at(26), 0.0);
    QCOMPARE(facts->item(9, 6)->toolTip(),
        QStringLiteral("9 - 6 = 3: 2-mal gefragt, 0-mal gleich richtig"));
    QCOMPARE(missed->rowCount(), 1);

    // All time reaches back 200 days: one bar per month.
    window.KindBox()->setCurrentIndex(0);
    window.PeriodBox()->setCurrentIndex(CProgressDlg::AllTime);
    QCOMPARE(window.ChartCategories().first(), longAgo.date().toString("MM.yyyy"));
    QCOMPARE(window.ChartCategories().last(), now.date().toString("MM.yyyy"));
    QCOMPARE(window.TaskBars()->at(0), 1.0);
}

void TestProgress::allTimeCountsAgreeWithTheAnswers_data()
{
    QTest::addColumn<bool>("versionOne");
    QTest::newRow("counted while recording") << false;
    QTest::newRow("file of version 1 counted when opened") << true;
}

// All time is read from counts kept beside the answers; a period from the
// answers themselves.  Both must tell the same.
void TestProgress::allTimeCountsAgreeWithTheAnswers()
{
    QFETCH(bool, versionOne);
    auto play = [this] {
        ProgressRecorder recorder(path_);
        recorder.RunStarted(32772, "Aufgaben kleiner 10", 5);
        const char* const tasks[][2] = { { "3 + 4 = ?", "7" }, { "7 + 5 = ??", "12" } };
        for (const auto& task : tasks) {
            recorder.TaskShown(task[0], task[1]);
            recorder.Answered(task[1], true);
            recorder.TaskShown(task[0], task[1]);
            recorder.Answered("0", false);
            recorder.Answered(task[1], true);
            recorder.TaskShown(task[0], task[1]);
            recorder.Answered("0", false);
            recorder.Solved();
        }
        recorder.TaskShown("1 + 1 = ?", "2");
        recorder.Answered("3", false);
        recorder.RunEnded(false, false);
        recorder.RunStarted(32788, "Aufgaben kleiner 10", 2);
        recorder.TaskShown("9 - 6 = ?", "3");
        recorder.Answered("3", true);
        recorder.TaskShown("3 + 4 = ?", "7");
        recorder.RunEnded(false, false);
        QVERIFY2(recorder.LastError().empty(), recorder.LastError().c_str());
    };
    play();
    if (versionOne)
        QVERIFY(RawSql(path_,
            { "DROP TRIGGER tasks_count", "DROP TRIGGER tasks_recount", "DROP TABLE day_counts",
                "DROP TABLE task_counts", "PRAGMA user_version = 1" }));
    auto compare = [this] {
        Store store(path_);
        QCOMPARE(store.Open(false), Store::State::Ready);
        ProgressReport report(store.Database());
        auto seen = [&report](const ProgressReport::Filter& filter) {
            QStringList lines;
            if (!report.Load(filter))
                return QStringList { report.ErrorText() };
            for (const ProgressReport::Day& d : report.Days())
                lines << QStringLiteral("%1 %2 %3")
                             .arg(d.day.toString(Qt::ISODate))
                             .arg(d.tasks)
                             .arg(d.rightFirst);
            QStringList tasks;
            for (const ProgressReport::TaskCount& t : report.Tasks())
                tasks << QStringLiteral("%1 %2 %3 %4 %5 %6")
                             .arg(t.kind)
                             .arg(t.task, t.expected)
                             .arg(t.asked)
                             .arg(t.missed)
                             .arg(t.last);
            tasks.sort();
            return lines + tasks;
        };
        const QDate before = QDate::currentDate().addYears(-1);
        for (int kind : { 0, 32772, 32788 }) {
            const QStringList all = seen({ QDate(), kind });
            QCOMPARE(all, seen({ before, kind }));
            QVERIFY(all.size() >= 2);
        }
    };
    compare();
    // Answers recorded after the file was brought up to date are counted too.
    play();
    compare();
}

void TestProgress::ownListAsksBeforeReplacing()
{
    InTemporaryDir folder;
    {
        ProgressRecorder recorder(path_);
        RecordRun(recorder, 3, false);
    }
    QVERIFY(WriteFile("Pilo Eigene Zwei.txt", "alt\nalt\n"));
    TestApp app;
    ProgressRecorder recorder(path_);
    app.SetRecorder(&recorder);
    CProgressDlg window(app);
    QStringList asked;
    window.DialogSeams().askOwnList = [](const QStringList& lists) {
        return int(lists.indexOf("Eigene 2 (Pilo Eigene Zwei.txt)"));
    };
    window.DialogSeams().confirm = [&asked](const QString& text) {
        asked << text;
        return false;
    };
    window.OnSaveOwnList();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(Bytes("Pilo Eigene Zwei.txt"), QByteArray("alt\nalt\n"));

    window.DialogSeams().confirm = [](const QString&) { return true; };
    window.OnSaveOwnList();
    OwnExerciseList list;
    QVERIFY(ReadOwnExerciseFile("Pilo Eigene Zwei.txt", list));
    QCOMPARE(list.PairCount(), 3);
    // The replaced list keeps its line ends.
    QVERIFY(!Bytes("Pilo Eigene Zwei.txt").contains('\r'));
    QCOMPARE(QString::fromStdString(PickOwnExercise(list, 0).answer).toInt(),
        QString::fromStdString(PickOwnExercise(list, 0).task).section(' ', 0, 0).toInt() + 1);
}

void TestProgress::csvField_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");
    QTest::newRow("plain stays bare") << "3 + 4 = ?"
                                      << "3 + 4 = ?";
    QTest::newRow("comma is quoted") << "Hund, Katze"
                                     << "\"Hund, Katze\"";
    QTest::newRow("quote is doubled") << "sag \"hallo\""
                                      << "\"sag \"\"hallo\"\"\"";
    QTest::newRow("line end is quoted") << "a\r\nb"
                                        << "\"a\r\nb\"";
    QTest::newRow("umlauts stay as they are") << "Größer"
                                              << "Größer";
}

void TestProgress::csvField()
{
    QFETCH(QString, text);
    QFETCH(QString, field);
    QCOMPARE(ProgressReport::CsvField(text), field);
}

QTEST_MAIN(TestProgress)
#include "test_progress.moc"
