#pragma once

#include "engine/WindowsFileName.h"

#include <QFile>
#include <QString>

// FindFileAnyCase for a name held as a QString, in the file system's encoding.
inline QString FindDataFile(const QString& name)
{
    const QByteArray local = QFile::encodeName(name);
    const std::string found
        = FindFileAnyCase(std::string_view(local.constData(), std::size_t(local.size()))).string();
    return QFile::decodeName(QByteArray(found.data(), qsizetype(found.size())));
}
