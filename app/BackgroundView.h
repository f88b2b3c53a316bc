#pragma once

#include <QDateTime>
#include <QImage>
#include <QWidget>

#include <functional>

class CWinApp;

// The main window's client area: grey, with the background picture named in
// "Parameter"/"Hintergrundbild" drawn at its natural size, centred and never
// scaled (a larger picture is cut equally on both sides).
class BackgroundView : public QWidget {
public:
    explicit BackgroundView(CWinApp& app, QWidget* parent = nullptr);

    // How far the frame's client area reaches below this widget (the strip
    // under the status bar), so the picture is centred on the whole of it.
    void SetExtension(std::function<int()> belowHeight) { belowHeight_ = std::move(belowHeight); }

    // The area the picture is centred on, in this widget's coordinates.
    QRect ClientRect() const;
    // Where the last paint drew the picture; null when it drew none.
    QRect PictureRect() const { return pictureRect_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    const QImage& Picture();

    CWinApp& app_;
    std::function<int()> belowHeight_;
    QRect pictureRect_;

    // The picture is decoded again only when its name or file changes; a
    // stat per paint keeps it current without reading it every time.
    QString cachedPath_;
    QDateTime cachedModified_;
    qint64 cachedSize_ = -1;
    QImage cached_;
};
