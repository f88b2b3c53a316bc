// Runs of the "Eigene" kinds over exercise lists written by a parent.
#include "ExerciseRun.h"

#include <QtTest>

class TestOwnExercises : public QObject {
    Q_OBJECT
private slots:
    void answer_data();
    void answer();
    void emptyAnswerOfOddFile();
    void unusableFile_data();
    void unusableFile();
    void onePairFiveTimes();
    void longestLineWritten();

private:
    InTemporaryDir dir_;
};

namespace {
const QString kEins = QStringLiteral("Pilo Eigene Eins.txt");
}

void TestOwnExercises::answer_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("task");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("right");

    const QByteArray pair = "2 + 2 =\r\n4\r\n";
    QTest::newRow("CR LF pair, exact answer") << pair << "2 + 2 ="
                                              << "4" << true;
    QTest::newRow("a leading blank is wrong") << pair << "2 + 2 ="
                                              << " 4" << false;
    QTest::newRow("a trailing blank is wrong") << pair << "2 + 2 ="
                                               << "4 " << false;
    QTest::newRow("without the final CR LF") << QByteArray("2 + 2 =\r\n4") << "2 + 2 ="
                                             << "4" << true;
    QTest::newRow("bare LF line ends") << QByteArray("2 + 2 =\n4\n") << "2 + 2 ="
                                       << "4" << true;
    QTest::newRow("letter case counts") << QByteArray("Wer bellt?\r\nHund\r\n") << "Wer bellt?"
                                        << "hund" << false;
    QTest::newRow("Windows-1252 umlaut")
        << QByteArray("Was steht da?\r\nL\xF6sung\r\n") << "Was steht da?"
        << "Lösung" << true;
    QTest::newRow("UTF-8 umlaut") << QByteArray("Was steht da?\r\nL\xC3\xB6sung\r\n")
                                  << "Was steht da?"
                                  << "Lösung" << true;
    const QByteArray forty(40, 'a');
    QTest::newRow("a 40-byte line stays one entry") << forty + "\r\nb\r\n"
                                                    << QString(forty) << "b" << true;
    QTest::newRow("markup is shown as text") << QByteArray("<b>fett</b>\r\nja\r\n") << "<b>fett</b>"
                                             << "ja" << true;
}

void TestOwnExercises::answer()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, task);
    QFETCH(QString, typed);
    QFETCH(bool, right);

    QVERIFY(WriteFile(kEins, file));
    ExerciseRun r;
    r.app.profile.Set("Parameter", "Aufgaben", "1");
    CExerciseDlg& dlg = r.Open(32811);
    QVERIFY(!dlg.HasEnded());
    QCOMPARE(dlg.windowTitle(), QString("Eigene 1"));
    QCOMPARE(r.TaskLine(), task); // no answer mask
    QCOMPARE(r.PromptLine(), QString("Löse obige Aufgabe !"));

    r.TypeKeys(typed); // no filter for free text
    QCOMPARE(AnswerField(dlg)->text(), typed);
    QTest::keyClick(AnswerField(dlg), Qt::Key_Return);
    QCOMPARE(dlg.Answered(), right);
    QCOMPARE(r.asked.wrong, right ? 0 : 1);
    if (right) {
        r.Ok();
        QVERIFY(dlg.HasEnded());
        QCOMPARE(r.WrittenFlag(), 1);
    }
}

// Task, answer, task, each ended by CR LF: the second task's answer is empty.
void TestOwnExercises::emptyAnswerOfOddFile()
{
    QVERIFY(WriteFile(kEins,
        "Wie viel ist 1 + 1?\r\n2\r\nDr\xFC"
        "cke nur OK\r\n"));
    ExerciseRun r;
    r.app.profile.Set("Parameter", "Aufgaben", "20");
    CExerciseDlg& dlg = r.Open(32811);
    int emptyOnes = 0;
    while (!dlg.HasEnded()) {
        const bool second = r.TaskLine() == "Drücke nur OK";
        emptyOnes += second;
        QCOMPARE(r.Expected(), second ? QString() : QString("2"));
        r.Type(second ? QString() : QString("2"));
        r.Ok();
        QVERIFY(dlg.Answered());
        r.Ok();
    }
    QVERIFY(emptyOnes > 0);
    QCOMPARE(r.asked.wrong, 0);
    QCOMPARE(r.WrittenFlag(), 1);
}

void TestOwnExercises::unusableFile_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content"); // "missing": no file at all
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("lengthWritten");

    // Every "Eigene" kind with the file and the message the catalogue gives it.
    const auto text = [](std::string_view bytes) {
        return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    };
    QStringList messages;
    for (const ExerciseKind& kind : ExerciseKinds()) {
        if (kind.menu != Menu::Eigene)
            continue;
        const QString message = text(kind.ownFileError);
        messages.append(message);
        QTest::addRow("%d empty file", kind.id)
            << kind.id << text(kind.ownFileName) << QByteArray("") << message << true;
        QTest::addRow("%d missing file", kind.id)
            << kind.id << text(kind.ownFileName) << QByteArray("missing") << message << false;
    }
    QCOMPARE(messages.size(), 4);
    QTest::newRow("one line without line end")
        << 32811 << "Pilo Eigene Eins.txt" << QByteArray("3 + 4 =") << messages[0] << true;
    QTest::newRow("the file is a folder")
        << 32812 << "Pilo Eigene Zwei.txt" << QByteArray("folder") << messages[1] << false;
}

void TestOwnExercises::unusableFile()
{
    QFETCH(int, kind);
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QFETCH(bool, lengthWritten);

    if (content == "folder")
        QDir().mkdir(fileName);
    else if (content != "missing")
        QVERIFY(WriteFile(fileName, content));
    ExerciseRun r;
    r.app.profile.Set("Parameter", "Aufgaben", "3");
    CExerciseDlg& dlg = r.Open(kind);
    QCOMPARE(r.asked.messages, QStringList { message });
    QVERIFY(dlg.HasEnded());
    QCOMPARE(r.WrittenFlag(), 0);
    QVERIFY(r.TaskLine().isEmpty());
    QCOMPARE(r.Wrote("Laenge"), lengthWritten);
    QCOMPARE(dlg.exec(), int(QDialog::Rejected));
    QDir().rmdir(fileName);
    QFile::remove(fileName);
}

void TestOwnExercises::onePairFiveTimes()
{
    QVERIFY(WriteFile(kEins, "Wie heißt du?\r\nPilo\r\n"));
    ExerciseRun r;
    r.app.profile.Set("Parameter", "Aufgaben", "5");
    CExerciseDlg& dlg = r.Open(32811);
    int tasks = 0;
    while (!dlg.HasEnded() && tasks < 10) {
        QCOMPARE(r.TaskLine(), QString("Wie heißt du?"));
        ++tasks;
        r.Type("Pilo");
        r.Ok();
        r.Ok();
    }
    QCOMPARE(tasks, 5);
    QCOMPARE(r.WrittenFlag(), 1);
}

// Bytes as they stand in the file: "L\xF6sung" counts 6.
void TestOwnExercises::longestLineWritten()
{
    QVERIFY(WriteFile(kEins, "1+1\r\nL\xF6sung\r\n12\r\n3\r\n"));
    ExerciseRun r;
    r.Open(32811);
    QCOMPARE(r.app.profile.GetProfileInt("Parameter", "Laenge", -1), 6);
}

QTEST_MAIN(TestOwnExercises)
#include "test_own_exercises.moc"
