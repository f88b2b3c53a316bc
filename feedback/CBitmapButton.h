#pragma once

#include <QAbstractButton>
#include <QIcon>

// A push button drawn from two faces of the built-in artwork: "<caption>U"
// normally and "<caption>D" while pressed.  It takes its face's size and
// carries the word on its face as text and accessible name.  Without the
// artwork it keeps its size and shows the word on a standard button.
class CBitmapButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit CBitmapButton(QWidget* parent = nullptr);

    // Loads the faces named by caption and returns whether both exist.  The
    // word is the one the faces show; an empty word is looked up by caption.
    bool AutoLoad(const QString& caption, const QString& word = {});

    QString Caption() const { return caption_; }
    bool HasFaces() const { return !faceSize_.isEmpty(); }

    // The word each known face shows; the caption itself for unknown faces.
    static QString WordFor(const QString& caption);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void PaintFace(QPainter& p);
    void PaintFallback(QPainter& p);
    void PaintFocusMark(QPainter& p);

    QString caption_;
    QIcon up_;
    QIcon down_;
    QSize faceSize_;
};
