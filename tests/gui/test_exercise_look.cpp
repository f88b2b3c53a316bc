// The exercise window's look: layout, tab order, fonts and colours from the
// profile, and the background picture.
#include "ExerciseRun.h"

#include <QtTest>

class TestExerciseLook : public QObject {
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void keyboardReachesEveryControl();
    void accessibleNames();
    void fonts_data();
    void fonts();
    void colours_data();
    void colours();
    void coloursReadAtEveryPaint();
    void background_data();
    void background();

private:
    InTemporaryDir dir_;
};

namespace {

bool HasPixel(const QImage& image, QColor colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

QImage Grab(QWidget* w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QWidget* Child(CExerciseDlg& dlg, const char* name)
{
    return dlg.findChild<QWidget*>(QLatin1String(name));
}

} // namespace

void TestExerciseLook::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("prompt line") << "promptLine" << QRect(56, 171, 521, 41);
    QTest::newRow("task line") << "taskLine" << QRect(21, 33, 590, 37);
    QTest::newRow("answer field") << "answerField" << QRect(41, 111, 557, 44);
    QTest::newRow("OK takes its face's size") << "okButton" << QRect(180, 252, 79, 44);
    QTest::newRow("help") << "helpButton" << QRect(383, 252, 79, 44);
    QTest::newRow("cancel") << "cancelButton" << QRect(285, 252, 79, 44);
}

void TestExerciseLook::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    ExerciseRun r;
    CExerciseDlg& dlg = r.Open(32771);
    QCOMPARE(dlg.size(), QSize(633, 400));
    QCOMPARE(dlg.minimumSize(), dlg.maximumSize());
    QWidget* control = Child(dlg, qPrintable(name));
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
    // The NEXT face keeps the button where it is.
    r.AnswerRight();
    QCOMPARE(control->geometry(), geometry);
}

void TestExerciseLook::keyboardReachesEveryControl()
{
    ExerciseRun r;
    CExerciseDlg& dlg = r.Open(32771);
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QTRY_COMPARE(dlg.focusWidget(), AnswerField(dlg));

    const QList<QWidget*> order { &HelpButton(dlg), &CancelButton(dlg), &OkButton(dlg),
        AnswerField(dlg) };
    for (QWidget* next : order) {
        PaintCounter painted(next);
        QTest::keyClick(dlg.focusWidget(), Qt::Key_Tab);
        // The focused control redraws itself; that must not pull the focus back.
        QTRY_VERIFY(painted.paints > 0);
        QCOMPARE(dlg.focusWidget(), next);
    }
    QVERIFY(!TaskLine(dlg)->focusPolicy());
    QVERIFY(!PromptLine(dlg)->focusPolicy());
}

void TestExerciseLook::accessibleNames()
{
    ExerciseRun r;
    CExerciseDlg& dlg = r.Open(32802);
    QCOMPARE(dlg.windowTitle(), QString("Zwei Zahlen kleiner 10"));
    QCOMPARE(AnswerField(dlg)->accessibleName(), QString("Antwort"));
    QCOMPARE(OkButton(dlg).accessibleName(), QString("OK"));
    QCOMPARE(HelpButton(dlg).accessibleName(), QString("Hilfe"));
    QCOMPARE(CancelButton(dlg).accessibleName(), QString("Ende"));
    QVERIFY(TaskLine(dlg)->accessibleName().isEmpty());
    QVERIFY(PromptLine(dlg)->accessibleName().isEmpty());
    QCOMPARE(PromptLine(dlg)->text(), QString("Gib < oder > ein !"));
}

// Rows: section values as "key=value" pairs for "BigFont".
void TestExerciseLook::fonts_data()
{
    QTest::addColumn<QStringList>("big");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<int>("weight");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<bool>("strikeOut");

    QTest::newRow("no settings: Arial 35 normal")
        << QStringList {} << "Arial" << 35 << int(QFont::Normal) << false << false << false;
    QTest::newRow("bold italic") << QStringList { "FontWeight=700", "Italic=1" } << "Arial" << 35
                                 << int(QFont::Bold) << true << false << false;
    QTest::newRow("only the low byte switches italic")
        << QStringList { "Italic=256", "Underline=1", "StrikeOut=257" } << "Arial" << 35
        << int(QFont::Normal) << false << true << true;
    QTest::newRow("own face and height")
        << QStringList { "Name=Liberation Serif", "FontHeight=48", "FontWeight=550" }
        << "Liberation Serif" << 48 << int(QFont::DemiBold) << false << false << false;
    QTest::newRow("negative height means the same size")
        << QStringList { "FontHeight=-20", "FontWeight=0" } << "Arial" << 20 << int(QFont::Normal)
        << false << false << false;
    // 20 two-byte letters: 31 bytes would split the sixteenth.
    QTest::newRow("long face name cut between characters")
        << QStringList { "Name=" + QString(20, QChar(0xC4)) } << QString(15, QChar(0xC4)) << 35
        << int(QFont::Normal) << false << false << false;
    QTest::newRow("huge height is bounded")
        << QStringList { "FontHeight=2147483647" } << "Arial" << 2000 << int(QFont::Normal) << false
        << false << false;
}

void TestExerciseLook::fonts()
{
    QFETCH(QStringList, big);
    QFETCH(QString, family);
    QFETCH(int, pixels);
    QFETCH(int, weight);
    QFETCH(bool, italic);
    QFETCH(bool, underline);
    QFETCH(bool, strikeOut);

    ExerciseRun r;
    for (const QString& pair : big) {
        const QStringList kv = pair.split('=');
        r.app.profile.Set("BigFont", kv[0].toStdString(), kv[1].toStdString());
    }
    CExerciseDlg& dlg = r.Open(32771);
    for (QWidget* w : std::initializer_list<QWidget*> { TaskLine(dlg), AnswerField(dlg) }) {
        const QFont f = w->font();
        QCOMPARE(f.family(), family);
        QCOMPARE(f.pixelSize(), pixels);
        QCOMPARE(int(f.weight()), weight);
        QCOMPARE(f.italic(), italic);
        QCOMPARE(f.underline(), underline);
        QCOMPARE(f.strikeOut(), strikeOut);
    }
    const QFont small = PromptLine(dlg)->font();
    QCOMPARE(small.family(), QString("Arial"));
    QCOMPARE(small.pixelSize(), 35);
    QCOMPARE(small.weight(), QFont::Normal);
    QVERIFY(!small.italic());
}

void TestExerciseLook::colours_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QStringList>("rgb");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("Rot 300 gives red 44")
        << "BigFont" << QStringList { "300", "0", "0" } << QColor(44, 0, 0);
    QTest::newRow("negative parts wrap")
        << "BigFont" << QStringList { "-1", "0", "256" } << QColor(255, 0, 0);
    QTest::newRow("prompt in the small colour")
        << "SmallFont" << QStringList { "0", "200", "10" } << QColor(0, 200, 10);
}

void TestExerciseLook::colours()
{
    QFETCH(QString, section);
    QFETCH(QStringList, rgb);
    QFETCH(QColor, colour);
    ExerciseRun r;
    const std::string s = section.toStdString();
    r.app.profile.Set(s, "Rot", rgb[0].toStdString());
    r.app.profile.Set(s, "Gruen", rgb[1].toStdString());
    r.app.profile.Set(s, "Blau", rgb[2].toStdString());
    CExerciseDlg& dlg = r.Open(32771);
    r.Type("1234");

    const bool small = section == "SmallFont";
    const QImage prompt = Grab(PromptLine(dlg));
    const QImage task = Grab(TaskLine(dlg));
    const QImage answer = Grab(AnswerField(dlg));
    QCOMPARE(HasPixel(prompt, colour), small);
    QCOMPARE(HasPixel(task, colour), !small);
    QCOMPARE(HasPixel(answer, colour), !small);
    QCOMPARE(HasPixel(small ? task : prompt, Qt::black), true);
    for (const QImage& image : { prompt, task, answer }) {
        QCOMPARE(image.pixelColor(0, 0), QColor(0, 0, 255));
        QCOMPARE(image.pixelColor(image.width() - 1, image.height() - 1), QColor(0, 0, 255));
    }
}

void TestExerciseLook::coloursReadAtEveryPaint()
{
    ExerciseRun r;
    CExerciseDlg& dlg = r.Open(32771);
    QVERIFY(HasPixel(Grab(TaskLine(dlg)), Qt::black));
    r.app.profile.Set("BigFont", "Gruen", "128");
    const QImage again = Grab(TaskLine(dlg));
    QVERIFY(HasPixel(again, QColor(0, 128, 0)));
    QVERIFY(!HasPixel(again, Qt::black));
}

void TestExerciseLook::background_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("large BMP fills the window") << "BMP" << QSize(1024, 768) << true;
    QTest::newRow("tiny BMP is stretched") << "BMP" << QSize(3, 2) << true;
    QTest::newRow("PNG under a BMP name is not drawn") << "PNG" << QSize(64, 64) << false;
    QTest::newRow("no picture") << "" << QSize() << false;
}

void TestExerciseLook::background()
{
    QFETCH(QString, format);
    QFETCH(QSize, size);
    QFETCH(bool, drawn);
    QFile::remove("BackGround.bmp");
    if (!format.isEmpty()) {
        QVERIFY(WritePicture("BackGround.bmp", size, QColor(0, 160, 0), qPrintable(format)));
    }
    ExerciseRun r;
    CExerciseDlg& dlg = r.Open(32771);
    const QImage window = Grab(&dlg);
    const QColor green(0, 160, 0);
    for (const QPoint corner : { QPoint(1, 1), QPoint(631, 398), QPoint(631, 1), QPoint(1, 398) })
        QCOMPARE(window.pixelColor(corner) == green, drawn);
    QCOMPARE(window.pixelColor(TaskLine(dlg)->geometry().topLeft()), QColor(0, 0, 255));

    // A changed picture shows at the next paint.
    QImage red(QSize(50, 50), QImage::Format_RGB32);
    red.fill(QColor(200, 0, 0));
    QVERIFY(red.save("BackGround.bmp", "BMP"));
    QCOMPARE(Grab(&dlg).pixelColor(5, 5), QColor(200, 0, 0));

    // Another picture of the same size copied over with the old modification
    // time, as an archive or "cp -p" does.
    const QFileInfo before("BackGround.bmp");
    const QDateTime stamp = before.lastModified();
    red.fill(QColor(0, 0, 120));
    const auto copyOver = [&red, &stamp] {
        QFile file("BackGround.bmp");
        return red.save("BackGround.bmp", "BMP") && file.open(QIODevice::ReadWrite)
            && file.setFileTime(stamp, QFileDevice::FileModificationTime);
    };
    // Copied again until the file system's clock has moved on: within one
    // tick, no stamp could tell the two files apart.
    QTRY_VERIFY(copyOver()
        && QFileInfo("BackGround.bmp").metadataChangeTime() != before.metadataChangeTime());
    QCOMPARE(QFileInfo("BackGround.bmp").lastModified(), stamp);
    QCOMPARE(Grab(&dlg).pixelColor(5, 5), QColor(0, 0, 120));
    QFile::remove("BackGround.bmp");
}

QTEST_MAIN(TestExerciseLook)
#include "test_exercise_look.moc"
