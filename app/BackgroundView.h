#pragma once

#include "feedback/Dib.h"

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

    // What a stat tells of the picture file.  The change time is in it
    // because a copy that keeps the old modification time (cp -p, an
    // unpacked archive) still sets it.
    // The picture is decoded again only when its name or file changes; a
    // stat at every paint keeps it as current as reading it every time.
    PictureStamp cachedStamp_;
    QImage cached_;
};
