// Renders one SVG source to a picture of an exact pixel size.
//   render_svg <in.svg> <out.{bmp,png,gif}> <width> <height> [transparent]
// With "transparent" a PNG keeps a see-through ground (dialog pictures and
// the icon sit on whatever the dialog or desktop shows); otherwise the
// picture stands on white.
// BMP is written as 24-bit true colour, the form every reader of the
// program's pictures accepts; GIF by our own writer, as Qt has none.
#include "GifWriter.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const bool transparent = argc == 6 && QByteArray(argv[5]) == "transparent";
    if (argc != 5 && !transparent) {
        std::fprintf(stderr,
            "usage: render_svg in.svg out.bmp|out.png|out.gif width height [transparent]\n");
        return 2;
    }
    const QString in = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    const int width = QByteArray(argv[3]).toInt();
    const int height = QByteArray(argv[4]).toInt();
    QSvgRenderer renderer(in);
    if (!renderer.isValid() || width <= 0 || height <= 0) {
        std::fprintf(stderr, "render_svg: cannot render %s\n", argv[1]);
        return 1;
    }
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    const bool bmp = out.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive);
    const bool gif = out.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive);
    image.fill(transparent && !bmp && !gif ? Qt::transparent : Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        renderer.render(&painter, QRectF(0, 0, width, height));
    }
    const QImage final = bmp ? image.convertToFormat(QImage::Format_RGB888)
                             : image.convertToFormat(QImage::Format_ARGB32);
    const bool written = gif ? writeGif(final, out) : final.save(out);
    if (!written) {
        std::fprintf(stderr, "render_svg: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
