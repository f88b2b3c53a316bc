#pragma once

#include "feedback/CDialog.h"

class QLabel;
class QPushButton;

// "Info über Pilo": the icon, the version and two lines about the program.
// OK, Enter and Escape close it.
class CAboutDlg : public CDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    QPushButton* OkButton() const { return ok_; }
    QList<QLabel*> TextLines() const { return lines_; }

protected:
    bool OnInitDialog();

private:
    void place(QWidget* w, int x, int y, int width, int height);

    QPushButton* ok_ = nullptr;
    QList<QLabel*> lines_;
};
