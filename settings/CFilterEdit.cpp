#include "settings/CFilterEdit.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>

#include <algorithm>

CFilterEdit::~CFilterEdit()
{
    Detach();
}

void CFilterEdit::Attach(QLineEdit* edit, int maxLength)
{
    Detach();
    edit_ = edit;
    maxLength_ = maxLength;
    if (!edit_)
        return;
    // The field tells where the cursor and selection went mostly after an
    // edit is validated, but an input method's edit moves the cursor first:
    // while the text differs from the last accepted one, an edit is under way
    // and its start stays as it was.
    accepted_ = edit_->text();
    const auto noteStart = [this] {
        if (edit_->text() == accepted_)
            editStart_
                = edit_->hasSelectedText() ? edit_->selectionStart() : edit_->cursorPosition();
    };
    noteStart();
    connect(edit_, &QLineEdit::textChanged, this, [this, noteStart](const QString& text) {
        accepted_ = text;
        noteStart();
    });
    connect(edit_, &QLineEdit::cursorPositionChanged, this, noteStart);
    connect(edit_, &QLineEdit::selectionChanged, this, noteStart);
    edit_->setValidator(this);
    edit_->installEventFilter(this);
}

void CFilterEdit::Detach()
{
    if (edit_) {
        disconnect(edit_, nullptr, this, nullptr);
        edit_->removeEventFilter(this);
        if (edit_->validator() == this)
            edit_->setValidator(nullptr);
    }
    edit_ = nullptr;
    pending_.clear();
}

void CFilterEdit::fixup(QString& input) const
{
    input.removeIf([this](QChar c) { return !IsAllowed(c); });
}

QValidator::State CFilterEdit::validate(QString& input, int& pos) const
{
    // Text the program sets comes without an undo step: it stays as it is.
    if (!edit_ || !edit_->isUndoAvailable())
        return Acceptable;
    const int start = std::min<int>(editStart_, input.size());
    QString added = input.mid(start, std::max(0, pos - start));
    const bool allowed
        = std::all_of(added.begin(), added.end(), [this](QChar c) { return IsAllowed(c); });
    if (allowed && (added.isEmpty() || input.size() <= maxLength_))
        return Acceptable;
    // The field undoes the whole edit; what typing could have entered of it
    // follows as an edit of its own, on the restored selection.
    const qsizetype room = maxLength_ - (input.size() - added.size());
    fixup(added);
    added.truncate(std::max<qsizetype>(0, room));
    if (!added.isEmpty()) {
        pending_ = added;
        QMetaObject::invokeMethod(
            const_cast<CFilterEdit*>(this), &CFilterEdit::InsertPending, Qt::QueuedConnection);
    }
    return Invalid;
}

void CFilterEdit::InsertPending()
{
    const QString text = std::exchange(pending_, QString());
    if (edit_ && !text.isEmpty())
        edit_->insert(text);
}

namespace {

// Keys whose text is a control character but that the field handles as the
// user expects of any field: the rest (Ctrl+K, Ctrl+D, ...) are dropped.
bool IsEditingKey(const QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
        return true;
    default:
        break;
    }
    return e->text().isEmpty() || e->text().front().isPrint() || e->matches(QKeySequence::Paste)
        || e->matches(QKeySequence::Copy) || e->matches(QKeySequence::Cut)
        || e->matches(QKeySequence::Undo) || e->matches(QKeySequence::Redo)
        || e->matches(QKeySequence::SelectAll);
}

} // namespace

bool CFilterEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != edit_ || edit_->isReadOnly())
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::ContextMenu:
    case QEvent::Drop:
    case QEvent::FocusOut:
        // Input that arrives before the rest of a paste is handed in sees it.
        if (!pending_.isEmpty())
            InsertPending();
        break;
    default:
        return false;
    }
    if (event->type() == QEvent::KeyPress)
        return !IsEditingKey(static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::Drop) {
        // A drop that brings nothing is refused, so a moving drag keeps its text.
        auto* drop = static_cast<QDropEvent*>(event);
        QString text = drop->mimeData() ? drop->mimeData()->text() : QString();
        fixup(text);
        if (text.isEmpty()) {
            drop->ignore();
            return true;
        }
    }
    return false;
}
