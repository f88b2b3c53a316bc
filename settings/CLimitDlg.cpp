#include "settings/CLimitDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CLimitDlg::CLimitDlg(QString& value, QWidget* parent)
    : CDialog(parent)
    , value_(&value)
{
    setWindowTitle(QStringLiteral("Aufgaben bis ?"));
    setObjectName(QStringLiteral("limitDialog"));
    CreateControls();
    OnInitDialog();
}

void CLimitDlg::CreateControls()
{
    auto* prompt = new QLabel(QStringLiteral("Gib bitte die Grenze ein :"), this);
    field_ = new QLineEdit(this);
    field_->setObjectName(QStringLiteral("limitField"));
    field_->setAccessibleName(QStringLiteral("Grenze"));
    field_->setInputMethodHints(Qt::ImhDigitsOnly);
    field_->setFixedWidth(CDialog::DluX(32));
    prompt->setBuddy(field_);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Abbruch"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(ok, &QPushButton::clicked, this, &CLimitDlg::OnOK);
    connect(cancel, &QPushButton::clicked, this, &CLimitDlg::OnCancel);

    auto* row = new QHBoxLayout;
    row->addWidget(prompt);
    row->addWidget(field_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool CLimitDlg::OnInitDialog()
{
    digits_.Attach(field_, 4);
    field_->setText(*value_);
    field_->selectAll();
    field_->setFocus();
    return true;
}

void CLimitDlg::OnOK()
{
    *value_ = field_->text();
    CDialog::OnOK();
}
