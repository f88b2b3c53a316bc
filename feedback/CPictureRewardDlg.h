#pragma once

#include "feedback/CBitmapButton.h"
#include "feedback/CDialog.h"

#include <QSize>
#include <QString>

class CWinApp;

// Shows one picture from the profile's "Bilder" list as a reward, with
// applause when sound is on.  The picture is chosen afresh at every paint, so
// a repaint in a later second may show another one.  Ends with Accepted (the OK
// button, Enter) or Rejected (Escape, the close box).
class CPictureRewardDlg : public CDialog {
    Q_OBJECT
public:
    static constexpr QSize kWindowSize { 620, 435 };
    // The OK button is centred in 600 pixels, a little left of the client's
    // middle.
    static constexpr int kButtonSpan = 600;
    static constexpr int kButtonTop = 350;

    explicit CPictureRewardDlg(CWinApp& app, QWidget* parent = nullptr);

    CBitmapButton& OkButton() { return ok_; }

    // Reseeds the random source and names the picture a paint now draws:
    // the "Bilder" entry "Bild<r>", empty when there is none.
    QString ChoosePictureFile();

protected:
    bool OnInitDialog();
    void paintEvent(QPaintEvent* e) override;

private:
    CBitmapButton ok_;
    CWinApp& app_;
};
