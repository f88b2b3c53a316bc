// Writes a picture as a GIF89a file: Qt reads GIF but cannot write it, and
// the program offers GIF pictures beside bitmaps.
#pragma once

#include <QImage>
#include <QString>

// Reduces the picture to at most 256 colours (exactly when it has no more,
// else by median cut) and writes it LZW-compressed. Returns false when the
// file cannot be written.
bool writeGif(const QImage& image, const QString& fileName);
