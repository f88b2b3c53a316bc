#pragma once

#include <QIcon>
#include <QWidget>

// A fixed-size picture beside a dialog's controls.  Painting through QIcon
// picks the "@2x" variant on high-density screens; a missing picture leaves
// the place empty.
class DecorationPicture : public QWidget {
    Q_OBJECT
public:
    DecorationPicture(const QString& fileName, QSize size, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QIcon icon_;
};
