#include "app/ProgramIcon.h"

#include <QCoreApplication>
#include <QFile>

namespace {

QIcon LoadProgramIcon()
{
    QIcon icon;
    // Window decorations and task lists need up to 64 pixels, twice that on
    // high-density screens.  A file added with its size is decoded only when
    // a size it serves is asked for, so the larger ones cost no start-up time.
    for (int size : { 16, 32, 48, 64, 128, 256 }) {
        const QString path = QStringLiteral(":/art/pilo-%1.png").arg(size);
        if (QFile::exists(path))
            icon.addFile(path, QSize(size, size));
    }
    if (icon.isNull() && QFile::exists(QStringLiteral(":/art/pilo.svg")))
        icon.addFile(QStringLiteral(":/art/pilo.svg"));
    return icon;
}

} // namespace

// Built once: the icon keeps the sizes it has decoded, and every window
// (main window, help, about box) shows the same one.
// Released with the application object, before Qt's image handling ends.
QIcon ProgramIcon()
{
    static QIcon* icon = nullptr;
    if (!icon) {
        icon = new QIcon(LoadProgramIcon());
        qAddPostRoutine([] {
            delete icon;
            icon = nullptr;
        });
    }
    return *icon;
}
