#pragma once

#include "feedback/CBitmapButton.h"
#include "feedback/CDialog.h"

#include <QFont>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

class CWinApp;
class Speaker;

// Shows one joke, "witz<k>.txt" from the working directory, written on the
// picture "joke.bmp", and laughs when sound is on.  The joke is chosen once,
// when the dialog opens.  Ends with Accepted (the OK button, Enter) or Rejected
// (Escape, the close box).
class CJokeRewardDlg : public CDialog {
    Q_OBJECT
public:
    static constexpr QSize kWindowSize { 630, 440 };
    static constexpr int kButtonSpan = 640;
    static constexpr int kButtonTop = 350;
    static constexpr int kTextLeft = 75;
    static constexpr int kTextTop = 100;
    static constexpr int kLineGap = 3;
    static constexpr int kCellHeight = 25;

    explicit CJokeRewardDlg(CWinApp& app, QWidget* parent = nullptr);

    CBitmapButton& OkButton() { return ok_; }

    // The joke's number, 0 when there is none to show.
    int JokeNumber() const { return jokeNumber_; }
    const QStringList& Lines() const { return lines_; }
    const QFont& TextFont() const { return font_; }
    // The height of "W" in the text font: ascent plus descent, as a one-line
    // text measures, not the ink of the letter.
    int LineHeight() const;
    // Top-left corner of display line i in the client area.
    QPoint LineOrigin(int i) const;

    void done(int r) override;

protected:
    bool OnInitDialog();
    void paintEvent(QPaintEvent* e) override;

private:
    bool LoadJoke();
    void DrawLines(QPainter& painter) const;

    QFont font_;
    int count_ = 0;
    QStringList lines_;
    CBitmapButton ok_;
    CWinApp& app_;
    int jokeNumber_ = 0;
    Speaker* voice_ = nullptr; // set while the joke is read aloud
};
