// The program's own artwork on a screen of twice the density
// (QT_SCALE_FACTOR=2): drawn from the pictures made for it, with detail that a
// 2x blow-up of the normal picture cannot have.
#include "feedback/Art.h"
#include "feedback/CBitmapButton.h"
#include "feedback/CWrongAnswerDlg.h"

#include <QLabel>
#include <QtTest>

namespace {

// The share of aligned 2 x 2 pixel blocks that are not of one colour.  A
// picture blown up to twice its size has none.
double FineDetail(const QImage& image)
{
    int blocks = 0;
    int mixed = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb c = image.pixel(x, y);
            ++blocks;
            if (image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c
                || image.pixel(x + 1, y + 1) != c)
                ++mixed;
        }
    }
    return blocks ? double(mixed) / blocks : 0.0;
}

QImage BlownUp(const QString& file)
{
    const QImage normal(file);
    return normal.scaled(normal.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace

class HighDensityTest : public QObject {
    Q_OBJECT
private slots:
    void buttonFaces_data();
    void buttonFaces();
    void wrongAnswerPictures();
};

void HighDensityTest::buttonFaces_data()
{
    QTest::addColumn<QString>("caption");
    for (const char* caption : { "OK", "NEXT", "CANCEL", "HELPBUTTON", "LOESEN", "NOCHMALS" })
        QTest::newRow(caption) << QString::fromLatin1(caption);
}

// The painted button at scale 2 has the full pixel count and the fine detail
// of the face rendered for it.
void HighDensityTest::buttonFaces()
{
    QFETCH(QString, caption);
    CBitmapButton button;
    QVERIFY(button.AutoLoad(caption));
    const QSize face = Art::Size(caption + QLatin1Char('U'));
    QCOMPARE(button.size(), face);

    const QImage shown = button.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), face * 2);
    const QImage blownUp = BlownUp(QStringLiteral(":/art/%1U.png").arg(caption));
    QCOMPARE(FineDetail(blownUp), 0.0);
    QVERIFY2(FineDetail(shown) > 0.05, qPrintable(QString::number(FineDetail(shown))));
    const QImage rendered = QImage(QStringLiteral(":/art/%1U@2x.png").arg(caption))
                                .convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, rendered);
}

// The pictures of the wrong-answer dialog keep their size on the screen and
// carry twice the pixels.
void HighDensityTest::wrongAnswerPictures()
{
    CWrongAnswerDlg dlg;
    for (const char* name : { "bitmap137", "bitmap148", "bitmap149", "bitmap150" }) {
        const auto* picture = dlg.findChild<QLabel*>(QLatin1String(name));
        QVERIFY2(picture, name);
        const QPixmap pixmap = picture->pixmap();
        QCOMPARE(pixmap.devicePixelRatio(), 2.0);
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), Art::Size(QLatin1String(name)));
        QVERIFY2(FineDetail(pixmap.toImage()) > 0.02, name);
    }
}

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HighDensityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_high_density.moc"
