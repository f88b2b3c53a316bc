#include "feedback/CWrongAnswerDlg.h"

#include "feedback/Art.h"
#include "feedback/CHintDlg.h"

#include <QLabel>

CWrongAnswerDlg::CWrongAnswerDlg(QWidget* parent)
    : CDialog(parent)
    , tryAgain_(this)
    , solve_(this)
{
    setWindowTitle(QStringLiteral("Oh! Oooooh!"));
    setObjectName(QStringLiteral("wrongAnswerDialog"));
    setFixedSize(DluSize(258, 134));
    OnInitDialog();
}

bool CWrongAnswerDlg::OnInitDialog()
{
    // The girl lies beneath the pictured texts, which reach into her picture.
    AddPicture(QStringLiteral("bitmap137"), { 135, 5 }, { 178, 198 }, {});
    AddPicture(QStringLiteral("bitmap149"), { 15, 5 }, { 194, 62 },
        QStringLiteral("Das ist leider nicht ganz richtig !"));
    AddPicture(QStringLiteral("bitmap150"), { 10, 45 }, { 196, 26 },
        QStringLiteral("Willst es nochmals versuchen"));
    AddPicture(QStringLiteral("bitmap148"), { 25, 60 }, { 141, 29 },
        QStringLiteral("oder soll ich lösen ?"));

    solve_.setObjectName(QStringLiteral("solveButton"));
    solve_.setGeometry(DluRect(75, 90, 55, 30));
    solve_.AutoLoad(QStringLiteral("LOESEN"));
    tryAgain_.setObjectName(QStringLiteral("tryAgainButton"));
    tryAgain_.setGeometry(DluRect(10, 90, 50, 30));
    tryAgain_.AutoLoad(QStringLiteral("NOCHMALS"));
    solve_.raise();
    tryAgain_.raise();
    connect(&solve_, &QAbstractButton::clicked, this, &CWrongAnswerDlg::OnOK);
    connect(&tryAgain_, &QAbstractButton::clicked, this, &CWrongAnswerDlg::OnCancel);

    // The question is written in pictures; a screen reader speaks it with
    // the window and with whichever button has the keyboard.
    const QString question = QStringLiteral(
        "Das ist leider nicht ganz richtig ! Willst es nochmals versuchen oder soll ich lösen ?");
    setAccessibleDescription(question);
    solve_.setAccessibleDescription(question);
    tryAgain_.setAccessibleDescription(question);

    setTabOrder(&solve_, &tryAgain_);
    solve_.setFocus();
    return true;
}

void CWrongAnswerDlg::AddPicture(
    const QString& name, QPoint dluPos, QSize pixels, const QString& words)
{
    auto* picture = new QLabel(this);
    picture->setObjectName(name);
    picture->setGeometry(QRect(QPoint(DluX(dluPos.x()), DluY(dluPos.y())), pixels));
    const QPixmap pixmap = Art::Pixmap(name);
    if (!pixmap.isNull()) {
        picture->setPixmap(pixmap);
        // A picture of words has no text a screen reader could find.
        if (!words.isEmpty())
            picture->setAccessibleName(words);
    } else {
        picture->setText(words);
        picture->setWordWrap(true);
    }
}

void CWrongAnswerDlg::SetHint(const QString& taskText, const Hint& hint)
{
    if (hintButton_)
        return;
    // Below the two choices, so no picture is covered.
    setFixedSize(DluSize(258, 160));
    hintButton_ = new CBitmapButton(this);
    hintButton_->setObjectName(QStringLiteral("hintButton"));
    hintButton_->setGeometry(DluRect(42, 124, 55, 30));
    hintButton_->AutoLoad(QStringLiteral("TIPP"));
    hintButton_->setAccessibleDescription(accessibleDescription());
    hintButton_->raise();
    hintButton_->show();
    setTabOrder(&tryAgain_, hintButton_);
    hintRunner_ = [this, taskText, hint] {
        CHintDlg dialog(taskText, hint, this);
        dialog.exec();
    };
    connect(hintButton_, &QAbstractButton::clicked, this, [this] {
        if (hintRunner_)
            hintRunner_();
        hintButton_->setFocus();
    });
}
