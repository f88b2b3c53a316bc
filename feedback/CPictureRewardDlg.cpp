#include "feedback/CPictureRewardDlg.h"

#include "settings/CWinApp.h"
#include "engine/Draws.h"
#include "feedback/Dib.h"
#include "feedback/RewardWindow.h"
#include "feedback/SoundPlayer.h"

#include <QPainter>

#include <string>

CPictureRewardDlg::CPictureRewardDlg(CWinApp& app, QWidget* parent)
    : CDialog(parent)
    , ok_(this)
    , app_(app)
{
    setWindowTitle(QStringLiteral("Und jetzt ein hübsches Bild "));
    setObjectName(QStringLiteral("pictureRewardDialog"));
    OnInitDialog();
}

bool CPictureRewardDlg::OnInitDialog()
{
    setFixedSize(RewardWindow::ClientSize(kWindowSize));

    ok_.setObjectName(QStringLiteral("okButton"));
    ok_.AutoLoad(QStringLiteral("OK"));
    ok_.move((kButtonSpan - ok_.width()) / 2, kButtonTop);
    connect(&ok_, &QAbstractButton::clicked, this, &CPictureRewardDlg::OnOK);

    // The applause greets the child even when no picture can be shown.
    if (app_.Read(Setting::Sound) != 0)
        app_.Sound().Play(QStringLiteral("applaus.wav"));

    ok_.setFocus();
    return true;
}

QString CPictureRewardDlg::ChoosePictureFile()
{
    const int index = Draws::PictureIndex(app_.Read(Setting::PictureCount));
    return QString::fromStdString(app_.Read(Setting::Picture, index));
}

void CPictureRewardDlg::paintEvent(QPaintEvent* e)
{
    CDialog::paintEvent(e);
    const QString name = ChoosePictureFile();
    if (name.isEmpty())
        return;
    const QImage picture = LoadPicture(name, true);
    if (picture.isNull())
        return;
    QPainter painter(this);
    const QPoint origin = CentredOrigin(size(), picture.size());
    DrawDIB(painter, picture, origin.x(), origin.y());
}
