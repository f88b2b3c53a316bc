#include "app/BackgroundView.h"

#include "settings/CWinApp.h"
#include "feedback/Dib.h"

#include <QPainter>

BackgroundView::BackgroundView(CWinApp& app, QWidget* parent)
    : QWidget(parent)
    , app_(app)
{
    setObjectName(QStringLiteral("background"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect BackgroundView::ClientRect() const
{
    QRect client = rect();
    if (belowHeight_)
        client.setHeight(client.height() + belowHeight_());
    return client;
}

const QImage& BackgroundView::Picture()
{
    const QString name = QString::fromStdString(app_.Read(Setting::Background));
    const PictureStamp stamp = StampOf(name);
    if (!(stamp == cachedStamp_)) {
        cachedStamp_ = stamp;
        cached_ = stamp.size >= 0 ? LoadPicture(name, true) : QImage();
    }
    return cached_;
}

void BackgroundView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(128, 128, 128));
    const QImage& picture = Picture();
    if (picture.isNull()) {
        pictureRect_ = {};
        return;
    }
    const QRect client = ClientRect();
    const QPoint origin = client.topLeft() + CentredOrigin(client.size(), picture.size());
    DrawDIB(painter, picture, origin.x(), origin.y());
    pictureRect_ = QRect(origin, picture.size());
}
