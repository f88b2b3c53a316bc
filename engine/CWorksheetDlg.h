#pragma once

#include "engine/Worksheet.h"

#include <QDialog>

#include <functional>

class CWinApp;
class QComboBox;
class QPushButton;
class QSpinBox;

// "Arbeitsblatt drucken": a kind of the menus or an own list and a number of
// tasks; "Vorschau..." shows the sheet in a print preview, from which it
// prints, and "Als PDF speichern..." writes it to a file.
class CWorksheetDlg : public QDialog {
    Q_OBJECT
public:
    // Asks for the PDF file's name; empty when the parent cancelled.
    using FileChooser = std::function<QString()>;

    // The help topic of its menu entry, "Arbeitsblatt drucken...".
    static constexpr int kHelpContext = 98438;

    explicit CWorksheetDlg(CWinApp& app, QWidget* parent = nullptr);

    void SetFileChooser(FileChooser chooser) { fileChooser_ = std::move(chooser); }

    // The sheet for the current choices, new tasks each time; a message and
    // nothing when the choice makes no task.
    bool MakeSheet(Worksheet& sheet);
    void OnPreview();
    bool OnSavePdf();
    void OnHelp();

    QComboBox* KindBox() const { return kindBox_; }
    QSpinBox* CountBox() const { return count_; }

private:
    void UpdateLimit();

    CWinApp& app_;
    QComboBox* kindBox_;
    QSpinBox* limit_;
    QSpinBox* count_;
    QPushButton* previewButton_;
    QPushButton* pdfButton_;
    QPushButton* closeButton_;
    QPushButton* helpButton_;
    FileChooser fileChooser_;
};
