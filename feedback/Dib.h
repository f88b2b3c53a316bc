#pragma once

#include <QDateTime>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

// Reads Windows bitmap and GIF files into true-colour pictures and draws
// them.  A picture is a QImage held by value: the caller loads, draws and
// drops it within one paint.  A missing, broken, unsupported or oversized
// file gives a null picture, which draws nothing.  File names are relative
// to the current directory.

// Pictures beyond these limits are refused before they are decoded.
inline constexpr int kMaxDibSide = 8192;
inline constexpr qint64 kMaxDibBytes = 256LL * 1024 * 1024;

// Whether the file is a Windows bitmap ("BM" and a readable header within
// the limits).
bool IsBMPFile(const QString& name);
QImage ReadDIB(const QString& name);

// Whether the file starts with a GIF signature ("GIF87a" or "GIF89a").
bool ConvertIsGIFFile(const QString& name);
QImage ConvertGIFtoDIB(const QString& name);

// Natural size, top-left corner at (x, y).
void DrawDIB(QPainter& painter, const QImage& dib, int x, int y);
// Scaled into target.
void StretchDIB(QPainter& painter, const QImage& dib, const QRect& target);

// A bitmap, or where the caller accepts GIF, a GIF; null when neither loads.
QImage LoadPicture(const QString& name, bool acceptGif);

// Top-left corner that centres picture in client, truncated toward zero;
// negative when the picture is larger (it is then clipped on both sides).
QPoint CentredOrigin(QSize client, QSize picture);

// What a paint compares to know a picture file is still the one it decoded.
// The change time is part of it because nobody can set it back: a picture
// copied over with its old modification time and size, or a file made
// unreadable, is noticed at once.  size is -1 for a missing file.
struct PictureStamp {
    QString path;
    QDateTime modified;
    QDateTime changed;
    qint64 size = -1;
    bool operator==(const PictureStamp&) const = default;
};
PictureStamp StampOf(const QString& name);
