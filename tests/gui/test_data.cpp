// Checks the data folder the program runs in: everything the demo profile
// names is there and usable, through the same readers the windows use.
#include "engine/OwnExerciseFile.h"
#include "feedback/Dib.h"
#include "feedback/JokeFile.h"
#include "settings/IniProfile.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QSet>
#include <QStringDecoder>
#include <QtEndian>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

const QString kDataDir = QStringLiteral(PILO_DATA_DIR);

QByteArray Bytes(const QString& name)
{
    QFile file(kDataDir + '/' + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool IsUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    return !decoder.hasError();
}

QStringList TextLines(const QByteArray& bytes)
{
    QStringList lines = QString::fromUtf8(bytes).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

int Width(const QString& text, int pixelSize)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    return QFontMetrics(font).horizontalAdvance(text);
}

// What a picture is used for decides the size it may have.
struct Role {
    const char* name;
    QSize max;
};
const Role kReward { "reward", { 560, 290 } }; // centred above the OK button at y = 350
const Role kBackground { "background", { 640, 440 } };

struct Wave {
    int format = 0, channels = 0, rate = 0, bits = 0;
    QByteArray data;
};

bool ParseWave(const QByteArray& bytes, Wave& wave)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return false;
    const auto u16
        = [&](qsizetype at) { return int(qFromLittleEndian<quint16>(bytes.constData() + at)); };
    const auto u32
        = [&](qsizetype at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    if (u32(4) != quint32(bytes.size() - 8))
        return false;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = u32(at + 4);
        if (at + 8 + size > bytes.size())
            return false;
        if (id == "fmt " && size >= 16) {
            wave.format = u16(at + 8);
            wave.channels = u16(at + 10);
            wave.rate = int(u32(at + 12));
            wave.bits = u16(at + 22);
        } else if (id == "data") {
            wave.data = bytes.mid(at + 8, size);
        }
        at += 8 + size + (size & 1);
    }
    return wave.format != 0 && !wave.data.isEmpty();
}

} // namespace

class TestData : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void profileSettings();
    void pictures_data();
    void pictures();
    void gifDecodesCompletely();
    void jokes_data();
    void jokes();
    void noJokeBeyondTheCount();
    void sounds_data();
    void sounds();
    void ownExerciseLists_data();
    void ownExerciseLists();
    void praises();

private:
    std::unique_ptr<IniProfile> profile_;
};

void TestData::initTestCase()
{
    // The program finds its files by bare name in the folder it runs in.
    QVERIFY2(QDir::setCurrent(kDataDir), qPrintable(kDataDir));
    QVERIFY(QFile::exists(QStringLiteral("pilo.INI")));
    profile_ = std::make_unique<IniProfile>((kDataDir + QStringLiteral("/pilo.INI")).toStdString());
}

void TestData::profileSettings()
{
    QCOMPARE(profile_->GetProfileInt("Parameter", "Belohnungsart", -1), 2);
    QVERIFY(profile_->GetProfileInt("Parameter", "Aufgaben", 0) > 0);
    QVERIFY(profile_->GetProfileInt("Parameter", "Witze", 0) >= 15);
    QCOMPARE(profile_->GetProfileInt("Parameter", "Sound", 0), 1);
    // A fresh installation owes no reward yet.
    QCOMPARE(profile_->GetProfileInt("Parameter", "Lobe", 0), 0);

    // The options page can only mark the background it lists.
    const std::string background = profile_->GetProfileString("Parameter", "Hintergrundbild");
    const int offered = profile_->GetProfileInt("Bilder", "AnzahlHinter", 0);
    bool listed = false;
    for (int k = 1; k <= offered; ++k)
        listed = listed
            || profile_->GetProfileString("Bilder", "Bild" + std::to_string(k)) == background;
    QVERIFY2(listed, background.c_str());

    // Written like a Windows profile.
    const QByteArray bytes = Bytes(QStringLiteral("pilo.INI"));
    QVERIFY(IsUtf8(bytes));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
}

void TestData::pictures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("acceptGif");
    QTest::addColumn<QSize>("minSize");
    QTest::addColumn<QSize>("maxSize");

    // Bild0 .. Bild(Anzahl - 1) are rewards, Bild1 .. Bild(AnzahlHinter)
    // backgrounds: the same keys serve both lists.
    IniProfile profile((kDataDir + QStringLiteral("/pilo.INI")).toStdString());
    const int rewards = profile.GetProfileInt("Bilder", "Anzahl", 0);
    const int backgrounds = profile.GetProfileInt("Bilder", "AnzahlHinter", 0);
    QVERIFY(rewards >= 8);
    QVERIFY(backgrounds >= 1);
    for (int k = 0; k <= std::max(rewards - 1, backgrounds); ++k) {
        const Role& role = k < rewards ? kReward : kBackground;
        const QString file = QString::fromStdString(
            profile.GetProfileString("Bilder", "Bild" + std::to_string(k)));
        QTest::addRow("Bild%d %s %s", k, role.name, qPrintable(file))
            << file << true << QSize(100, 100) << role.max;
    }
    QTest::newRow("main window picture")
        << QString::fromStdString(profile.GetProfileString("Parameter", "Hintergrundbild")) << true
        << QSize(400, 300) << kBackground.max;
    // Stretched over the 633 x 400 exercise window: the same shape keeps it undistorted.
    QTest::newRow("exercise window")
        << QStringLiteral("BackGround.bmp") << false << QSize(633, 400) << QSize(633, 400);
    // The joke's lines stand on it from (75, 100); the OK button sits at y = 350.
    QTest::newRow("joke") << QStringLiteral("joke.bmp") << false << QSize(600, 330)
                          << QSize(640, 350);
}

void TestData::pictures()
{
    QFETCH(QString, file);
    QFETCH(bool, acceptGif);
    QFETCH(QSize, minSize);
    QFETCH(QSize, maxSize);

    QVERIFY(!file.isEmpty());
    const QByteArray bytes = Bytes(file);
    QVERIFY2(!bytes.isEmpty(), qPrintable(file));
    if (file.endsWith(QLatin1String(".gif"))) {
        QVERIFY(acceptGif);
        QVERIFY(bytes.startsWith("GIF89a"));
        QVERIFY(ConvertIsGIFFile(file));
        QVERIFY(!IsBMPFile(file));
    } else {
        QVERIFY(bytes.startsWith("BM"));
        QVERIFY(IsBMPFile(file));
    }
    const QImage picture = LoadPicture(file, acceptGif);
    QVERIFY(!picture.isNull());
    QVERIFY2(picture.width() >= minSize.width() && picture.height() >= minSize.height(),
        qPrintable(QStringLiteral("%1 x %2").arg(picture.width()).arg(picture.height())));
    QVERIFY2(picture.width() <= maxSize.width() && picture.height() <= maxSize.height(),
        qPrintable(QStringLiteral("%1 x %2").arg(picture.width()).arg(picture.height())));
}

void TestData::gifDecodesCompletely()
{
    // A broken code stream still decodes, but leaves the rest of the picture
    // in one fill colour: the last rows show whether all of it arrived.
    const QImage picture
        = ConvertGIFtoDIB(QStringLiteral("fische.gif")).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!picture.isNull());
    QSet<QRgb> bottom;
    for (int y = picture.height() - 40; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            bottom.insert(picture.pixel(x, y));
    QVERIFY2(bottom.size() >= 16, qPrintable(QString::number(bottom.size())));
    QSet<QRgb> all;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            all.insert(picture.pixel(x, y));
    QVERIFY(all.size() <= 256);
}

void TestData::jokes_data()
{
    QTest::addColumn<int>("number");
    IniProfile profile((kDataDir + QStringLiteral("/pilo.INI")).toStdString());
    const int count = profile.GetProfileInt("Parameter", "Witze", 0);
    for (int k = 1; k <= count; ++k)
        QTest::addRow("witz%d.txt", k) << k;
}

void TestData::jokes()
{
    QFETCH(int, number);
    const QString name = QString::fromStdString(JokeFileName(number));
    const QByteArray bytes = Bytes(name);
    QVERIFY2(!bytes.isEmpty(), qPrintable(name));
    QVERIFY(IsUtf8(bytes));

    std::vector<std::string> shown;
    QVERIFY(ReadJokeFile(name.toStdString(), shown));
    // The final line end leaves one empty display line; it shows nothing.
    if (!shown.empty() && shown.back().empty())
        shown.pop_back();
    QVERIFY(!shown.empty());
    QVERIFY2(shown.size() <= 8, qPrintable(QString::number(shown.size())));
    QCOMPARE(int(shown.size()), TextLines(bytes).size());
    for (const std::string& line : shown) {
        const QString text = QString::fromStdString(line);
        QVERIFY2(text.size() <= 40, qPrintable(text));
        // From x = 75 the sheet in joke.bmp ends before x = 610.
        QVERIFY2(Width(text, 25) <= 520, qPrintable(text));
        QVERIFY(!text.contains('\r'));
    }
}

void TestData::noJokeBeyondTheCount()
{
    const int count = profile_->GetProfileInt("Parameter", "Witze", 0);
    QVERIFY(!QFile::exists(QString::fromStdString(JokeFileName(count + 1))));
}

void TestData::sounds_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("minSeconds");
    QTest::addColumn<double>("maxSeconds");
    QTest::newRow("applause") << QStringLiteral("applaus.wav") << 1.5 << 3.5;
    QTest::newRow("laugh") << QStringLiteral("lachen.wav") << 1.2 << 3.0;
    QTest::newRow("drum roll") << QStringLiteral("drum.wav") << 1.0 << 2.5;
    QTest::newRow("oh-oh") << QStringLiteral("gemein.wav") << 0.5 << 1.6;
}

void TestData::sounds()
{
    QFETCH(QString, file);
    QFETCH(double, minSeconds);
    QFETCH(double, maxSeconds);

    const QByteArray bytes = Bytes(file);
    QVERIFY2(!bytes.isEmpty(), qPrintable(file));
    QVERIFY(bytes.size() < 200 * 1024);
    Wave wave;
    QVERIFY(ParseWave(bytes, wave));
    QCOMPARE(wave.format, 1);
    QCOMPARE(wave.channels, 1);
    QCOMPARE(wave.rate, 22050);
    QCOMPARE(wave.bits, 16);

    const qsizetype count = wave.data.size() / 2;
    const double seconds = double(count) / wave.rate;
    QVERIFY2(seconds >= minSeconds && seconds <= maxSeconds, qPrintable(QString::number(seconds)));
    double sum = 0;
    int peak = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const int s = qFromLittleEndian<qint16>(wave.data.constData() + 2 * i);
        sum += double(s) * s;
        peak = std::max(peak, std::abs(s));
    }
    const double rms = std::sqrt(sum / double(count)) / 32768.0;
    QVERIFY2(rms > 0.03, qPrintable(QString::number(rms)));
    QVERIFY2(peak < 32000, qPrintable(QString::number(peak)));
    // Soft edges: no click when the sound starts or is cut off by the next.
    const auto at = [&](qsizetype i) {
        return std::abs(qFromLittleEndian<qint16>(wave.data.constData() + 2 * i));
    };
    QVERIFY(at(0) < 500);
    QVERIFY(at(count - 1) < 500);
}

void TestData::ownExerciseLists_data()
{
    QTest::addColumn<QString>("file");
    for (const char* name : { "Eins", "Zwei", "Drei", "Vier" })
        QTest::newRow(name) << QStringLiteral("Pilo Eigene %1.txt").arg(QLatin1String(name));
}

void TestData::ownExerciseLists()
{
    QFETCH(QString, file);
    const QByteArray bytes = Bytes(file);
    QVERIFY2(!bytes.isEmpty(), qPrintable(file));
    QVERIFY(IsUtf8(bytes));
    QVERIFY(!bytes.contains('\r'));
    const QStringList lines = TextLines(bytes);
    // An even count keeps the empty entry after the final line end out of the pairs.
    QCOMPARE(lines.size() % 2, 0);
    QVERIFY(lines.size() >= 24);
    for (const QString& line : lines) {
        // Lines stay within one read of the old fixed-size reader, so the file
        // pairs the same in every version of the program.
        QVERIFY2(line.toUtf8().size() <= 37, qPrintable(line));
    }

    OwnExerciseList list;
    QVERIFY(ReadOwnExerciseFile(file.toStdString(), list));
    QCOMPARE(list.PairCount(), int(lines.size() / 2));
    for (int r = 0; r < list.PairCount(); ++r) {
        const OwnTask pair = PickOwnExercise(list, r);
        const QString task = QString::fromStdString(pair.task);
        const QString answer = QString::fromStdString(pair.answer);
        QVERIFY2(!task.trimmed().isEmpty(), qPrintable(task));
        // The child's text is compared exactly: nothing typed can match blanks
        // at the ends or an empty answer.
        QVERIFY2(!answer.isEmpty() && answer == answer.trimmed(), qPrintable(answer));
        // The task line is 590 px wide, in the exercise window's 35 px font.
        QVERIFY2(Width(task, 35) <= 590, qPrintable(task));
    }
}

void TestData::praises()
{
    const int count = profile_->GetProfileInt("Lobe", "Anzahl", 0);
    QVERIFY(count >= 12);
    QStringList texts;
    for (int k = 1; k <= count; ++k)
        texts << QString::fromStdString(
            profile_->GetProfileString("Lobe", "Lob" + std::to_string(k)));
    QCollator collator { QLocale(QLocale::German, QLocale::Germany) };
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    for (int i = 0; i < texts.size(); ++i) {
        QVERIFY(!texts.at(i).isEmpty());
        QVERIFY2(texts.at(i).size() <= 34, qPrintable(texts.at(i)));
        if (i > 0)
            QVERIFY2(collator.compare(texts.at(i - 1), texts.at(i)) < 0,
                qPrintable(texts.at(i - 1) + " / " + texts.at(i)));
    }
}

QTEST_MAIN(TestData)
#include "test_data.moc"
