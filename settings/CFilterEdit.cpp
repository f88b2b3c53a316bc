#include "settings/CFilterEdit.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

#include <algorithm>

CFilterEdit::~CFilterEdit()
{
    Detach();
}

void CFilterEdit::Attach(QLineEdit* edit)
{
    Detach();
    edit_ = edit;
    if (edit_)
        edit_->installEventFilter(this);
}

void CFilterEdit::Detach()
{
    if (edit_)
        edit_->removeEventFilter(this);
    edit_ = nullptr;
}

QString CFilterEdit::Filtered(const QString& text) const
{
    QString kept;
    for (QChar c : text) {
        if (IsAllowed(c))
            kept += c;
    }
    return kept;
}

bool CFilterEdit::AllAllowed(const QString& text) const
{
    return std::all_of(text.begin(), text.end(), [this](QChar c) { return IsAllowed(c); });
}

namespace {

// Qt names the menu's paste action in some versions; in others only its text,
// in Qt's own translation, tells it apart.
bool IsPasteAction(const QAction* action)
{
    return action->objectName() == QLatin1String("edit-paste")
        || action->text().section(QLatin1Char('\t'), 0, 0) == QLineEdit::tr("&Paste");
}

} // namespace

bool CFilterEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != edit_ || edit_->isReadOnly())
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return OnKeyPress(static_cast<QKeyEvent*>(event));
    case QEvent::ContextMenu:
        return OnContextMenu(static_cast<QContextMenuEvent*>(event));
    case QEvent::Drop:
        return OnDrop(static_cast<QDropEvent*>(event));
    case QEvent::InputMethod:
        return OnInputMethod(static_cast<QInputMethodEvent*>(event));
    case QEvent::MouseButtonRelease:
        return OnMouseRelease(static_cast<QMouseEvent*>(event));
    default:
        return false;
    }
}

bool CFilterEdit::OnKeyPress(QKeyEvent* e)
{
    if (e->matches(QKeySequence::Paste)) {
        PasteFiltered(QClipboard::Clipboard);
        return true;
    }
    switch (e->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
        return false;
    default:
        break;
    }
    const QString text = e->text();
    if (text.isEmpty())
        return false; // arrows, Home, End, modifiers, function keys
    if (!text.front().isPrint()) {
        // Control characters: only the field's own editing shortcuts stay.
        const bool editing = e->matches(QKeySequence::Copy) || e->matches(QKeySequence::Cut)
            || e->matches(QKeySequence::Undo) || e->matches(QKeySequence::Redo)
            || e->matches(QKeySequence::SelectAll);
        return !editing;
    }
    if (AllAllowed(text))
        return false;
    InsertFiltered(text);
    return true;
}

bool CFilterEdit::OnContextMenu(QContextMenuEvent* e)
{
    QMenu* menu = edit_->createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        if (IsPasteAction(action)) {
            action->disconnect(edit_);
            connect(action, &QAction::triggered, this,
                [this] { PasteFiltered(QClipboard::Clipboard); });
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(e->globalPos());
    e->accept();
    return true;
}

bool CFilterEdit::OnDrop(QDropEvent* e)
{
    const QMimeData* data = e->mimeData();
    if (!data || !data->hasText() || AllAllowed(data->text()))
        return false;
    const QString kept = Filtered(data->text());
    if (kept.isEmpty()) {
        e->ignore();
        return true;
    }
    // Hand the field a drop of the allowed characters, at the same place.
    QMimeData filtered;
    filtered.setText(kept);
    QDropEvent drop(e->position(), e->possibleActions(), &filtered, e->buttons(), e->modifiers());
    drop.setDropAction(e->dropAction());
    QCoreApplication::sendEvent(edit_, &drop);
    e->setAccepted(drop.isAccepted());
    return true;
}

bool CFilterEdit::OnInputMethod(QInputMethodEvent* e)
{
    if (AllAllowed(e->commitString()))
        return false;
    QInputMethodEvent filtered(e->preeditString(), e->attributes());
    filtered.setCommitString(
        Filtered(e->commitString()), e->replacementStart(), e->replacementLength());
    QCoreApplication::sendEvent(edit_, &filtered);
    e->accept();
    return true;
}

bool CFilterEdit::OnMouseRelease(QMouseEvent* e)
{
    // Middle click pastes the X11 selection on release.
    if (e->button() != Qt::MiddleButton || !QGuiApplication::clipboard()->supportsSelection())
        return false;
    edit_->deselect();
    PasteFiltered(QClipboard::Selection);
    e->accept();
    return true;
}

void CFilterEdit::InsertFiltered(const QString& text)
{
    const QString kept = Filtered(text);
    if (!kept.isEmpty())
        edit_->insert(kept);
}

void CFilterEdit::PasteFiltered(QClipboard::Mode mode)
{
    if (edit_ && !edit_->isReadOnly())
        InsertFiltered(QGuiApplication::clipboard()->text(mode));
}
