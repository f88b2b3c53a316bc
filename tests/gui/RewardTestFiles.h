#pragma once

// Files for the reward tests, written into the current directory.

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>

inline bool WriteBytes(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A Windows bitmap of one colour.
inline bool WriteBitmap(const QString& name, QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(name, "BMP");
}

// Copies a file of the built data folder; false when the data folder has not
// been built.
inline bool CopyDataFile(const QString& dataName, const QString& name)
{
    return QFile::copy(QDir(QStringLiteral(PILO_DATA_DIR)).filePath(dataName), name);
}

// Whether every pixel of image inside area has the given colour.
inline bool AllPixels(const QImage& image, const QRect& area, QColor colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) != colour)
                return false;
    return true;
}
