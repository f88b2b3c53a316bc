#include "feedback/CSoundDlg.h"

#include "settings/CWinApp.h"

#include <QCheckBox>

CSoundDlg::CSoundDlg(CWinApp& app, QWidget* parent)
    : CDialog(parent)
    , app_(app)
    , cancel_(this)
    , ok_(this)
{
    setWindowTitle(QStringLiteral("Sound"));
    setObjectName(QStringLiteral("soundDialog"));
    setFixedSize(DluSize(172, 66));
    OnInitDialog();
}

bool CSoundDlg::OnInitDialog()
{
    ok_.setObjectName(QStringLiteral("okButton"));
    ok_.setGeometry(DluRect(15, 30, 50, 14));
    ok_.AutoLoad(QStringLiteral("OK2"));
    cancel_.setObjectName(QStringLiteral("cancelButton"));
    cancel_.setGeometry(DluRect(100, 30, 50, 14));
    cancel_.AutoLoad(QStringLiteral("CANCEL2"));
    connect(&ok_, &QAbstractButton::clicked, this, &CSoundDlg::OnOK);
    connect(&cancel_, &QAbstractButton::clicked, this, &CSoundDlg::OnCancel);

    soundBox_ = new QCheckBox(QStringLiteral("Einschalten/Ausschalten"), this);
    soundBox_->setObjectName(QStringLiteral("soundBox"));
    soundBox_->setGeometry(DluRect(28, 10, 115, 10));
    // Any non-zero value means on; the box shows it as ticked.
    const int sound = app_.Read(Setting::Sound);
    soundBox_->setChecked(sound != 0);

    setTabOrder(&ok_, &cancel_);
    setTabOrder(&cancel_, soundBox_);
    ok_.setFocus();
    return true;
}

void CSoundDlg::OnOK()
{
    ProfileWriter writer(app_);
    writer.WriteInt(Setting::Sound.key, soundBox_->isChecked() ? 1 : 0);
    writer.ReportFailure(this, failureNotice_);
    CDialog::OnOK();
}
