#include "app/CContactDlg.h"

#include "feedback/Art.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CContactDlg::CContactDlg(QWidget* parent)
    : CDialog(parent)
    , ok_(this)
{
    setObjectName(QStringLiteral("contactDialog"));
    setWindowTitle(QStringLiteral("Fragen und Probleme ?"));
    OnInitDialog();
}

bool CContactDlg::OnInitDialog()
{
    box_ = new QGroupBox(QStringLiteral("Rat und Hilfe"), this);
    box_->setObjectName(QStringLiteral("adviceBox"));
    auto* lines = new QVBoxLayout(box_);
    for (const char* text : {
             "Die meisten Fragen beantwortet die Hilfe:",
             "Menü „Hilfe“, „Hilfethemen“ oder die Taste F1.",
             "Fehler und Wünsche melden Sie bitte dort,",
             "wo Sie Pilo bezogen haben.",
         }) {
        auto* label = new QLabel(QString::fromUtf8(text), box_);
        label->setTextFormat(Qt::PlainText);
        lines->addWidget(label);
    }

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picture"));
    picture->setPixmap(Art::Pixmap(QStringLiteral("bitmap162")));
    picture->setAlignment(Qt::AlignCenter);

    ok_.setObjectName(QStringLiteral("okButton"));
    ok_.AutoLoad(QStringLiteral("OK"));
    connect(&ok_, &QAbstractButton::clicked, this, &CContactDlg::OnOK);

    auto* side = new QVBoxLayout;
    side->addWidget(picture, 0, Qt::AlignHCenter);
    side->addStretch(1);
    side->addWidget(&ok_, 0, Qt::AlignHCenter);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(box_, 1);
    layout->addLayout(side);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ok_.setFocus();
    return true;
}
