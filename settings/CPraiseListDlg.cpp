#include "settings/CPraiseListDlg.h"

#include "settings/CWinApp.h"
#include "settings/SortedListWidget.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <string>

CPraiseListDlg::CPraiseListDlg(CWinApp& app, QWidget* parent)
    : QDialog(parent)
    , app_(app)
    , list_(new SortedListWidget(this))
    , field_(new QLineEdit(this))
    , okButton_(new QPushButton(QStringLiteral("OK"), this))
    , addButton_(new QPushButton(QStringLiteral("Hinzufügen"), this))
    , deleteButton_(new QPushButton(QStringLiteral("Löschen"), this))
    , cancelButton_(new QPushButton(QStringLiteral("Abbruch"), this))
    , helpButton_(new QPushButton(QStringLiteral("Hilfe"), this))
{
    deleteButton_->setObjectName(QStringLiteral("deleteButton"));
    addButton_->setObjectName(QStringLiteral("addButton"));
    field_->setObjectName(QStringLiteral("newPraiseField"));
    setWindowTitle(QStringLiteral("Eigene Lobe eingeben"));
    setWindowModality(Qt::WindowModal);
    list_->setAccessibleName(QStringLiteral("Lobe"));
    field_->setAccessibleName(QStringLiteral("Neues Lob"));
    okButton_->setDefault(true);
    createLayout();

    connect(okButton_, &QPushButton::clicked, this, &CPraiseListDlg::OnOK);
    connect(addButton_, &QPushButton::clicked, this, &CPraiseListDlg::OnAddPraise);
    connect(deleteButton_, &QPushButton::clicked, this, &CPraiseListDlg::OnDeletePraise);
    connect(cancelButton_, &QPushButton::clicked, this, &CPraiseListDlg::reject);
    connect(helpButton_, &QPushButton::clicked, this, &CPraiseListDlg::OnPraiseHelp);
    auto* helpKey = new QShortcut(QKeySequence::HelpContents, this);
    connect(helpKey, &QShortcut::activated, this, &CPraiseListDlg::OnPraiseHelp);

    OnInitDialog();
}

void CPraiseListDlg::createLayout()
{
    auto* newPraise = new QGroupBox(QStringLiteral("Neues Lob"), this);
    auto* newPraiseLayout = new QVBoxLayout(newPraise);
    newPraiseLayout->addWidget(field_);

    auto* left = new QVBoxLayout;
    left->addWidget(list_, 1);
    left->addWidget(newPraise);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : { okButton_, addButton_, deleteButton_, cancelButton_, helpButton_ })
        buttons->addWidget(button);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
    // About 210 x 150 dialog units, like the resource.
    setMinimumSize(315, 244);
}

void CPraiseListDlg::OnInitDialog()
{
    field_->setMaxLength(MaxPraiseLength);
    list_->AddNumbered(app_, Setting::Praise, app_.Read(Setting::PraiseCount));
}

void CPraiseListDlg::OnAddPraise()
{
    list_->AddString(field_->text().left(MaxPraiseLength));
    list_->setCurrentRow(list_->count() - 1);
    field_->clear();
    field_->setFocus();
}

void CPraiseListDlg::OnDeletePraise()
{
    const int row = list_->SelectedRow();
    if (row < 0)
        return;
    delete list_->takeItem(row);
    list_->clearSelection();
}

void CPraiseListDlg::OnPraiseHelp()
{
    app_.WinHelp(131072 + 102, CWinApp::HELP_CONTEXT);
}

void CPraiseListDlg::OnOK()
{
    ProfileWriter writer(app_);
    const QStringList texts = list_->Texts();
    for (int i = 0; i < texts.size(); ++i)
        writer.WriteString(Setting::Praise, i + 1, texts.at(i));
    writer.WriteInt(Setting::PraiseCount.key, int(texts.size()));
    writer.ReportFailure(this, failureNotice_);
    accept();
}
