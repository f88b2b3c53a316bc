#pragma once

#include "feedback/CBitmapButton.h"
#include "feedback/CDialog.h"

class QGroupBox;

// "Fragen und Probleme ?": where parents find advice, with the OK picture
// button.
class CContactDlg : public CDialog {
    Q_OBJECT
public:
    explicit CContactDlg(QWidget* parent = nullptr);

    CBitmapButton& OkButton() { return ok_; }

protected:
    bool OnInitDialog();

private:
    CBitmapButton ok_;
    QGroupBox* box_ = nullptr;
};
