#include "settings/DecorationPicture.h"

#include <QFile>
#include <QPainter>

DecorationPicture::DecorationPicture(const QString& fileName, QSize size, QWidget* parent)
    : QWidget(parent)
{
    if (QFile::exists(fileName))
        icon_.addFile(fileName, size);
    setFixedSize(size);
}

void DecorationPicture::paintEvent(QPaintEvent*)
{
    if (icon_.isNull())
        return;
    QPainter painter(this);
    icon_.paint(&painter, rect());
}
