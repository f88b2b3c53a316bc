// Renders one SVG source to a PNG of an exact pixel size on a transparent
// ground, for the dialog pictures and the program icon, which must sit on
// whatever background the dialog or desktop has.
//   art_render <in.svg> <out.png> <width> <height>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: art_render in.svg out.png width height\n");
        return 2;
    }
    const int width = QByteArray(argv[3]).toInt();
    const int height = QByteArray(argv[4]).toInt();
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid() || width <= 0 || height <= 0) {
        std::fprintf(stderr, "art_render: cannot render %s\n", argv[1]);
        return 1;
    }
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        renderer.render(&painter, QRectF(0, 0, width, height));
    }
    if (!image.convertToFormat(QImage::Format_ARGB32).save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "art_render: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
