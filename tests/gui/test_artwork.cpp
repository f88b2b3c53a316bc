// The built-in artwork: every button face and dialog picture is in the
// resources at its exact size, with a twice-as-large high-DPI twin, and
// really shows something.
#include <QImage>
#include <QSet>
#include <QSize>
#include <QtTest>

namespace {

QImage load(const QString& path)
{
    QImage image(path);
    return image.convertToFormat(QImage::Format_ARGB32);
}

int distinctColours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            colours.insert(line[x]);
    }
    return colours.size();
}

// Share of pixels that are neither transparent nor the colour of the
// top-left corner, i.e. that belong to the drawing rather than its ground.
double drawnShare(const QImage& image)
{
    const QRgb ground = image.pixel(0, 0);
    qsizetype drawn = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) > 0 && line[x] != ground)
                ++drawn;
    }
    return double(drawn) / (qsizetype(image.width()) * image.height());
}

// Share of pixels whose colour differs between two pictures of one size.
double differingShare(const QImage& a, const QImage& b)
{
    qsizetype differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                ++differing;
    return double(differing) / (qsizetype(a.width()) * a.height());
}

int rowLightness(const QImage& image, int y)
{
    int sum = 0;
    for (int x = 0; x < image.width(); ++x)
        sum += qGray(image.pixel(x, y));
    return sum / image.width();
}

int columnLightness(const QImage& image, int x)
{
    int sum = 0;
    for (int y = 0; y < image.height(); ++y)
        sum += qGray(image.pixel(x, y));
    return sum / image.height();
}

void addFaceRows()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::newRow("OK! on the exercise window") << "OK" << QSize(79, 44);
    QTest::newRow("Weiter on the exercise window") << "NEXT" << QSize(79, 44);
    QTest::newRow("ENDE on the exercise window") << "CANCEL" << QSize(79, 44);
    QTest::newRow("HILFE on the exercise window") << "HELPBUTTON" << QSize(79, 44);
    QTest::newRow("Lösen after a wrong answer") << "LOESEN" << QSize(87, 44);
    QTest::newRow("Nochmal after a wrong answer") << "NOCHMALS" << QSize(87, 44);
    QTest::newRow("Tipp after a wrong answer") << "TIPP" << QSize(87, 44);
    QTest::newRow("Ok in the sound dialog") << "OK2" << QSize(87, 44);
    QTest::newRow("Ende in the sound dialog") << "CANCEL2" << QSize(87, 44);
}

} // namespace

class TestArtwork : public QObject {
    Q_OBJECT

private slots:
    void faceHasExactSizes_data() { addFaceRows(); }
    void faceHasExactSizes()
    {
        QFETCH(QString, caption);
        QFETCH(QSize, size);
        for (const QString state : { "U", "D" }) {
            const QString base = ":/art/" + caption + state;
            QCOMPARE(load(base + ".png").size(), size);
            QCOMPARE(load(base + "@2x.png").size(), size * 2);
        }
    }

    void pressedFaceLooksSunken_data() { addFaceRows(); }
    void pressedFaceLooksSunken()
    {
        QFETCH(QString, caption);
        for (const QString suffix : { ".png", "@2x.png" }) {
            const QImage up = load(":/art/" + caption + "U" + suffix);
            const QImage down = load(":/art/" + caption + "D" + suffix);
            QCOMPARE(up.size(), down.size());
            QVERIFY2(differingShare(up, down) > 0.5, qPrintable(caption + suffix));
            // Raised: lit from the top left. Pressed: the light comes from
            // the bottom right instead.
            const int bottom = up.height() - 1;
            const int right = up.width() - 1;
            QVERIFY(rowLightness(up, 0) > rowLightness(down, 0) + 60);
            QVERIFY(columnLightness(up, 0) > columnLightness(down, 0) + 60);
            QVERIFY(rowLightness(down, bottom) > rowLightness(up, bottom) + 60);
            QVERIFY(columnLightness(down, right) > columnLightness(up, right) + 60);
        }
    }

    void faceShowsAPictureAndAWord_data() { addFaceRows(); }
    void faceShowsAPictureAndAWord()
    {
        QFETCH(QString, caption);
        for (const QString state : { "U", "D" }) {
            const QImage face = load(":/art/" + caption + state + ".png");
            QVERIFY(!face.isNull());
            QVERIFY2(distinctColours(face) >= 40, qPrintable(caption + state));
            // A face fills its whole rectangle: the button has no see-through corners.
            QCOMPARE(qAlpha(face.pixel(0, 0)), 255);
            QCOMPARE(qAlpha(face.pixel(face.width() - 1, face.height() - 1)), 255);
        }
    }

    void pictureIsDrawnAtExactSizes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("minDrawn");
        QTest::newRow("creature with flowers, reward page")
            << "bitmap134" << QSize(92, 120) << 0.35;
        QTest::newRow("duck in an aeroplane, count page") << "bitmap136" << QSize(182, 144) << 0.25;
        QTest::newRow("waving girl, wrong answer") << "bitmap137" << QSize(178, 198) << 0.25;
        QTest::newRow("oder soll ich lösen ?") << "bitmap148" << QSize(141, 29) << 0.25;
        QTest::newRow("Das ist leider nicht ganz richtig !")
            << "bitmap149" << QSize(194, 62) << 0.25;
        QTest::newRow("Willst es nochmals versuchen") << "bitmap150" << QSize(196, 26) << 0.25;
        QTest::newRow("contact letter") << "bitmap162" << QSize(64, 64) << 0.3;
    }
    void pictureIsDrawnAtExactSizes()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(double, minDrawn);
        const QImage picture = load(":/art/" + name + ".png");
        const QImage twice = load(":/art/" + name + "@2x.png");
        QCOMPARE(picture.size(), size);
        QCOMPARE(twice.size(), size * 2);
        QVERIFY2(distinctColours(picture) >= 40, qPrintable(name));
        QVERIFY2(drawnShare(picture) >= minDrawn, qPrintable(name));
        QVERIFY2(drawnShare(twice) >= minDrawn, qPrintable(name));
        // Pictures sit on the dialog's own background: their ground is see-through.
        QCOMPARE(qAlpha(picture.pixel(0, 0)), 0);
    }

    void iconComesInEverySize_data()
    {
        QTest::addColumn<int>("size");
        for (int size : { 16, 32, 48, 64, 128, 256 })
            QTest::addRow("%d px", size) << size;
    }
    void iconComesInEverySize()
    {
        QFETCH(int, size);
        const QImage icon = load(QString(":/art/pilo-%1.png").arg(size));
        QCOMPARE(icon.size(), QSize(size, size));
        QVERIFY(drawnShare(icon) > 0.6);
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    }

    void scalableIconRenders()
    {
        QImage icon(":/art/pilo.svg");
        QVERIFY(!icon.isNull());
        QVERIFY(distinctColours(icon.convertToFormat(QImage::Format_ARGB32)) >= 40);
    }
};

QTEST_MAIN(TestArtwork)
#include "test_artwork.moc"
