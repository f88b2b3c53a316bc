#pragma once

#include "feedback/CBitmapButton.h"
#include "feedback/CDialog.h"
#include "settings/ProfileWriter.h"

class CWinApp;
class QCheckBox;

// Switches the sound feedback on or off ("Parameter"/"Sound").  OK writes
// 1 or 0 and tells the parent when that failed; cancelling writes nothing.
class CSoundDlg : public CDialog {
    Q_OBJECT
public:
    explicit CSoundDlg(CWinApp& app, QWidget* parent = nullptr);

    void OnOK() override;
    // Replaces the warning box about a failed write (tests).
    void SetFailureNotice(ProfileWriter::Notice notice) { failureNotice_ = std::move(notice); }

    CBitmapButton& OkButton() { return ok_; }
    CBitmapButton& CancelButton() { return cancel_; }

protected:
    bool OnInitDialog();

private:
    CWinApp& app_;
    CBitmapButton cancel_;
    CBitmapButton ok_;
    QCheckBox* soundBox_ = nullptr;
    ProfileWriter::Notice failureNotice_;
};
