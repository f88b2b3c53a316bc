#include "feedback/Art.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>

namespace {

QString BasePath(const QString& name)
{
    return QStringLiteral(":/art/") + name + QStringLiteral(".png");
}

QString HighPath(const QString& name)
{
    return QStringLiteral(":/art/") + name + QStringLiteral("@2x.png");
}

} // namespace

namespace Art {

QIcon Icon(const QString& name)
{
    QIcon icon;
    for (const QString& path : { BasePath(name), HighPath(name) }) {
        if (QFile::exists(path))
            icon.addFile(path);
    }
    return icon;
}

QSize Size(const QString& name)
{
    const QSize base = QImageReader(BasePath(name)).size();
    if (base.isValid())
        return base;
    const QSize high = QImageReader(HighPath(name)).size();
    return high.isValid() ? high / 2 : QSize();
}

QPixmap Pixmap(const QString& name)
{
    const QSize size = Size(name);
    if (!size.isValid())
        return {};
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    return Icon(name).pixmap(size, ratio);
}

} // namespace Art
