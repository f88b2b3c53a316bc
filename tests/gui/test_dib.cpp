#include "TestSupport.h"
#include "feedback/Dib.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <sys/stat.h>

namespace {

QByteArray Encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage Pattern(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::red);
    return image;
}

template <typename T> void Put(QByteArray& bytes, T value)
{
    char raw[sizeof(T)];
    qToLittleEndian(value, raw);
    bytes.append(raw, sizeof(T));
}

// A bitmap header for w x h at 24 bits per pixel and no pixel data behind it.
QByteArray BmpHeaderOnly(qint32 w, qint32 h)
{
    QByteArray bytes("BM");
    Put<quint32>(bytes, 54 + quint32(w) * 3 * quint32(h));
    Put<quint32>(bytes, 0);
    Put<quint32>(bytes, 54);
    Put<quint32>(bytes, 40);
    Put<qint32>(bytes, w);
    Put<qint32>(bytes, h);
    Put<quint16>(bytes, 1);
    Put<quint16>(bytes, 24);
    for (int i = 0; i < 6; ++i)
        Put<quint32>(bytes, 0);
    return bytes;
}

// A GIF whose screen and only image claim w x h, with a tiny data block.
QByteArray GifHeaderOnly(quint16 w, quint16 h)
{
    QByteArray bytes("GIF89a");
    Put<quint16>(bytes, w);
    Put<quint16>(bytes, h);
    bytes.append("\x00\x00\x00", 3);
    bytes.append(',');
    Put<quint16>(bytes, 0);
    Put<quint16>(bytes, 0);
    Put<quint16>(bytes, w);
    Put<quint16>(bytes, h);
    bytes.append("\x00\x02\x02\x44\x01\x00;", 7);
    return bytes;
}

} // namespace

class DibTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void centring_data();
    void centring();
    void files_data();
    void files();
    void notRegularFiles_data();
    void notRegularFiles();
    void drawing();

private:
    QTemporaryDir dir_;
};

void DibTest::initTestCase()
{
    QVERIFY(dir_.isValid());
    QVERIFY(QDir::setCurrent(dir_.path()));
}

void DibTest::centring_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QPoint>("origin");
    QTest::newRow("100 x 80 in 614 x 408") << QSize(614, 408) << QSize(100, 80) << QPoint(257, 164);
    QTest::newRow("odd difference truncates") << QSize(101, 11) << QSize(10, 10) << QPoint(45, 0);
    QTest::newRow("same size at the corner") << QSize(50, 40) << QSize(50, 40) << QPoint(0, 0);
    QTest::newRow("larger picture goes negative")
        << QSize(614, 408) << QSize(800, 600) << QPoint(-93, -96);
    QTest::newRow("negative odd truncates toward zero")
        << QSize(10, 10) << QSize(13, 15) << QPoint(-1, -2);
}

void DibTest::centring()
{
    QFETCH(QSize, client);
    QFETCH(QSize, picture);
    QFETCH(QPoint, origin);
    QCOMPARE(CentredOrigin(client, picture), origin);
}

void DibTest::files_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("isBmp");
    QTest::addColumn<bool>("isGif");
    // Size of LoadPicture(name, acceptGif = true); empty when left out.
    QTest::addColumn<QSize>("loaded");
    QTest::addColumn<bool>("bitmapOnlyLoads");

    const QByteArray bmp = Encoded(Pattern(64, 48), "BMP");
    const QByteArray gif = SolidGif(QSize(30, 20), Qt::red);
    QTest::newRow("bitmap") << "a.bmp" << bmp << true << false << QSize(64, 48) << true;
    QTest::newRow("1 x 1 bitmap") << "one.bmp" << Encoded(Pattern(1, 1), "BMP") << true << false
                                  << QSize(1, 1) << true;
    QTest::newRow("GIF") << "a.gif" << gif << false << true << QSize(30, 20) << false;
    QTest::newRow("GIF named .bmp") << "fake.bmp" << gif << false << true << QSize(30, 20) << false;
    QTest::newRow("bitmap named .gif")
        << "fake.gif" << bmp << true << false << QSize(64, 48) << true;
    QTest::newRow("zero length") << "empty.bmp" << QByteArray() << false << false << QSize()
                                 << false;
    QTest::newRow("only BM") << "bm.bmp" << QByteArray("BM") << false << false << QSize() << false;
    QTest::newRow("truncated bitmap")
        << "cut.bmp" << bmp.left(bmp.size() / 2) << true << false << QSize(64, 48) << true;
    QTest::newRow("truncated GIF")
        << "cut.gif" << gif.left(gif.size() / 2) << false << true << QSize(30, 20) << false;
    QTest::newRow("only GIF signature")
        << "sig.gif" << QByteArray("GIF89a") << false << true << QSize() << false;
    QTest::newRow("GIF90a is no GIF")
        << "x.gif" << QByteArray("GIF90a").append(gif.mid(6)) << false << false << QSize() << false;
    QTest::newRow("text file") << "note.bmp" << QByteArray("Hallo Welt\n") << false << false
                               << QSize() << false;
    QTest::newRow("bitmap header claims 20000 x 20000")
        << "huge.bmp" << BmpHeaderOnly(20000, 20000) << false << false << QSize() << false;
    QTest::newRow("bitmap header claims negative width")
        << "neg.bmp" << BmpHeaderOnly(-5, 10) << false << false << QSize() << false;
    QTest::newRow("GIF claims 20000 x 20000")
        << "huge.gif" << GifHeaderOnly(20000, 20000) << false << true << QSize() << false;
    QTest::newRow("GIF claims 65535 x 65535")
        << "max.gif" << GifHeaderOnly(65535, 65535) << false << true << QSize() << false;
}

void DibTest::files()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, isBmp);
    QFETCH(bool, isGif);
    QFETCH(QSize, loaded);
    QFETCH(bool, bitmapOnlyLoads);
    QVERIFY(WriteFile(name, bytes));

    QElapsedTimer timer;
    timer.start();
    QCOMPARE(IsBMPFile(name), isBmp);
    QCOMPARE(ConvertIsGIFFile(name), isGif);
    const QImage picture = LoadPicture(name, true);
    QCOMPARE(picture.size(), loaded.isValid() ? loaded : QSize(0, 0));
    QCOMPARE(!LoadPicture(name, false).isNull(), bitmapOnlyLoads);
    QVERIFY2(timer.elapsed() < 2000, "refusing a picture must be quick");
}

void DibTest::notRegularFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty name") << "";
    QTest::newRow("missing file") << "nowhere.bmp";
    QTest::newRow("directory") << ".";
    QTest::newRow("named pipe") << "pipe.bmp";
    QTest::newRow("device") << "/dev/zero";
}

void DibTest::notRegularFiles()
{
    QFETCH(QString, name);
    if (name == "pipe.bmp" && !QFile::exists(name))
        QCOMPARE(::mkfifo("pipe.bmp", 0600), 0);
    QVERIFY(!IsBMPFile(name));
    QVERIFY(!ConvertIsGIFFile(name));
    QVERIFY(ReadDIB(name).isNull());
    QVERIFY(ConvertGIFtoDIB(name).isNull());
}

void DibTest::drawing()
{
    QImage canvas(20, 20, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    DrawDIB(painter, Pattern(4, 4), 2, 3);
    DrawDIB(painter, QImage(), 0, 0);
    StretchDIB(painter, Pattern(2, 2), QRect(10, 10, 8, 8));
    painter.end();
    QCOMPARE(canvas.pixelColor(2, 3), QColor(Qt::red));
    QCOMPARE(canvas.pixelColor(6, 3), QColor(Qt::white));
    QCOMPARE(canvas.pixelColor(17, 17), QColor(Qt::red));
    QCOMPARE(canvas.pixelColor(9, 9), QColor(Qt::white));
}

QTEST_MAIN(DibTest)
#include "test_dib.moc"
