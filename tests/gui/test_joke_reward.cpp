#include "TestSupport.h"
#include "engine/RandomSource.h"
#include "feedback/CJokeRewardDlg.h"

#include <QTemporaryDir>
#include <QtTest>

#include <optional>

#include <vector>

namespace {

const QColor kPaper(255, 255, 255);

// A joke file whose only line names its number.
bool WriteJoke(int k)
{
    return WriteFile(
        QStringLiteral("witz%1.txt").arg(k), QStringLiteral("Witz %1\r\n").arg(k).toUtf8());
}

// A clock second whose first raw draw is r.
std::int64_t SecondWithFirstDraw(int r)
{
    for (std::uint32_t s = 0;; ++s) {
        RandomSource::Seed(s);
        if (RandomSource::Next() == r)
            return s;
    }
}

bool IsInk(QColor c)
{
    return c.lightness() < 128;
}

// The first row of each run of rows that hold ink.
std::vector<int> InkRunStarts(const QImage& shot, const QRect& area)
{
    std::vector<int> starts;
    bool previous = false;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        bool ink = false;
        for (int x = area.left(); x <= area.right() && !ink; ++x)
            ink = IsInk(shot.pixelColor(x, y));
        if (ink && !previous)
            starts.push_back(y);
        previous = ink;
    }
    return starts;
}

int LeftmostInk(const QImage& shot, const QRect& area)
{
    for (int x = area.left(); x <= area.right(); ++x)
        for (int y = area.top(); y <= area.bottom(); ++y)
            if (IsInk(shot.pixelColor(x, y)))
                return x;
    return -1;
}

} // namespace

class JokeRewardTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void layout();
    void opening_data();
    void opening();
    void choice_data();
    void choice();
    void negativeCountTakesTheFirstDraw();
    void displayLines_data();
    void displayLines();
    void textSitsOnThePicture();
    void noPictureNoText_data();
    void noPictureNoText();
    void result_data();
    void result();

private:
    std::optional<InTemporaryDir> dir_;
};

void JokeRewardTest::init()
{
    dir_.emplace();
    FixClock(1000);
}

void JokeRewardTest::cleanup()
{
    RandomSource::SetClock(nullptr);
    dir_.reset();
}

void JokeRewardTest::layout()
{
    TestApp app;
    CJokeRewardDlg dlg(app);
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Und jetzt ein lustiger Witz !"));
    QCOMPARE(dlg.size(), QSize(624, 413));
    QCOMPARE(dlg.OkButton().geometry(), QRect(280, 350, 79, 44));
    QCOMPARE(dlg.OkButton().accessibleName(), QStringLiteral("OK"));
    QCOMPARE(dlg.TextFont().family(), QStringLiteral("Arial"));
    QCOMPARE(dlg.TextFont().weight(), QFont::Normal);
    QVERIFY(!dlg.TextFont().italic());
    // The largest font whose cell, ascent plus descent, is at most 25 pixels:
    // with Arial's metrics exactly 25, so lines start at 100, 128, 156.
    const int h = dlg.LineHeight();
    QCOMPARE(h, QFontMetrics(dlg.TextFont()).height());
    QVERIFY2(h <= 25 && h >= 23, qPrintable(QString::number(h)));
    QFont larger = dlg.TextFont();
    larger.setPixelSize(larger.pixelSize() + 1);
    QVERIFY(QFontMetrics(larger).height() > 25);
    QCOMPARE(dlg.LineOrigin(0), QPoint(75, 100));
    QCOMPARE(dlg.LineOrigin(1), QPoint(75, 100 + h + 3));
    QCOMPARE(dlg.LineOrigin(2), QPoint(75, 100 + 2 * (h + 3)));
}

void JokeRewardTest::opening_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("fileThere");
    QTest::addColumn<QString>("sound");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QStringList>("played");

    const QStringList laugh { QStringLiteral("lachen.wav") };
    QTest::newRow("joke with sound on laughs") << 1 << true << "1" << true << laugh;
    QTest::newRow("any non-zero sound value is on") << 1 << true << "7" << true << laugh;
    QTest::newRow("joke with sound off is silent") << 1 << true << "0" << true << QStringList();
    QTest::newRow("fresh profile is silent") << 1 << true << "" << true << QStringList();
    QTest::newRow("no jokes configured") << 0 << true << "1" << false << QStringList();
    QTest::newRow("missing joke file") << 1 << false << "1" << false << QStringList();
}

void JokeRewardTest::opening()
{
    QFETCH(int, count);
    QFETCH(bool, fileThere);
    QFETCH(QString, sound);
    QFETCH(bool, shown);
    QFETCH(QStringList, played);

    if (fileThere)
        QVERIFY(WriteJoke(1));
    TestApp app;
    app.profile.Set("Parameter", "Witze", std::to_string(count));
    if (!sound.isEmpty())
        app.profile.Set("Parameter", "Sound", sound.toStdString());
    CJokeRewardDlg dlg(app);
    QCOMPARE(app.player.played, played);
    QCOMPARE(dlg.JokeNumber(), shown ? 1 : 0);
    QCOMPARE(dlg.Lines().isEmpty(), !shown);
    QCOMPARE(dlg.accessibleDescription(), shown ? QStringLiteral("Witz 1") : QString());
    QVERIFY(app.profile.Writes().empty());

    // Only a shown joke puts the focus on the OK button.
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QCOMPARE(QApplication::focusWidget() == &dlg.OkButton(), shown);
}

void JokeRewardTest::choice_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("expected");

    QTest::newRow("one joke is always witz1") << 1 << 1;
    QTest::newRow("no jokes show none") << 0 << 0;
}

void JokeRewardTest::choice()
{
    QFETCH(int, count);
    QFETCH(int, expected);

    for (int k = 1; k <= 3; ++k)
        QVERIFY(WriteJoke(k));
    TestApp app;
    app.profile.Set("Parameter", "Witze", std::to_string(count));
    for (std::int64_t second = 0; second < 50; ++second) {
        FixClock(1700000000 + second * 13);
        CJokeRewardDlg dlg(app);
        QCOMPARE(dlg.JokeNumber(), expected);
    }
}

void JokeRewardTest::negativeCountTakesTheFirstDraw()
{
    TestApp app;
    app.profile.Set("Parameter", "Witze", "-1");
    app.profile.Set("Parameter", "Sound", "1");

    // A first draw of 0 counts as joke 1.
    const std::int64_t zero = SecondWithFirstDraw(0);
    QVERIFY(WriteJoke(1));
    FixClock(zero);
    {
        CJokeRewardDlg dlg(app);
        QCOMPARE(dlg.JokeNumber(), 1);
    }

    const std::int64_t second = 4711;
    RandomSource::Seed(std::uint32_t(second));
    const int first = RandomSource::Next();
    QVERIFY(first > 3);
    FixClock(second);
    app.player.played.clear();
    {
        CJokeRewardDlg dlg(app);
        QCOMPARE(dlg.JokeNumber(), 0);
        QVERIFY(app.player.played.isEmpty());
    }
    QVERIFY(WriteJoke(first));
    CJokeRewardDlg dlg(app);
    QCOMPARE(dlg.JokeNumber(), first);
    QCOMPARE(app.player.played, QStringList { QStringLiteral("lachen.wav") });
}

void JokeRewardTest::displayLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    const QByteArray long60(60, 'a');
    QTest::newRow("two CR LF lines give three display lines")
        << QByteArray("Eins\r\nZwei\r\n") << QStringList { "Eins", "Zwei", "" };
    QTest::newRow("LF lines show no LF")
        << QByteArray("Eins\nZwei") << QStringList { "Eins", "Zwei" };
    QTest::newRow("long line split after 58 characters")
        << long60 << QStringList { QString(58, 'a'), QString(2, 'a') };
    QTest::newRow("58-character line is followed by an empty one")
        << QByteArray(58, 'b') + "\r\nc" << QStringList { QString(58, 'b'), "", "c" };
    QTest::newRow("umlauts in Windows-1252")
        << QByteArray("Gr\xfc\xdf Gott\r\n") << QStringList { QStringLiteral("Grüß Gott"), "" };
    QTest::newRow("empty file gives one empty line") << QByteArray() << QStringList { "" };
}

void JokeRewardTest::displayLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);

    QVERIFY(WriteFile(QStringLiteral("witz1.txt"), bytes));
    TestApp app;
    app.profile.Set("Parameter", "Witze", "1");
    CJokeRewardDlg dlg(app);
    QCOMPARE(dlg.Lines(), lines);
}

void JokeRewardTest::textSitsOnThePicture()
{
    QVERIFY(WritePicture(QStringLiteral("joke.bmp"), { 500, 300 }, kPaper));
    QVERIFY(WriteFile(QStringLiteral("witz1.txt"), "WWWW\r\nWWWW\r\nWWWW"));
    TestApp app;
    app.profile.Set("Parameter", "Witze", "1");
    CJokeRewardDlg dlg(app);
    const QImage shot = dlg.grab().toImage();

    // The picture lies at the top-left corner at its natural size.
    QCOMPARE(shot.pixelColor(0, 0), kPaper);
    QCOMPARE(shot.pixelColor(499, 299), kPaper);
    QVERIFY(shot.pixelColor(500, 300) != kPaper);

    // Each line's ink starts the same distance below its top, so the runs of
    // inked rows are one line height and the gap apart; the background stays
    // the picture's.
    const int h = dlg.LineHeight();
    const QRect text(0, 0, 500, 300);
    const std::vector<int> starts = InkRunStarts(shot, text);
    QCOMPARE(starts.size(), size_t(3));
    QVERIFY(starts[0] >= 100 && starts[0] < 100 + h);
    QCOMPARE(starts[1] - starts[0], h + 3);
    QCOMPARE(starts[2] - starts[1], h + 3);
    const int left = LeftmostInk(shot, text);
    QVERIFY2(left >= 75 && left <= 80, qPrintable(QString::number(left)));
    QVERIFY(AllPixels(shot, QRect(0, 0, 500, 100), kPaper));
    QCOMPARE(shot.pixelColor(76, 101), kPaper);
}

void JokeRewardTest::noPictureNoText_data()
{
    QTest::addColumn<QString>("picture");

    QTest::newRow("no joke.bmp") << "";
    QTest::newRow("a GIF named joke.bmp") << "gif";
    QTest::newRow("joke.bmp not a picture") << "text";
}

void JokeRewardTest::noPictureNoText()
{
    QFETCH(QString, picture);

    if (picture == QLatin1String("gif")
        && !CopyDataFile(QStringLiteral("rakete.gif"), QStringLiteral("joke.bmp")))
        QSKIP("the data folder is not built");
    if (picture == QLatin1String("text"))
        QVERIFY(WriteFile(QStringLiteral("joke.bmp"), "WWWW\r\n"));
    QVERIFY(WriteFile(QStringLiteral("witz1.txt"), "WWWW\r\nWWWW\r\n"));
    TestApp app;
    app.profile.Set("Parameter", "Witze", "1");
    app.profile.Set("Parameter", "Sound", "1");
    CJokeRewardDlg dlg(app);
    QCOMPARE(app.player.played, QStringList { QStringLiteral("lachen.wav") });
    const QImage shot = dlg.grab().toImage();
    QVERIFY(AllPixels(shot, QRect(0, 0, dlg.width(), 340), shot.pixelColor(0, 0)));
}

void JokeRewardTest::result_data()
{
    QTest::addColumn<bool>("joke");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");

    QTest::newRow("OK button") << true << 0 << 1;
    QTest::newRow("Enter") << true << int(Qt::Key_Return) << 1;
    QTest::newRow("Escape") << true << int(Qt::Key_Escape) << int(QDialog::Rejected);
    QTest::newRow("close box") << true << -1 << int(QDialog::Rejected);
    QTest::newRow("Enter without a joke") << false << int(Qt::Key_Return) << 1;
    QTest::newRow("Escape without a joke")
        << false << int(Qt::Key_Escape) << int(QDialog::Rejected);
    QTest::newRow("Tab then Space without a joke") << false << int(Qt::Key_Tab) << 1;
}

void JokeRewardTest::result()
{
    QFETCH(bool, joke);
    QFETCH(int, key);
    QFETCH(int, result);

    QVERIFY(WriteJoke(1));
    TestApp app;
    app.profile.Set("Parameter", "Witze", joke ? "1" : "0");
    CJokeRewardDlg dlg(app);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    if (key == 0) {
        QTest::mouseClick(&dlg.OkButton(), Qt::LeftButton);
    } else if (key == -1) {
        dlg.close();
    } else {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        if (key == Qt::Key_Tab) {
            QCOMPARE(QApplication::focusWidget(), &dlg.OkButton());
            QTest::keyClick(&dlg.OkButton(), Qt::Key_Space);
        }
    }
    QTRY_VERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), result);
}

QTEST_MAIN(JokeRewardTest)
#include "test_joke_reward.moc"
