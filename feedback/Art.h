#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

// The program's own artwork, built into the resources as ":/art/<name>.png"
// with an optional ":/art/<name>@2x.png" for high-density screens.
namespace Art {

// Both resolutions of a picture; null when the picture is not built in.
QIcon Icon(const QString& name);

// Size in device-independent pixels; invalid when the picture is missing.
QSize Size(const QString& name);

// The picture for the application's screens, at the density they need.
QPixmap Pixmap(const QString& name);

} // namespace Art
