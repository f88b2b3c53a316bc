#include "TestSupport.h"
#include "engine/RandomSource.h"
#include "feedback/CPictureRewardDlg.h"
#include "feedback/Dib.h"

#include <QTemporaryDir>
#include <QtTest>

#include <optional>

#include <climits>
#include <map>

// Test pictures, one colour each, listed as "Bild-1" to "Bild3".
namespace {

const std::map<QString, QColor> kColours {
    { QStringLiteral("minus1.bmp"), QColor(255, 0, 255) },
    { QStringLiteral("bild0.bmp"), QColor(255, 0, 0) },
    { QStringLiteral("bild1.bmp"), QColor(0, 200, 0) },
    { QStringLiteral("bild2.bmp"), QColor(0, 0, 255) },
    { QStringLiteral("bild3.bmp"), QColor(255, 255, 0) },
};

void ListPictures(MemoryProfile& profile, int count)
{
    profile.Set("Bilder", "Anzahl", std::to_string(count));
    profile.Set("Bilder", "Bild-1", "minus1.bmp");
    for (int k = 0; k <= 3; ++k)
        profile.Set("Bilder", "Bild" + std::to_string(k), "bild" + std::to_string(k) + ".bmp");
}

} // namespace

class PictureRewardTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void layout();
    void choice_data();
    void choice();
    void applause_data();
    void applause();
    void paintsPictureCentred_data();
    void paintsPictureCentred();
    void gifPictureIsDrawnToo();
    void namesFromWindowsFindTheFile_data();
    void namesFromWindowsFindTheFile();
    void choosesAgainAtEveryPaint();
    void noPictureLeavesClientEmpty_data();
    void noPictureLeavesClientEmpty();
    void result_data();
    void result();

private:
    std::optional<InTemporaryDir> dir_;
};

void PictureRewardTest::init()
{
    dir_.emplace();
    for (const auto& [name, colour] : kColours)
        QVERIFY(WritePicture(name, { 100, 80 }, colour));
    FixClock(1000);
}

void PictureRewardTest::cleanup()
{
    RandomSource::SetClock(nullptr);
    dir_.reset();
}

void PictureRewardTest::layout()
{
    TestApp app;
    CPictureRewardDlg dlg(app);
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Und jetzt ein hübsches Bild "));
    QCOMPARE(dlg.size(), QSize(614, 408));
    QCOMPARE(dlg.OkButton().geometry(), QRect(260, 350, 79, 44));
    QCOMPARE(dlg.OkButton().accessibleName(), QStringLiteral("OK"));
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QCOMPARE(QApplication::focusWidget(), &dlg.OkButton());
}

void PictureRewardTest::choice_data()
{
    QTest::addColumn<bool>("listed");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no pictures ask for Bild-1") << true << 0 << "minus1.bmp";
    QTest::newRow("one picture is always Bild0") << true << 1 << "bild0.bmp";
    QTest::newRow("negative count asks for Bild-1 and ends") << true << -1 << "minus1.bmp";
    QTest::newRow("most negative count ends too") << true << INT_MIN << "minus1.bmp";
    QTest::newRow("no Bilder section names nothing") << false << 0 << "";
}

void PictureRewardTest::choice()
{
    QFETCH(bool, listed);
    QFETCH(int, count);
    QFETCH(QString, expected);

    TestApp app;
    if (listed)
        ListPictures(app.profile, count);
    CPictureRewardDlg dlg(app);
    for (std::int64_t seconds = 0; seconds < 200; ++seconds) {
        FixClock(1700000000 + seconds * 7);
        QCOMPARE(dlg.ChoosePictureFile(), expected);
    }
}

void PictureRewardTest::applause_data()
{
    QTest::addColumn<QString>("sound");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("played");

    const QStringList applause { QStringLiteral("applaus.wav") };
    QTest::newRow("sound on with a picture") << "1" << 1 << applause;
    QTest::newRow("sound on without a picture") << "1" << 0 << applause;
    QTest::newRow("any non-zero value is on") << "-3" << 1 << applause;
    QTest::newRow("sound off is silent") << "0" << 1 << QStringList();
    QTest::newRow("fresh profile is silent") << "" << 1 << QStringList();
}

void PictureRewardTest::applause()
{
    QFETCH(QString, sound);
    QFETCH(int, count);
    QFETCH(QStringList, played);

    TestApp app;
    ListPictures(app.profile, count);
    if (!sound.isEmpty())
        app.profile.Set("Parameter", "Sound", sound.toStdString());
    CPictureRewardDlg dlg(app);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    dlg.repaint();
    QCOMPARE(app.player.played, played);
    QVERIFY(app.profile.Writes().empty());
}

void PictureRewardTest::paintsPictureCentred_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("expected");

    QTest::newRow("100 x 80 at 257, 164") << QSize(100, 80) << QRect(257, 164, 100, 80);
    QTest::newRow("wider than the client is clipped") << QSize(700, 100) << QRect(0, 154, 614, 100);
}

void PictureRewardTest::paintsPictureCentred()
{
    QFETCH(QSize, size);
    QFETCH(QRect, expected);

    const QColor red(255, 0, 0);
    QVERIFY(WritePicture(QStringLiteral("bild0.bmp"), size, red));
    TestApp app;
    ListPictures(app.profile, 1);
    CPictureRewardDlg dlg(app);
    const QImage shot = dlg.grab().toImage();

    const QRect top(expected.left(), expected.top(), expected.width(), 1);
    QVERIFY(AllPixels(shot, top, red));
    QCOMPARE(shot.pixelColor(expected.bottomRight()), red);
    QVERIFY(shot.pixelColor(expected.topLeft() - QPoint(0, 1)) != red);
    if (expected.left() > 0)
        QVERIFY(shot.pixelColor(expected.topLeft() - QPoint(1, 0)) != red);
    QVERIFY(shot.pixelColor(expected.bottomRight() + QPoint(0, 1)) != red);
}

void PictureRewardTest::gifPictureIsDrawnToo()
{
    if (!CopyDataFile(QStringLiteral("rakete.gif"), QStringLiteral("rakete.gif")))
        QSKIP("the data folder is not built");
    const QImage picture = ConvertGIFtoDIB(QStringLiteral("rakete.gif"));
    QVERIFY(!picture.isNull());
    TestApp app;
    app.profile.Set("Bilder", "Anzahl", "1");
    app.profile.Set("Bilder", "Bild0", "rakete.gif");
    CPictureRewardDlg dlg(app);
    const QImage shot = dlg.grab().toImage().convertToFormat(QImage::Format_RGB32);

    const QPoint origin = CentredOrigin(dlg.size(), picture.size());
    // Compare a band above the OK button, which lies over the picture.
    const QRect band(0, 0, picture.width(), 40);
    QCOMPARE(shot.copy(band.translated(origin)),
        picture.convertToFormat(QImage::Format_RGB32).copy(band));
}

void PictureRewardTest::namesFromWindowsFindTheFile_data()
{
    QTest::addColumn<QString>("named");
    QTest::addColumn<QString>("file");
    QTest::newRow("KATZE.BMP finds katze.bmp") << "KATZE.BMP"
                                               << "katze.bmp";
    QTest::newRow("backslash names a folder") << "bilder\\katze.bmp"
                                              << "bilder/katze.bmp";
    QTest::newRow("folder and file in other letters") << "BILDER\\KATZE.BMP"
                                                      << "Bilder/Katze.Bmp";
}

// Profiles from Windows name pictures in any letter case and with
// backslashes; the picture shows as it did there.
void PictureRewardTest::namesFromWindowsFindTheFile()
{
    QFETCH(QString, named);
    QFETCH(QString, file);
    const QColor sky(0, 128, 255);
    QVERIFY(QDir().mkpath(QFileInfo(file).path()));
    QVERIFY(WritePicture(file, { 100, 80 }, sky));
    TestApp app;
    app.profile.Set("Bilder", "Anzahl", "1");
    app.profile.Set("Bilder", "Bild0", named.toStdString());
    CPictureRewardDlg dlg(app);
    const QImage shot = dlg.grab().toImage();
    QCOMPARE(shot.pixelColor(QRect(257, 164, 100, 80).center()), sky);
    QVERIFY(QFileInfo::exists(file));
}

void PictureRewardTest::choosesAgainAtEveryPaint()
{
    TestApp app;
    ListPictures(app.profile, 3);
    CPictureRewardDlg dlg(app);
    const QPoint centre = CentredOrigin(dlg.size(), { 100, 80 }) + QPoint(50, 10);

    std::map<QString, std::int64_t> secondFor;
    for (std::int64_t second = 0; secondFor.size() < 3 && second < 1000; ++second) {
        FixClock(second);
        secondFor.emplace(dlg.ChoosePictureFile(), second);
    }
    QCOMPARE(secondFor.size(), size_t(3));
    for (const auto& [name, second] : secondFor) {
        FixClock(second);
        QCOMPARE(dlg.grab().toImage().pixelColor(centre), kColours.at(name));
        QCOMPARE(dlg.grab().toImage().pixelColor(centre), kColours.at(name));
    }
}

void PictureRewardTest::noPictureLeavesClientEmpty_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("empty entry") << "" << QByteArray();
    QTest::newRow("missing file") << "fehlt.bmp" << QByteArray();
    QTest::newRow("text file") << "text.bmp" << QByteArray("kein Bild\r\n");
    QTest::newRow("BM header only") << "kaputt.bmp" << QByteArray("BM\x10\x00\x00\x00", 6);
    QTest::newRow("GIF signature only") << "kaputt.gif" << QByteArray("GIF89a");
    QTest::newRow("a directory") << "ordner" << QByteArray();
}

void PictureRewardTest::noPictureLeavesClientEmpty()
{
    QFETCH(QString, entry);
    QFETCH(QByteArray, content);

    if (!content.isEmpty())
        QVERIFY(WriteFile(entry, content));
    if (entry == QLatin1String("ordner"))
        QVERIFY(QDir().mkdir(entry));
    TestApp app;
    app.profile.Set("Bilder", "Anzahl", "1");
    app.profile.Set("Bilder", "Bild0", entry.toStdString());
    CPictureRewardDlg dlg(app);
    const QImage shot = dlg.grab().toImage();
    const QColor background = shot.pixelColor(0, 0);
    QVERIFY(AllPixels(shot, QRect(0, 0, dlg.width(), 340), background));
}

void PictureRewardTest::result_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");

    QTest::newRow("OK button") << 0 << 1;
    QTest::newRow("Enter") << int(Qt::Key_Return) << 1;
    QTest::newRow("Space on the focused button") << int(Qt::Key_Space) << 1;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << int(QDialog::Rejected);
    QTest::newRow("close box") << -1 << int(QDialog::Rejected);
}

void PictureRewardTest::result()
{
    QFETCH(int, key);
    QFETCH(int, result);

    TestApp app;
    CPictureRewardDlg dlg(app);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    if (key == 0)
        QTest::mouseClick(&dlg.OkButton(), Qt::LeftButton);
    else if (key == -1)
        dlg.close();
    else
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QTRY_VERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), result);
}

QTEST_MAIN(PictureRewardTest)
#include "test_picture_reward.moc"
