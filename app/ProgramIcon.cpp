#include "app/ProgramIcon.h"

#include <QFile>

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : { 16, 32, 48, 64, 128, 256 }) {
        const QString path = QStringLiteral(":/art/pilo-%1.png").arg(size);
        if (QFile::exists(path))
            icon.addFile(path, QSize(size, size));
    }
    if (icon.isNull() && QFile::exists(QStringLiteral(":/art/pilo.svg")))
        icon.addFile(QStringLiteral(":/art/pilo.svg"));
    return icon;
}
