#include "feedback/Dib.h"

#include "feedback/DataFile.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace {

// Only regular files: a FIFO or device would block or never end.
bool OpenPicture(const QString& name, QFile& file)
{
    if (name.isEmpty())
        return false;
    const QString found = FindDataFile(name);
    if (!QFileInfo(found).isFile())
        return false;
    file.setFileName(found);
    return file.open(QIODevice::ReadOnly);
}

bool StartsWith(const QString& name, std::initializer_list<QByteArrayView> signatures)
{
    QFile file;
    if (!OpenPicture(name, file))
        return false;
    const QByteArray head = file.read(6);
    for (QByteArrayView signature : signatures) {
        if (head.startsWith(signature))
            return true;
    }
    return false;
}

bool WithinLimits(QSize size)
{
    if (!size.isValid() || size.isEmpty())
        return false;
    if (size.width() > kMaxDibSide || size.height() > kMaxDibSide)
        return false;
    return qint64(size.width()) * size.height() * 4 <= kMaxDibBytes;
}

// Configures a reader on an open file for one format, with the size limits.
void Prepare(QImageReader& reader, QFile& file, const char* format)
{
    reader.setDevice(&file);
    reader.setFormat(format);
    reader.setDecideFormatFromContent(false);
    reader.setAllocationLimit(int(kMaxDibBytes / (1024 * 1024)));
}

bool HeaderFits(const QString& name, const char* format)
{
    QFile file;
    if (!OpenPicture(name, file))
        return false;
    QImageReader reader;
    Prepare(reader, file, format);
    return reader.canRead() && WithinLimits(reader.size());
}

QImage Decode(const QString& name, const char* format)
{
    QFile file;
    if (!OpenPicture(name, file))
        return {};
    QImageReader reader;
    Prepare(reader, file, format);
    if (!reader.canRead() || !WithinLimits(reader.size()))
        return {};
    QImage image;
    if (!reader.read(&image) || !WithinLimits(image.size()))
        return {};
    return image;
}

// On a high-density screen every picture is enlarged to device pixels; there
// it is filtered, so it looks soft rather than blocky.  At a ratio of 1 the
// pixels stay exactly as the stretch gives them.
void SmoothOnDenseScreens(QPainter& painter)
{
    if (painter.device() && painter.device()->devicePixelRatioF() != 1.0)
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

} // namespace

bool IsBMPFile(const QString& name)
{
    return StartsWith(name, { "BM" }) && HeaderFits(name, "bmp");
}

QImage ReadDIB(const QString& name)
{
    if (!StartsWith(name, { "BM" }))
        return {};
    return Decode(name, "bmp");
}

bool ConvertIsGIFFile(const QString& name)
{
    return StartsWith(name, { "GIF87a", "GIF89a" });
}

QImage ConvertGIFtoDIB(const QString& name)
{
    if (!ConvertIsGIFFile(name))
        return {};
    return Decode(name, "gif");
}

void DrawDIB(QPainter& painter, const QImage& dib, int x, int y)
{
    if (dib.isNull())
        return;
    SmoothOnDenseScreens(painter);
    painter.drawImage(QPoint(x, y), dib);
}

void StretchDIB(QPainter& painter, const QImage& dib, const QRect& target)
{
    if (dib.isNull() || !target.isValid())
        return;
    SmoothOnDenseScreens(painter);
    painter.drawImage(target, dib);
}

QImage LoadPicture(const QString& name, bool acceptGif)
{
    if (IsBMPFile(name))
        return ReadDIB(name);
    if (acceptGif && ConvertIsGIFFile(name))
        return ConvertGIFtoDIB(name);
    return {};
}

QPoint CentredOrigin(QSize client, QSize picture)
{
    // Integer division truncates toward zero, also for negative differences.
    return QPoint((client.width() - picture.width()) / 2, (client.height() - picture.height()) / 2);
}

PictureStamp StampOf(const QString& name)
{
    const QFileInfo info(FindDataFile(name));
    if (!info.exists())
        return { info.absoluteFilePath(), {}, {}, -1 };
    return { info.absoluteFilePath(), info.lastModified(), info.metadataChangeTime(), info.size() };
}
