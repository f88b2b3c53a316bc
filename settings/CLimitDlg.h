#pragma once

#include "feedback/CDialog.h"
#include "settings/CDigitEdit.h"

class QLineEdit;

// Asks for the upper limit of a free-limit exercise run: at most four digits.
// The caller's text proposes the value and receives it on OK; cancelling
// leaves it as it was.
class CLimitDlg : public CDialog {
    Q_OBJECT
public:
    explicit CLimitDlg(QString& value, QWidget* parent = nullptr);

    void OnOK() override;

protected:
    bool OnInitDialog();

private:
    void CreateControls();

    QString* value_;
    CDigitEdit digits_;
    QLineEdit* field_ = nullptr;
};
