#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <QObject>
#include <QPointer>

class QContextMenuEvent;
class QDropEvent;
class QInputMethodEvent;
class QKeyEvent;

class QMouseEvent;

// Lets only some characters into a QLineEdit the user types in.  Attached to
// an existing field, it drops every other typed character silently and keeps
// the field's navigation and editing keys.  Text from the clipboard, the
// selection, drag and drop or an input method loses the characters typing
// could not enter (a paste with nothing left changes nothing).  Text the
// program sets with setText() is never filtered.
class CFilterEdit : public QObject {
    Q_OBJECT
public:
    ~CFilterEdit() override;

    // Filters edit from now on; a filter serves one field at a time.
    void Attach(QLineEdit* edit);
    void Detach();
    QLineEdit* Edit() const { return edit_; }

    // text without the characters this filter refuses.
    QString Filtered(const QString& text) const;

protected:
    CFilterEdit() = default;
    virtual bool IsAllowed(QChar c) const = 0;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool OnKeyPress(QKeyEvent* e);
    bool OnContextMenu(QContextMenuEvent* e);
    bool OnDrop(QDropEvent* e);
    bool OnInputMethod(QInputMethodEvent* e);
    bool OnMouseRelease(QMouseEvent* e);
    void InsertFiltered(const QString& text);
    void PasteFiltered(QClipboard::Mode mode);
    bool AllAllowed(const QString& text) const;

    QPointer<QLineEdit> edit_;
};
