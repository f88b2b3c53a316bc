#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QValidator>

// Lets only some characters into a QLineEdit the user types in, as the
// field's validator.  A typed character it refuses is dropped silently, the
// selection kept.  Text from the clipboard, the selection, drag and drop or an
// input method keeps only the characters typing could enter (fixup), as one
// undo step; a paste with nothing left changes nothing.  Text the program
// sets with setText() is never filtered.  The field's navigation and editing
// keys stay; other control keys (the X11 line-editing ones, such as Ctrl+K)
// do nothing, as in a field that takes only characters.
class CFilterEdit : public QValidator {
    Q_OBJECT
public:
    ~CFilterEdit() override;

    // Filters edit from now on, with at most maxLength characters; a filter
    // serves one field at a time.
    void Attach(QLineEdit* edit, int maxLength = 32767);
    void Detach();

    State validate(QString& input, int& pos) const override;
    // Drops the refused characters.
    void fixup(QString& input) const override;

protected:
    CFilterEdit() = default;
    virtual bool IsAllowed(QChar c) const = 0;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void InsertPending();

    QPointer<QLineEdit> edit_;
    int maxLength_ = 32767;
    // The field's text as last accepted, and where the next edit starts: the
    // selection's start, or the cursor.
    QString accepted_;
    int editStart_ = 0;
    // What is left of a refused paste, inserted once the field has undone it.
    mutable QString pending_;
};
