#include "app/CAboutDlg.h"

#include "app/ProgramIcon.h"

#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* parent)
    : CDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QStringLiteral("Info über Pilo"));
    OnInitDialog();
}

// Positions are those of the dialog's layout in dialog units; a control
// grows beyond its box when the font needs more room, and the dialog with it.
void CAboutDlg::place(QWidget* w, int x, int y, int width, int height)
{
    QRect box = DluRect(x, y, width, height);
    box.setSize(box.size().expandedTo(w->sizeHint()));
    w->setGeometry(box);
}

bool CAboutDlg::OnInitDialog()
{
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(ProgramIcon().pixmap(32, 32));
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(icon, 9, 6, 18, 20);

    struct Line {
        const char* text;
        int x, y, width;
    };
    const Line texts[] = {
        { "Pilo, Version 1.11", 41, 8, 78 },
        { "Ein Rechentrainer für Kinder.", 42, 17, 69 },
        { "© 2026 Pilo-Team", 42, 28, 123 },
    };
    for (const Line& line : texts) {
        auto* label = new QLabel(QString::fromUtf8(line.text), this);
        label->setTextFormat(Qt::PlainText);
        place(label, line.x, line.y, line.width, 8);
        lines_.append(label);
    }

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("okButton"));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &CAboutDlg::OnOK);
    // The button keeps its place right of the lines beside it, however long
    // the font makes them.
    QRect button = DluRect(119, 10, 32, 14);
    button.setSize(button.size().expandedTo(ok_->sizeHint()));
    for (QLabel* line : lines_) {
        const QRect text = line->geometry();
        if (text.top() <= button.bottom() && text.bottom() >= button.top())
            button.moveLeft(std::max(button.left(), text.right() + DluX(4)));
    }
    ok_->setGeometry(button);

    QRect used = DluRect(0, 0, 173, 46);
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        used = used.united(child->geometry().adjusted(0, 0, DluX(6), DluY(6)));
    setFixedSize(used.size());
    ok_->setFocus();
    return true;
}
