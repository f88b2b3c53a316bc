// One exercise run from start to close: answers, the wrong-answer choices,
// praise, the free limit, the reward flag and help.
#include "ExerciseRun.h"

#include <QSignalSpy>
#include <QtTest>

using Script = QStringList;

class TestExerciseDlg : public QObject {
    Q_OBJECT
private slots:
    void run_data();
    void run();
    void endings_data();
    void endings();
    void nextIgnoresChangedField();
    void freeLimit_data();
    void freeLimit();
    void freeLimitAskedOnce();
    void praise_data();
    void praise();
    void seededFirstTask();
    void everyGeneratedKind_data();
    void everyGeneratedKind();
    void help();
    void typedAnswerThroughFilter();

private:
    InTemporaryDir dir_;
};

// Steps: "right", "wrong" (a wrong answer), "empty" (OK on an empty field),
// "next" (OK once the task is answered).  Wrong answers are answered from
// the replies: "again" or "solve".
void TestExerciseDlg::run_data()
{
    QTest::addColumn<int>("target");
    QTest::addColumn<Script>("steps");
    QTest::addColumn<Script>("replies");
    QTest::addColumn<int>("flag");
    QTest::addColumn<QStringList>("sounds");
    QTest::addColumn<int>("tasks");
    QTest::addColumn<bool>("soundOn");

    QTest::newRow("three right answers earn the reward")
        << 3 << Script { "right", "next", "right", "next", "right", "next" } << Script {} << 1
        << QStringList {} << 3 << true;
    QTest::newRow("one solution shown forfeits it")
        << 3 << Script { "right", "next", "wrong", "next", "right", "next" } << Script { "solve" }
        << 0 << QStringList { "drum.wav" } << 3 << true;
    QTest::newRow("try again then right still counts")
        << 1 << Script { "wrong", "right", "next" } << Script { "again" } << 1
        << QStringList { "gemein.wav" } << 1 << true;
    QTest::newRow("an empty answer is wrong")
        << 1 << Script { "empty", "right", "next" } << Script { "again" } << 1
        << QStringList { "gemein.wav" } << 1 << true;
    QTest::newRow("task target 0 gives one task and no reward")
        << 0 << Script { "right", "next" } << Script {} << 0 << QStringList {} << 1 << true;
    QTest::newRow("negative task target gives one task")
        << -4 << Script { "right", "next" } << Script {} << 0 << QStringList {} << 1 << true;
    QTest::newRow("sound off: neither choice plays")
        << 2 << Script { "wrong", "right", "next", "wrong", "next" } << Script { "again", "solve" }
        << 0 << QStringList {} << 2 << false;
}

void TestExerciseDlg::run()
{
    QFETCH(int, target);
    QFETCH(Script, steps);
    QFETCH(Script, replies);
    QFETCH(int, flag);
    QFETCH(QStringList, sounds);
    QFETCH(int, tasks);
    QFETCH(bool, soundOn);

    ExerciseRun r;
    r.app.profile.Set("Parameter", "Aufgaben", std::to_string(target));
    r.app.profile.Set("Parameter", "Sound", soundOn ? "1" : "0");
    for (const QString& reply : replies)
        r.wrongReplies.push_back(
            reply == "solve" ? WrongAnswerChoice::Solve : WrongAnswerChoice::TryAgain);
    CExerciseDlg& dlg = r.Open(32772);
    QSignalSpy finished(&dlg, &QDialog::finished);

    for (const QString& step : steps) {
        QVERIFY2(!dlg.HasEnded(), qPrintable("ended before " + step));
        if (step == "right") {
            r.AnswerRight();
            QCOMPARE(OkButton(dlg).Caption(), QString("NEXT"));
            QCOMPARE(OkButton(dlg).accessibleName(), QString("Weiter"));
        } else if (step == "wrong" || step == "empty") {
            const bool solve = replies.value(r.asked.wrong) == "solve";
            const QString task = r.TaskLine();
            r.Type(step == "wrong" ? r.Expected() + "0" : QString());
            r.Ok();
            QCOMPARE(r.TaskLine(), task);
            QCOMPARE(AnswerField(dlg)->text(), solve ? r.Expected() : QString());
            QCOMPARE(dlg.Answered(), solve);
            QCOMPARE(OkButton(dlg).Caption(), QString(solve ? "NEXT" : "OK"));
        } else {
            QCOMPARE(OkButton(dlg).Caption(), QString("NEXT"));
            r.Ok();
        }
    }
    QVERIFY(dlg.HasEnded());
    QCOMPARE(finished.count(), 1);
    QCOMPARE(r.WrittenFlag(), flag);
    QCOMPARE(r.app.player.played, sounds);
    QCOMPARE(r.asked.wrong, int(replies.size()));
    QCOMPARE(dlg.TasksShown(), tasks);
}

void TestExerciseDlg::endings_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("flag");
    QTest::newRow("cancel button writes nothing") << "cancel" << -1;
    QTest::newRow("Escape writes nothing") << "escape" << -1;
    QTest::newRow("close box writes the flag") << "close" << 1;
}

// After the last right answer, before NEXT.
void TestExerciseDlg::endings()
{
    QFETCH(QString, how);
    QFETCH(int, flag);
    ExerciseRun r;
    r.app.profile.Set("Parameter", "Aufgaben", "1");
    CExerciseDlg& dlg = r.Open(32771);
    r.AnswerRight();
    if (how == "cancel")
        CancelButton(dlg).click();
    else if (how == "escape")
        QTest::keyClick(AnswerField(dlg), Qt::Key_Escape);
    else
        dlg.close();
    QVERIFY(dlg.HasEnded());
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
    QCOMPARE(r.WrittenFlag(), flag);
}

void TestExerciseDlg::nextIgnoresChangedField()
{
    ExerciseRun r;
    r.app.profile.Set("Parameter", "Aufgaben", "2");
    CExerciseDlg& dlg = r.Open(32772);
    r.AnswerRight();
    r.Type("123");
    r.Ok();
    QCOMPARE(r.asked.wrong, 0);
    QCOMPARE(dlg.TasksShown(), 2);
    QCOMPARE(OkButton(dlg).Caption(), QString("OK"));
    QVERIFY(AnswerField(dlg)->text().isEmpty());
    QCOMPARE(r.PromptLine(), QString("Löse obige Aufgabe !"));
}

void TestExerciseDlg::freeLimit_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("task"); // empty: the run ends without a task

    QTest::newRow("cancel ends the run") << 32773 << "cancel"
                                         << "";
    QTest::newRow("empty limit ends the run") << 32773 << ""
                                              << "";
    QTest::newRow("limit 1 ends the run") << 32773 << "1"
                                          << "";
    QTest::newRow("limit 2 gives 1 + 1") << 32773 << "2"
                                         << "1 + 1 = ?";
    QTest::newRow("limit 0002 is 2") << 32777 << "0002"
                                     << "1 + 1 = ?";
    QTest::newRow("Vorgänger limit 2 gives 2 - 1") << 32793 << "2"
                                                   << "2 - 1 = ?";
    QTest::newRow("Minus limit 2 gives 2 - 1") << 32789 << "2"
                                               << "2 - 1 = ?";
    QTest::newRow("three addends with limit 2 end the run") << 32780 << "2"
                                                            << "";
    QTest::newRow("three addends with limit 3 give 1 + 1 + 1") << 32780 << "3"
                                                               << "1 + 1 + 1 = ?";
    QTest::newRow("three subtrahends with limit 2 end the run") << 32796 << "2"
                                                                << "";
    QTest::newRow("three subtrahends with limit 3 give 3 - 1 - 1") << 32796 << "3"
                                                                   << "3 - 1 - 1 = ?";
}

void TestExerciseDlg::freeLimit()
{
    QFETCH(int, kind);
    QFETCH(QString, reply);
    QFETCH(QString, task);
    ExerciseRun r;
    r.app.profile.Set("Parameter", "Aufgaben", "5");
    r.limitReplies.push_back(reply);
    CExerciseDlg& dlg = r.Open(kind);
    QCOMPARE(r.asked.limit, QStringList { "20" });
    if (task.isEmpty()) {
        QVERIFY(dlg.HasEnded());
        QCOMPARE(r.WrittenFlag(), 0);
        QCOMPARE(dlg.TasksShown(), 0);
        QVERIFY(r.TaskLine().isEmpty());
        QCOMPARE(dlg.exec(), int(QDialog::Rejected)); // returns at once, no hang
    } else {
        QVERIFY(!dlg.HasEnded());
        QCOMPARE(r.TaskLine(), task);
        QVERIFY(!r.Wrote("Lobe"));
    }
}

void TestExerciseDlg::freeLimitAskedOnce()
{
    ExerciseRun r;
    r.app.profile.Set("Parameter", "Aufgaben", "4");
    r.limitReplies = { "3" };
    CExerciseDlg& dlg = r.Open(32773);
    for (int i = 0; i < 4; ++i) {
        const QStringList parts = r.TaskLine().split(' ');
        QVERIFY2(parts.size() == 5 && parts[0].toInt() + parts[2].toInt() <= 3,
            qPrintable(r.TaskLine()));
        r.AnswerRight();
        r.Ok();
    }
    QVERIFY(dlg.HasEnded());
    QCOMPARE(r.asked.limit.size(), 1);
    QCOMPARE(r.WrittenFlag(), 1);
}

void TestExerciseDlg::praise_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<bool>("withLob1");
    QTest::addColumn<QStringList>("possible");
    QTest::newRow("count 0 shows Lob1") << "0" << true << QStringList { "Super!" };
    QTest::newRow("count 0 without Lob1 shows nothing") << "0" << false << QStringList { "" };
    QTest::newRow("no count shows Lob1") << "" << true << QStringList { "Super!" };
    QTest::newRow("count 2 shows one of two") << "2" << true << QStringList { "Super!", "Prima!" };
}

void TestExerciseDlg::praise()
{
    QFETCH(QString, count);
    QFETCH(bool, withLob1);
    QFETCH(QStringList, possible);
    ExerciseRun r;
    r.app.profile.Set("Parameter", "Aufgaben", "1");
    if (!count.isEmpty())
        r.app.profile.Set("Lobe", "Anzahl", count.toStdString());
    if (withLob1)
        r.app.profile.Set("Lobe", "Lob1", "Super!");
    r.app.profile.Set("Lobe", "Lob2", "Prima!");
    r.app.profile.Set("Lobe", "Lob3", "Toll!");
    r.Open(32771);
    r.AnswerRight();
    QVERIFY2(possible.contains(r.PromptLine()), qPrintable(r.PromptLine()));
}

void TestExerciseDlg::seededFirstTask()
{
    QString first;
    for (int i = 0; i < 3; ++i) {
        ExerciseRun r(4242);
        r.Open(32804);
        if (i == 0)
            first = r.TaskLine();
        QCOMPARE(r.TaskLine(), first);
    }
    QVERIFY(!first.isEmpty());
}

void TestExerciseDlg::everyGeneratedKind_data()
{
    QTest::addColumn<int>("kind");
    for (const ExerciseKind& kind : ExerciseKinds()) {
        if (kind.operation == Operation::OwnFile)
            continue;
        const QString name = QString("%1 %2").arg(kind.id).arg(QString::fromUtf8(kind.menuText));
        QTest::newRow(qPrintable(name)) << kind.id;
    }
}

void TestExerciseDlg::everyGeneratedKind()
{
    QFETCH(int, kind);
    const ExerciseKind& entry = *FindExerciseKind(kind);
    ExerciseRun r;
    r.limitReplies = { "20" };
    CExerciseDlg& dlg = r.Open(kind);
    QVERIFY(!dlg.HasEnded());
    QCOMPARE(dlg.windowTitle(), QString::fromUtf8(entry.menuText));
    const bool compare = entry.menu == Menu::Vergleiche;
    const QString prompt = !compare ? "Löse obige Aufgabe !"
        : kind == 32802             ? "Gib < oder > ein !"
                                    : "Gib  <  oder  >  ein !";
    QCOMPARE(r.PromptLine(), prompt);
    QVERIFY(!r.TaskLine().isEmpty());
    QCOMPARE(r.TaskLine(), QString::fromStdString(dlg.TaskText()));
    if (compare)
        QVERIFY(r.Expected() == "<" || r.Expected() == ">");
    else
        QVERIFY(r.TaskLine().endsWith("= " + QString(r.Expected().size(), '?')));

    QTest::keyClicks(AnswerField(dlg), "7<a >=9");
    QCOMPARE(AnswerField(dlg)->text(), compare ? QString("<>") : QString("79"));
}

void TestExerciseDlg::help()
{
    ExerciseRun r;
    CExerciseDlg& dlg = r.Open(32806);
    HelpButton(dlg).click();
    QCOMPARE(r.app.help, (std::vector<HelpRequest> { { 65536 + 32806, 1 } }));
    QVERIFY(!dlg.HasEnded());
}

// Typing and Enter, as a child does it.
void TestExerciseDlg::typedAnswerThroughFilter()
{
    ExerciseRun r;
    r.app.profile.Set("Parameter", "Aufgaben", "1");
    CExerciseDlg& dlg = r.Open(32776);
    QTest::keyClicks(AnswerField(dlg), " " + r.Expected() + "x");
    QTest::keyClick(AnswerField(dlg), Qt::Key_Return);
    QCOMPARE(r.asked.wrong, 0);
    QVERIFY(dlg.Answered());
    QTest::keyClick(AnswerField(dlg), Qt::Key_Return);
    QVERIFY(dlg.HasEnded());
    QCOMPARE(r.WrittenFlag(), 1);
}

QTEST_MAIN(TestExerciseDlg)
#include "test_exercise_dlg.moc"
