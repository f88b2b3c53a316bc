#pragma once

#include "feedback/CBitmapButton.h"
#include "feedback/CDialog.h"

// Tells the child in pictures that the answer was wrong and offers two
// choices: solve (IDOK) or try again (IDCANCEL, also Escape and the close
// box).  The solve button has the focus at start, so Enter solves.
class CWrongAnswerDlg : public CDialog {
    Q_OBJECT
public:
    explicit CWrongAnswerDlg(QWidget* parent = nullptr);

    CBitmapButton& SolveButton() { return solve_; }
    CBitmapButton& TryAgainButton() { return tryAgain_; }

protected:
    bool OnInitDialog();

private:
    void AddPicture(const QString& name, QPoint dluPos, QSize pixels, const QString& words);

    CBitmapButton tryAgain_;
    CBitmapButton solve_;
};
