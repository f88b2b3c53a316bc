#include "settings/CMyPropertyPage4.h"

#include "settings/CWinApp.h"
#include "settings/ProfileWriter.h"
#include "settings/SortedListWidget.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CMyPropertyPage4::CMyPropertyPage4(CWinApp& app, QWidget* parent)
    : CPropertyPage(app, 108, QStringLiteral("Hintergrundbild"), parent)
    , list_(new SortedListWidget(this))
    , setButton_(new QPushButton(QStringLiteral("Setzen"), this))
    , chosen_(new QLabel(this))
{
    setButton_->setObjectName(QStringLiteral("setButton"));
    chosen_->setObjectName(QStringLiteral("chosenLabel"));
    list_->setObjectName(QStringLiteral("pictureList"));
    list_->setAccessibleName(QStringLiteral("Hintergrundbilder"));
    chosen_->setAlignment(Qt::AlignCenter);
    chosen_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    chosen_->setMinimumHeight(24);
    chosen_->setTextInteractionFlags(Qt::NoTextInteraction);

    auto* choose = new QGroupBox(QStringLiteral("Wähle Hintergrundbild"), this);
    auto* chooseLayout = new QHBoxLayout(choose);
    chooseLayout->addWidget(list_, 1);
    chooseLayout->addWidget(setButton_, 0, Qt::AlignTop);

    auto* current = new QGroupBox(QStringLiteral("Hintergrundbild"), this);
    auto* currentLayout = new QVBoxLayout(current);
    currentLayout->addWidget(chosen_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(choose, 1);
    layout->addWidget(current);

    connect(setButton_, &QPushButton::clicked, this, &CMyPropertyPage4::OnSetPicture);
}

void CMyPropertyPage4::OnInitDialog()
{
    offeredCount_ = app_.Read(Setting::BackgroundCount);
    chosen_->setText(QString::fromStdString(app_.Read(Setting::BackgroundOnPage)));
    list_->AddNumbered(app_, Setting::Picture, offeredCount_);
}

void CMyPropertyPage4::OnSetPicture()
{
    // Without a selection the label keeps the name it shows, so a stray
    // click cannot blank the stored background.
    const int row = list_->SelectedRow();
    if (row < 0)
        return;
    pictureName_ = list_->item(row)->text();
    chosen_->setText(pictureName_);
}

bool CMyPropertyPage4::OnOK()
{
    pictureName_ = chosen_->text();
    ProfileWriter writer(app_);
    writer.WriteString(Setting::Background.key, pictureName_);
    writer.WriteInt(Setting::BackgroundChanged.key, 1);
    return !writer.Failed();
}
