#include "settings/COptionsSheet.h"

#include "settings/CLearningAidsPage.h"
#include "settings/CMyPropertyPage1.h"
#include "settings/CMyPropertyPage3.h"
#include "settings/CMyPropertyPage4.h"
#include "settings/CWinApp.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

COptionsSheet::COptionsSheet(CWinApp& app, QWidget* parent)
    : QDialog(parent)
    , app_(app)
    , tabs_(new QTabWidget(this))
    , rewardPage_(new CMyPropertyPage1(app, tabs_))
    , countsPage_(new CMyPropertyPage3(app, tabs_))
    , backgroundPage_(new CMyPropertyPage4(app, tabs_))
    , aidsPage_(new CLearningAidsPage(app, tabs_))
    , pages_ { rewardPage_, countsPage_, backgroundPage_, aidsPage_ }
{
    tabs_->setObjectName(QStringLiteral("tabs"));
    setWindowTitle(QStringLiteral("Einstellungen"));
    setWindowModality(Qt::WindowModal);
    for (CPropertyPage* page : pages_)
        tabs_->addTab(page, page->Title());
    tabs_->setCurrentIndex(0);
    // The pages' resources are about 280 x 150 dialog units.
    tabs_->setMinimumSize(420, 244);
    // Four tab titles are wider than that: the sheet grows to show them
    // all rather than hide the first behind scroll arrows.
    tabs_->setUsesScrollButtons(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    createButtons();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    buttons->addWidget(helpButton_);
    layout->addLayout(buttons);
}

COptionsSheet::~COptionsSheet() = default;

void COptionsSheet::createButtons()
{
    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    cancelButton_ = new QPushButton(QStringLiteral("Abbruch"), this);
    helpButton_ = new QPushButton(QStringLiteral("Hilfe"), this);
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &COptionsSheet::OnOK);
    connect(cancelButton_, &QPushButton::clicked, this, &COptionsSheet::reject);
    connect(helpButton_, &QPushButton::clicked, this, &COptionsSheet::OnHelpButton);
    auto* helpKey = new QShortcut(QKeySequence::HelpContents, this);
    connect(helpKey, &QShortcut::activated, this, &COptionsSheet::OnHelpButton);
}

void COptionsSheet::OnOK()
{
    bool stored = true;
    for (CPropertyPage* page : pages_) {
        if (page->WasShown())
            stored = page->OnOK() && stored;
    }
    if (!stored)
        ProfileWriter::Notify(this, failureNotice_, app_);
    accept();
}

void COptionsSheet::OnHelpButton()
{
    if (auto* page = qobject_cast<CPropertyPage*>(tabs_->currentWidget()))
        page->WinHelp(0, 0);
}
