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

// The value the cache holds for name, made by make() the first time (and
// every time while there is no application object to hold the cache).
template <typename T, typename Make>
T Cached(QHash<QString, T> Cache::*table, const QString& name, Make make)
{
    Cache* cache = TheCache();
    if (!cache)
        return make();
    const auto found = (cache->*table).constFind(name);
    if (found != (cache->*table).constEnd())
        return *found;
    const T value = make();
    (cache->*table).insert(name, value);
    return value;
}

} // namespace

namespace Art {

QIcon Icon(const QString& name)
{
    return Cached(&Cache::icons, name, [&name] {
        QIcon icon;
        for (const QString& path : { BasePath(name), HighPath(name) }) {
            if (QFile::exists(path))
                icon.addFile(path);
        }
        return icon;
    });
}

QSize Size(const QString& name)
{
    return Cached(&Cache::sizes, name, [&name] {
        const QSize size = QImageReader(BasePath(name)).size();
        if (size.isValid())
            return size;
        const QSize high = QImageReader(HighPath(name)).size();
        return high.isValid() ? high / 2 : QSize();
    });
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
