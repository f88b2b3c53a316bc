#pragma once

#include <QDialog>
#include <QPointer>
#include <QRect>

// A dialog modal to its parent window, with the accept/cancel paths the
// windows expect: exec() returns QDialog::Accepted or QDialog::Rejected.
// Escape and the close box go through OnCancel(); Enter with no focused
// button that takes it goes through OnOK(), as a dialog manager does.
class CDialog : public QDialog {
    Q_OBJECT
public:
    explicit CDialog(QWidget* parent = nullptr);

    // Centres the dialog over w's window when it is shown; a dialog with a
    // parent is centred over the parent without this.
    void CenterOver(QWidget* w) { centerOver_ = w; }

    virtual void OnOK() { done(Accepted); }
    virtual void OnCancel() { done(Rejected); }

    void accept() override { OnOK(); }
    void reject() override { OnCancel(); }
    // Ends the dialog and hands the keyboard back to the window below it.
    void done(int r) override;

    // Dialog units of an 8-point dialog font at 96 dpi, in pixels.
    static int DluX(int x);
    static int DluY(int y);
    static QRect DluRect(int x, int y, int w, int h);
    static QSize DluSize(int w, int h);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    QPointer<QWidget> centerOver_;
};

// A warning titled "Pilo" with an OK button, modal only to the parent's
// window, so the help window stays usable while it waits.
void ShowWarningBox(QWidget* parent, const QString& text);
