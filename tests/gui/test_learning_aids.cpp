// The learning aids in the exercise window, the wrong-answer dialog and the
// joke reward: asking missed tasks again, progress marks, reading aloud
// through a recording speaker, and the hint button.

#include "ExerciseRun.h"

#include "engine/ExerciseAids.h"
#include "engine/ProgressMarks.h"
#include "engine/TaskSpeech.h"
#include "feedback/CHintDlg.h"
#include "feedback/CJokeRewardDlg.h"
#include "feedback/CWrongAnswerDlg.h"

#include <QtTest>

using Script = QStringList;

namespace {

// The marks as letters: g green (right at once), o orange (right later),
// s grey (solved), . open; the current one in brackets.
QString MarksText(const ExerciseAids& aids)
{
    QString text;
    const auto& marks = aids.Log().Marks();
    for (int i = 0; i < int(marks.size()); ++i) {
        const QChar c = marks[size_t(i)] == RunLog::Mark::RightFirstTry ? u'g'
            : marks[size_t(i)] == RunLog::Mark::RightLater              ? u'o'
            : marks[size_t(i)] == RunLog::Mark::Solved                  ? u's'
                                                                        : u'.';
        text += i == aids.Log().Current() ? QStringLiteral("[%1]").arg(c) : QString(c);
    }
    return text;
}

void SwitchOn(MemoryProfile& profile, const QStringList& aids)
{
    for (const QString& aid : aids)
        profile.Set("Lernhilfen", aid.toStdString(), "1");
}

} // namespace

class TestLearningAids : public QObject {
    Q_OBJECT
private slots:
    void allOffMakesNothing();
    void repeatAndProgress_data();
    void repeatAndProgress();
    void barForLongRuns();
    void everyKindIsSaidInWords_data();
    void everyKindIsSaidInWords();
    void oneRunSaidAloud();
    void jokeSaidAloud();
    void hintButton();
    void hintWindow_data();
    void hintWindow();

private:
    InTemporaryDir dir_;
};

void TestLearningAids::allOffMakesNothing()
{
    QStringList said;
    ExerciseRun r;
    int speakersMade = 0;
    RecordingSpeaker::Install(r.app, said, &speakersMade);
    r.app.profile.Set("Parameter", "Aufgaben", "2");
    r.app.profile.Set("Lernhilfen", "Vorlesen", "0");
    r.wrongReplies = { WrongAnswerChoice::Solve };
    CExerciseDlg& dlg = r.Open(32772);
    QVERIFY(!dlg.Aids());
    QVERIFY(!dlg.findChild<ProgressMarks*>());
    r.Type("x");
    r.Ok();
    r.Ok();
    r.AnswerRight();
    r.Ok();
    QVERIFY(dlg.HasEnded());
    QCOMPARE(dlg.TasksShown(), 2);
    QCOMPARE(speakersMade, 0);
    QVERIFY(said.isEmpty());
}

// Steps as in the exercise run tests: "right", "wrong" (answered from the
// replies "again" or "solve"), "next".  After each step the progress marks
// and the prompt are compared.
void TestLearningAids::repeatAndProgress_data()
{
    QTest::addColumn<QStringList>("aids");
    QTest::addColumn<int>("kind");
    QTest::addColumn<Script>("steps");
    QTest::addColumn<Script>("replies");
    QTest::addColumn<Script>("marks");
    QTest::addColumn<int>("flag");

    const QStringList both { "Wiederholen", "Fortschritt" };
    const Script solvedSecond { "right", "next", "wrong", "next", "right", "next", "right",
        "next" };
    const Script solvedSecondMarks { "[g]", "g[.]", "g[s]", "gs[.]", "gs[g]", "g[s]g", "g[s]g",
        "end" };
    QTest::newRow("a solved task is asked again as the 4th and earns no reward")
        << both << 32772 << solvedSecond << Script { "solve" } << solvedSecondMarks << 0;
    QTest::newRow("right after trying again: asked again, reward kept")
        << both << 32772
        << Script { "wrong", "right", "next", "right", "next", "right", "next", "right", "next" }
        << Script { "again" }
        << Script { "[.]", "[o]", "o[.]", "o[g]", "og[.]", "og[g]", "[o]gg", "[o]gg", "end" } << 1;
    QTest::newRow("missed twice, asked again in that order")
        << both << 32772
        << Script { "wrong", "next", "wrong", "next", "right", "next", "right", "next", "right",
               "next" }
        << Script { "solve", "solve" }
        << Script { "[s]", "s[.]", "s[s]", "ss[.]", "ss[g]", "[s]sg", "[s]sg", "s[s]g", "s[s]g",
               "end" }
        << 0;
    QTest::newRow("a wrong answer to a repeat asks no more")
        << both << 32772
        << Script { "right", "next", "wrong", "next", "right", "next", "wrong", "next" }
        << Script { "solve", "solve" } << solvedSecondMarks << 0;
    QTest::newRow("without the repeat aid the run ends after its tasks")
        << QStringList { "Fortschritt" } << 32772 << solvedSecond.mid(0, 6) << Script { "solve" }
        << Script { "[g]", "g[.]", "g[s]", "gs[.]", "gs[g]", "end" } << 0;
    QTest::newRow("own list tasks are asked again too")
        << both << 32811 << solvedSecond << Script { "solve" } << solvedSecondMarks << 0;
}

void TestLearningAids::repeatAndProgress()
{
    QFETCH(QStringList, aids);
    QFETCH(int, kind);
    QFETCH(Script, steps);
    QFETCH(Script, replies);
    QFETCH(Script, marks);
    QFETCH(int, flag);

    QVERIFY(WriteFile(QStringLiteral("Pilo Eigene Eins.txt"),
        "Hauptstadt von Italien\r\nRom\r\nHauptstadt von Spanien\r\nMadrid\r\n"));
    ExerciseRun r;
    r.app.profile.Set("Parameter", "Aufgaben", "3");
    SwitchOn(r.app.profile, aids);
    for (const QString& reply : replies)
        r.wrongReplies.push_back(reply == "solve" ? WrongAnswerChoice::Solve : WrongAnswerChoice::TryAgain);
    CExerciseDlg& dlg = r.Open(kind);
    QVERIFY(dlg.Aids());
    ProgressMarks* shown = dlg.Aids()->Marks();
    QVERIFY(shown);
    // Below the buttons, over none of the window's controls.
    for (QWidget* control : std::initializer_list<QWidget*> { TaskLine(dlg), PromptLine(dlg),
             AnswerField(dlg), &OkButton(dlg), &HelpButton(dlg), &CancelButton(dlg) })
        QVERIFY(!shown->geometry().intersects(control->geometry()));
    QVERIFY(dlg.rect().contains(shown->geometry()));

    QStringList missed; // task texts in the order missed
    QStringList repeated;
    for (int i = 0; i < steps.size(); ++i) {
        const QString& step = steps[i];
        QVERIFY2(!dlg.HasEnded(), qPrintable(QStringLiteral("ended before step %1").arg(i)));
        const bool repeat = r.PromptLine() == QStringLiteral("Diese Aufgabe üben wir nochmal !");
        if (step == "right") {
            if (repeat)
                repeated << r.TaskLine();
            r.AnswerRight();
        } else if (step == "wrong") {
            if (repeat)
                repeated << r.TaskLine();
            else
                missed << r.TaskLine();
            r.Type(r.Expected() + "x");
            r.Ok();
        } else {
            r.Ok();
        }
        QCOMPARE(dlg.HasEnded() ? QStringLiteral("end") : MarksText(*dlg.Aids()), marks[i]);
    }
    QVERIFY(dlg.HasEnded());
    QCOMPARE(r.WrittenFlag(), flag);
    QCOMPARE(dlg.TasksShown(), 3);
    if (aids.contains("Wiederholen"))
        QCOMPARE(repeated, missed);
    else
        QVERIFY(repeated.isEmpty());
    const int current = dlg.Aids()->Log().Current();
    QCOMPARE(shown->accessibleName(), QStringLiteral("Aufgabe %1 von 3").arg(current + 1));
}

void TestLearningAids::barForLongRuns()
{
    ExerciseRun r;
    r.app.profile.Set("Parameter", "Aufgaben", "30");
    SwitchOn(r.app.profile, { "Fortschritt" });
    CExerciseDlg& dlg = r.Open(32772);
    ProgressMarks* marks = dlg.Aids()->Marks();
    QCOMPARE(marks->BarText(), QStringLiteral("1 / 30"));
    for (int i = 0; i < 6; ++i) {
        r.AnswerRight();
        r.Ok();
    }
    QCOMPARE(marks->BarText(), QStringLiteral("7 / 30"));
    QCOMPARE(marks->accessibleName(), QStringLiteral("Aufgabe 7 von 30"));
    QVERIFY(!marks->grab().isNull());
}

void TestLearningAids::everyKindIsSaidInWords_data()
{
    QTest::addColumn<int>("kind");
    for (const ExerciseKind& kind : ExerciseKinds()) {
        if (kind.operation != Operation::OwnFile)
            QTest::addRow("%d %s", kind.id, kind.menuText.data()) << kind.id;
    }
}

// Every generated task shape is said in words, without a digit or sign left.
void TestLearningAids::everyKindIsSaidInWords()
{
    QFETCH(int, kind);
    // Before the run: the window's speaker writes into it until it is gone.
    QStringList said;
    ExerciseRun r;
    RecordingSpeaker::Install(r.app, said);
    r.app.profile.Set("Parameter", "Aufgaben", "1");
    SwitchOn(r.app.profile, { "Vorlesen" });
    r.limitReplies = { "20" };
    r.Open(kind);
    QCOMPARE(said.size(), 1);
    const QString spoken = said.front();
    QVERIFY2(!spoken.contains(QRegularExpression(QStringLiteral("[0-9+=<>-]"))),
        qPrintable(r.TaskLine() + " said as " + spoken));
    QVERIFY2(spoken.endsWith(u'?'), qPrintable(spoken));
}

// The task, the praise, the question after a wrong answer, the solution,
// F5, and silence when the window closes.
void TestLearningAids::oneRunSaidAloud()
{
    // Before the run: the window's speaker writes into it until it is gone.
    QStringList said;
    ExerciseRun r;
    RecordingSpeaker::Install(r.app, said);
    r.app.profile.Set("Parameter", "Aufgaben", "2");
    r.app.profile.Set("Lobe", "Anzahl", "1");
    r.app.profile.Set("Lobe", "Lob0", "Super !");
    r.app.profile.Set("Lobe", "Lob1", "Super !");
    SwitchOn(r.app.profile, { "Vorlesen" });
    r.wrongReplies = { WrongAnswerChoice::Solve };
    CExerciseDlg& dlg = r.Open(32772);
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    const QString first = r.TaskLine();
    r.AnswerRight();
    r.Ok();
    const QString second = r.TaskLine();
    const QString solution = r.Expected();
    QTest::keyClick(AnswerField(dlg), Qt::Key_F5);
    r.Type(solution + "1");
    r.Ok();
    r.Ok();

    const auto words = [](const QString& task) {
        return QString::fromStdString(TaskSpeech::SpokenTask(task.toStdString()));
    };
    const QStringList expected { words(first), "Super !", words(second), words(second),
        "Das ist leider nicht ganz richtig! Willst es nochmals versuchen oder soll ich lösen?",
        "Die Lösung ist " + QString::fromStdString(TaskSpeech::NumberWords(solution.toInt())) + ".",
        "<stop>" };
    QCOMPARE(said, expected);
    QVERIFY(dlg.HasEnded());
}

void TestLearningAids::jokeSaidAloud()
{
    QVERIFY(WriteFile(QStringLiteral("witz1.txt"),
        "Was ist gelb und kann schwimmen?\r\nEin Bagger. Er kann es nur nicht.\r\n"));
    TestApp app;
    QStringList said;
    RecordingSpeaker::Install(app, said);
    app.profile.Set("Parameter", "Witze", "1");
    app.profile.Set("Lernhilfen", "Vorlesen", "1");
    CJokeRewardDlg dlg(app);
    dlg.show();
    QCOMPARE(
        said, QStringList { "Was ist gelb und kann schwimmen? Ein Bagger. Er kann es nur nicht." });
    dlg.OkButton().click();
    QCOMPARE(said.last(), QStringLiteral("<stop>"));
}

void TestLearningAids::hintButton()
{
    CWrongAnswerDlg plain;
    QVERIFY(!plain.HintButton());

    CWrongAnswerDlg dlg;
    int hintsShown = 0;
    dlg.SetHint(QStringLiteral("8 + 5 = ??"), HintFor("8 + 5 = ??", "13"));
    dlg.SetHintRunner([&hintsShown] { ++hintsShown; });
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    CBitmapButton* hint = dlg.HintButton();
    QVERIFY(hint);
    QCOMPARE(hint->accessibleName(), QStringLiteral("Tipp"));
    QVERIFY(hint->HasFaces());
    QVERIFY(dlg.rect().contains(hint->geometry()));
    for (CBitmapButton* other : { &dlg.SolveButton(), &dlg.TryAgainButton() })
        QVERIFY(!hint->geometry().intersects(other->geometry()));
    // Solve, try again, hint: Tab reaches it, Space presses it, the dialog stays.
    QTRY_VERIFY(dlg.SolveButton().hasFocus());
    QTest::keyClick(&dlg, Qt::Key_Tab);
    QTest::keyClick(&dlg, Qt::Key_Tab);
    QVERIFY(hint->hasFocus());
    QTest::keyClick(hint, Qt::Key_Space);
    QCOMPARE(hintsShown, 1);
    QVERIFY(dlg.isVisible());
    dlg.TryAgainButton().click();
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
}

void TestLearningAids::hintWindow_data()
{
    QTest::addColumn<QString>("task");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("described");
    QTest::newRow("8 + 5") << "8 + 5 = ??"
                           << "13"
                           << "8 Punkte und 5 Punkte dazu";
    QTest::newRow("13 - 4") << "13 - 4 = ?"
                            << "9"
                            << "13 Punkte, 4 davon weggenommen";
    QTest::newRow("comparison") << "7 ? 4 "
                                << ">"
                                << "Oben 7 Punkte, unten 4 Punkte";
    QTest::newRow("digits") << "sei a + 10 = 25, dann a = ??"
                            << "15"
                            << "Die Lösung fängt so an: 1?";
}

void TestLearningAids::hintWindow()
{
    QFETCH(QString, task);
    QFETCH(QString, answer);
    QFETCH(QString, described);
    CHintDlg dlg(task, HintFor(task.toStdString(), answer.toStdString()));
    dlg.show();
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Tipp"));
    QCOMPARE(dlg.View()->accessibleName(), described);
    QVERIFY(dlg.View()->width() >= dlg.View()->sizeHint().width());
    QVERIFY(!dlg.View()->grab().isNull());
    QTest::keyClick(&dlg, Qt::Key_Escape);
    QVERIFY(!dlg.isVisible());
}

QTEST_MAIN(TestLearningAids)
#include "test_learning_aids.moc"
