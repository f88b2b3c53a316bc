#pragma once

#include "feedback/CBitmapButton.h"
#include "feedback/CDialog.h"

#include <functional>

struct Hint;

enum class WrongAnswerChoice { TryAgain, Solve };

// Tells the child in pictures that the answer was wrong and offers two
// choices: solve, or try again (also Escape and the close box).  The solve
// button has the focus at start, so Enter solves.
class CWrongAnswerDlg : public CDialog {
    Q_OBJECT
public:
    explicit CWrongAnswerDlg(QWidget* parent = nullptr);

    // Runs the dialog to its end.
    WrongAnswerChoice Ask()
    {
        return exec() == Accepted ? WrongAnswerChoice::Solve : WrongAnswerChoice::TryAgain;
    }

    CBitmapButton& SolveButton() { return solve_; }
    CBitmapButton& TryAgainButton() { return tryAgain_; }
    // nullptr until SetHint gave the dialog its third button.
    CBitmapButton* HintButton() { return hintButton_; }

    // Adds the button "Tipp", which shows the hint for the task over this
    // dialog; the child then chooses as before.
    void SetHint(const QString& taskText, const Hint& hint);
    // Opens the hint window; tests answer it without a nested event loop.
    void SetHintRunner(std::function<void()> runner) { hintRunner_ = std::move(runner); }

protected:
    bool OnInitDialog();

private:
    void AddPicture(const QString& name, QPoint dluPos, QSize pixels, const QString& words);

    CBitmapButton tryAgain_;
    CBitmapButton solve_;
    CBitmapButton* hintButton_ = nullptr;
    std::function<void()> hintRunner_;
};
