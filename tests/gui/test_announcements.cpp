// What a screen reader hears through a run: Qt's accessibility events, caught
// with Qt's own update hook where its AT-SPI bridge would take them.  Qt
// reports events only while its bridge is connected to an accessibility bus,
// so this test runs on X through tests/tools/with_a11y_bus.sh.
#include "ExerciseRun.h"
#include "engine/Hint.h"
#include "feedback/CWrongAnswerDlg.h"

#include <QAccessible>
#include <QtTest>

namespace {

struct Heard {
    QObject* object;
    QString description;
};

std::vector<Heard> heard;

// The description an object carries when its change is reported, which is
// what the reader speaks.
void Listen(QAccessibleEvent* event)
{
    if (event->type() != QAccessible::DescriptionChanged)
        return;
    QAccessibleInterface* access = event->accessibleInterface();
    heard.push_back(
        { event->object(), access ? access->text(QAccessible::Description) : QString() });
}

QStringList HeardFrom(QObject* object)
{
    QStringList texts;
    for (const Heard& h : heard)
        if (h.object == object)
            texts.append(h.description);
    return texts;
}

const QString kQuestion = QStringLiteral(
    "Das ist leider nicht ganz richtig ! Willst es nochmals versuchen oder soll ich lösen ?");

} // namespace

class AnnouncementsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QAccessible::installUpdateHandler(&Listen);
        QTRY_VERIFY2_WITH_TIMEOUT(QAccessible::isActive(), "no accessibility bus", 20000);
    }
    void init() { heard.clear(); }

    void rightAndWrongAnswers();
    void repeatedTaskHeard();
    void wrongAnswerQuestion();
};

// Each task is heard as it appears and each praise after OK; a wrong answer
// tried again adds nothing in the window itself (its dialog speaks).
void AnnouncementsTest::rightAndWrongAnswers()
{
    InTemporaryDir dir;
    ExerciseRun run;
    run.app.profile.Set("Parameter", "Aufgaben", "3");
    run.app.profile.Set("Lobe", "Anzahl", "1");
    run.app.profile.Set("Lobe", "Lob1", "Super!");
    CExerciseDlg& dlg = run.Open(32772);
    QLineEdit* field = AnswerField(dlg);
    const QString first = run.TaskLine();
    QCOMPARE(HeardFrom(field), QStringList { first });

    run.AnswerRight();
    run.Ok();
    const QString second = run.TaskLine();
    run.Type(QStringLiteral("9999"));
    run.Ok();
    QCOMPARE(run.asked.wrong, 1);
    run.AnswerRight();
    const QString praise = QStringLiteral("Super!");
    QCOMPARE(HeardFrom(field), (QStringList { first, praise, second, praise }));
    QCOMPARE(QAccessible::queryAccessibleInterface(field)->text(QAccessible::Name),
        QStringLiteral("Antwort"));
}

// A missed task asked again at the end is heard with its prompt, though
// its text is the one the field described last.
void AnnouncementsTest::repeatedTaskHeard()
{
    InTemporaryDir dir;
    ExerciseRun run;
    run.app.profile.Set("Parameter", "Aufgaben", "1");
    run.app.profile.Set("Lernhilfen", "Wiederholen", "1");
    run.wrongReplies = { WrongAnswerChoice::Solve };
    CExerciseDlg& dlg = run.Open(32772);
    const QString task = run.TaskLine();
    run.Type(run.Expected() + "1");
    run.Ok();
    run.Ok();
    QCOMPARE(run.TaskLine(), task);
    QCOMPARE(HeardFrom(AnswerField(dlg)),
        (QStringList { task, QStringLiteral("Diese Aufgabe üben wir nochmal ! ") + task }));
}

// The question is pictured; the window and its buttons carry it in words.
void AnnouncementsTest::wrongAnswerQuestion()
{
    CWrongAnswerDlg dlg;
    dlg.SetHint(QStringLiteral("8 + 5 = ??"), HintFor("8 + 5 = ??", "13"));
    for (QObject* object : std::initializer_list<QObject*> {
             &dlg, &dlg.SolveButton(), &dlg.TryAgainButton(), dlg.HintButton() }) {
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(object);
        QVERIFY(access);
        QCOMPARE(access->text(QAccessible::Description), kQuestion);
    }
}

QTEST_MAIN(AnnouncementsTest)
#include "test_announcements.moc"
