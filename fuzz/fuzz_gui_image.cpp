// Feeds arbitrary bytes as a picture file through the loading path the
// windows use: bitmap by signature, then GIF.
#include "feedback/Dib.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

QString PictureFile()
{
    static QTemporaryDir dir;
    return dir.filePath(QStringLiteral("picture.bmp"));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Image plugins (GIF) are found through the application's library paths.
    static int argc = 1;
    static char name[] = "fuzz_gui_image";
    static char* argv[] = { name, nullptr };
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString name = PictureFile();
    {
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    const QImage picture = LoadPicture(name, true);
    if (!picture.isNull()) {
        if (picture.width() > kMaxDibSide || picture.height() > kMaxDibSide)
            std::abort();
        QImage canvas(64, 48, QImage::Format_RGB32);
        QPainter painter(&canvas);
        const QPoint at = CentredOrigin(canvas.size(), picture.size());
        DrawDIB(painter, picture, at.x(), at.y());
        StretchDIB(painter, picture, canvas.rect());
    }
    // Each path on its own, as the callers that accept only bitmaps use it.
    if (IsBMPFile(name))
        (void)ReadDIB(name);
    if (ConvertIsGIFFile(name))
        (void)ConvertGIFtoDIB(name);
    return 0;
}
