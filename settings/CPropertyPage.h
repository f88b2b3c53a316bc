#pragma once

#include <QWidget>

#include <QtGlobal>

class CWinApp;

// One tab of a settings sheet.  The page reads the profile when it is first
// shown (OnInitDialog) and writes it only if it was shown during this
// opening of its sheet (OnOK), so an unseen page never overwrites keys the
// parent did not get to look at.
class CPropertyPage : public QWidget {
    Q_OBJECT
public:
    CPropertyPage(CWinApp& app, int dialogId, const QString& title, QWidget* parent = nullptr);

    QString Title() const { return title_; }
    bool WasShown() const { return initialised_; }

    // Opens the page's help topic; both arguments are ignored.
    virtual void WinHelp(quint32 data, quint32 command);
    // Stores the page's values; false if any write failed.
    virtual bool OnOK() = 0;

protected:
    virtual void OnInitDialog() = 0;
    void showEvent(QShowEvent* event) override;

    CWinApp& app_;

private:
    int dialogId_;
    QString title_;
    bool initialised_ = false;
};
