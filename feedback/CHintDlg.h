#pragma once

#include "engine/Hint.h"
#include "feedback/CBitmapButton.h"
#include "feedback/CDialog.h"

#include <QWidget>

// The hint drawn: ten-frames, two rows of dots, or the first half of the
// answer.  Screen readers read the hint's description as its name.
class HintView : public QWidget {
    Q_OBJECT
public:
    explicit HintView(const Hint& hint, QWidget* parent = nullptr);

    const Hint& Shown() const { return hint_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void PaintFrames(QPainter& p) const;
    void PaintRows(QPainter& p) const;
    void PaintDigits(QPainter& p) const;
    void PaintDot(QPainter& p, QRectF cell, Hint::Dot dot) const;

    Hint hint_;
};

// "Tipp": the task and its hint, closed with OK, Enter or Escape.
class CHintDlg : public CDialog {
    Q_OBJECT
public:
    CHintDlg(const QString& taskText, const Hint& hint, QWidget* parent = nullptr);

    HintView* View() const { return view_; }
    CBitmapButton& OkButton() { return ok_; }

private:
    HintView* view_;
    CBitmapButton ok_;
};
