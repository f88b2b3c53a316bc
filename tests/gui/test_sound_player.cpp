#include "TestSupport.h"
#include "feedback/QtSoundPlayer.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

template <typename T> void Put(QByteArray& bytes, T value)
{
    char raw[sizeof(T)];
    qToLittleEndian(value, raw);
    bytes.append(raw, sizeof(T));
}

// A silent mono wave file whose header promises samples and which holds
// present of them.
QByteArray Wave(quint32 samples, int present, quint16 bits = 8, quint16 tag = 1)
{
    QByteArray bytes("RIFF");
    Put<quint32>(bytes, 36 + samples * bits / 8);
    bytes.append("WAVEfmt ");
    Put<quint32>(bytes, 16);
    Put<quint16>(bytes, tag);
    Put<quint16>(bytes, 1);
    Put<quint32>(bytes, 8000);
    Put<quint32>(bytes, 8000 * bits / 8);
    Put<quint16>(bytes, bits / 8);
    Put<quint16>(bytes, bits);
    bytes.append("data");
    Put<quint32>(bytes, samples * bits / 8);
    bytes.append(QByteArray(present * bits / 8, char(0x80)));
    return bytes;
}

} // namespace

class SoundPlayerTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void play_data();
    void play();
    void shippedSoundsPlay_data();
    void shippedSoundsPlay();

private:
    QTemporaryDir dir_;
};

void SoundPlayerTest::initTestCase()
{
    QVERIFY(dir_.isValid());
    QVERIFY(QDir::setCurrent(dir_.path()));
    QVERIFY(WriteFile("drum.wav", Wave(4000, 4000)));
    QVERIFY(WriteFile("gemein.wav", Wave(2000, 2000, 16)));
    QVERIFY(WriteFile("cut.wav", Wave(4000, 10)));
    QVERIFY(WriteFile("header.wav", Wave(4000, 0).left(36)));
    QVERIFY(WriteFile("junk.wav", QByteArray("RIFF\x10\x00\x00\x00WAVEjunk", 16)));
    QVERIFY(WriteFile("riff.wav", QByteArray("RIFF")));
    QVERIFY(WriteFile("empty.wav", QByteArray()));
    QVERIFY(WriteFile("huge.wav", Wave(0x7fffffff, 100)));
    QVERIFY(WriteFile("bits12.wav", Wave(4000, 4000, 12)));
    QVERIFY(WriteFile("adpcm.wav", Wave(4000, 4000, 8, 2)));
    QVERIFY(QDir().mkdir("ordner.wav"));
}

void SoundPlayerTest::play_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("current");
    QTest::newRow("one sound") << QStringList { "drum.wav" } << "drum.wav";
    QTest::newRow("a new sound replaces the playing one")
        << QStringList { "drum.wav", "gemein.wav" } << "gemein.wav";
    QTest::newRow("the same sound again") << QStringList { "drum.wav", "drum.wav" } << "drum.wav";
    QTest::newRow("missing file is silent") << QStringList { "fehlt.wav" } << "";
    QTest::newRow("missing file stops the playing one")
        << QStringList { "drum.wav", "fehlt.wav" } << "";
    QTest::newRow("empty name is silent") << QStringList { "" } << "";
    QTest::newRow("folder is silent") << QStringList { "ordner.wav" } << "";
    QTest::newRow("a name from Windows in other letters plays")
        << QStringList { "DRUM.WAV" } << "DRUM.WAV";
    // Files Qt's loader would wait on for ever, blocking the next sound.
    for (const char* broken : { "cut.wav", "header.wav", "junk.wav", "riff.wav", "empty.wav",
             "huge.wav", "bits12.wav", "adpcm.wav" }) {
        QTest::addRow("%s is silent and the next sound plays", broken)
            << QStringList { broken, "drum.wav", broken, "gemein.wav" } << "gemein.wav";
    }
}

void SoundPlayerTest::play()
{
    QFETCH(QStringList, files);
    QFETCH(QString, current);
    QElapsedTimer timer;
    timer.start();
    {
        QtSoundPlayer player;
        for (const QString& file : files) {
            player.Play(file);
            // What a sound starts in the background runs before the next one.
            QCoreApplication::processEvents();
        }
        QCOMPARE(player.Current(), current);
    }
    QVERIFY2(timer.elapsed() < 2000, "playing must never wait for a sound");
}

void SoundPlayerTest::shippedSoundsPlay_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : { "applaus.wav", "lachen.wav", "drum.wav", "gemein.wav" })
        QTest::newRow(name) << name;
}

void SoundPlayerTest::shippedSoundsPlay()
{
    QFETCH(QString, name);
    const QString path = QDir(QStringLiteral(PILO_DATA_DIR)).filePath(name);
    if (!QFile::exists(path))
        QSKIP("the data folder is not built");
    QVERIFY(QtSoundPlayer::IsPlayableWave(path));
}

QTEST_MAIN(SoundPlayerTest)
#include "test_sound_player.moc"
