#include "feedback/Art.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QPointer>

namespace {

QString BasePath(const QString& name)
{
    return QStringLiteral(":/art/") + name + QStringLiteral(".png");
}

QString HighPath(const QString& name)
{
    return QStringLiteral(":/art/") + name + QStringLiteral("@2x.png");
}

// Built-in pictures never change while the program runs, so each is looked
// up once: every exercise window would otherwise decode its button faces
// again (a QIcon keeps the pixmaps it has rendered).  The cache belongs to
// the application object, so no pixmap outlives it.
struct Cache : QObject {
    QHash<QString, QIcon> icons;
    QHash<QString, QSize> sizes;
};

Cache* TheCache()
{
    static QPointer<Cache> cache;
    if (!cache && qApp) {
        cache = new Cache;
        cache->setParent(qApp);
    }
    return cache;
}

} // namespace

namespace Art {

QIcon Icon(const QString& name)
{
    Cache* cache = TheCache();
    if (cache) {
        const auto found = cache->icons.constFind(name);
        if (found != cache->icons.constEnd())
            return *found;
    }
    QIcon icon;
    for (const QString& path : { BasePath(name), HighPath(name) }) {
        if (QFile::exists(path))
            icon.addFile(path);
    }
    if (cache)
        cache->icons.insert(name, icon);
    return icon;
}

QSize Size(const QString& name)
{
    Cache* cache = TheCache();
    if (cache) {
        const auto found = cache->sizes.constFind(name);
        if (found != cache->sizes.constEnd())
            return *found;
    }
    QSize size = QImageReader(BasePath(name)).size();
    if (!size.isValid()) {
        const QSize high = QImageReader(HighPath(name)).size();
        size = high.isValid() ? high / 2 : QSize();
    }
    if (cache)
        cache->sizes.insert(name, size);
    return size;
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
