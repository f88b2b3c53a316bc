#include "feedback/CDialog.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <cmath>

CDialog::CDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // Modal to the window that opens it, not to the whole program: the help
    // viewer, a window of its own, stays usable beside every dialog.
    setWindowModality(Qt::WindowModal);
}

int CDialog::DluX(int x)
{
    return static_cast<int>(std::lround(x * 1.5));
}

int CDialog::DluY(int y)
{
    return static_cast<int>(std::lround(y * 1.625));
}

QRect CDialog::DluRect(int x, int y, int w, int h)
{
    return QRect(QPoint(DluX(x), DluY(y)), DluSize(w, h));
}

QSize CDialog::DluSize(int w, int h)
{
    return QSize(DluX(w), DluY(h));
}

void CDialog::done(int r)
{
    const bool active = isActiveWindow();
    QDialog::done(r);
    // A window manager gives the keyboard back to the window a dialog was
    // modal to; without one (a kiosk session, a bare X server) the keyboard
    // would fall to the desktop and the child could not type on.
    if (active && parentWidget())
        parentWidget()->window()->activateWindow();
}

void CDialog::keyPressEvent(QKeyEvent* e)
{
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        // QDialog only knows default QPushButtons; without one, Enter means OK.
        const auto buttons = findChildren<QPushButton*>();
        const bool hasDefault = std::any_of(buttons.begin(), buttons.end(),
            [](QPushButton* b) { return b->isDefault() && b->isVisible() && b->isEnabled(); });
        if (!hasDefault) {
            OnOK();
            return;
        }
    }
    QDialog::keyPressEvent(e);
}

void CDialog::showEvent(QShowEvent* e)
{
    if (centerOver_)
        adjustPosition(centerOver_);
    QDialog::showEvent(e);
}

void ShowWarningBox(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Pilo"), text, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.setWindowModality(Qt::WindowModal);
    box.exec();
}
