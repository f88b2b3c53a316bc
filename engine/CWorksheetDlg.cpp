#include "engine/CWorksheetDlg.h"

#include "engine/Catalogue.h"
#include "feedback/CDialog.h"
#include "settings/CWinApp.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QString FromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

CWorksheetDlg::CWorksheetDlg(CWinApp& app, QWidget* parent)
    : QDialog(parent)
    , app_(app)
    , kindBox_(new QComboBox(this))
    , limit_(new QSpinBox(this))
    , count_(new QSpinBox(this))
    , previewButton_(new QPushButton(QStringLiteral("&Vorschau..."), this))
    , pdfButton_(new QPushButton(QStringLiteral("Als &PDF speichern..."), this))
    , closeButton_(new QPushButton(QStringLiteral("Schließen"), this))
    , helpButton_(new QPushButton(QStringLiteral("Hilfe"), this))
{
    limit_->setObjectName(QStringLiteral("limitBox"));
    setObjectName(QStringLiteral("worksheetDlg"));
    setWindowTitle(QStringLiteral("Arbeitsblatt drucken"));
    setWindowModality(Qt::WindowModal);
    for (const ExerciseKind& kind : ExerciseKinds())
        kindBox_->addItem(kind.menu == Menu::Eigene
                ? FromView(kind.menuText)
                : FromView(MenuTitle(kind.menu)) + QStringLiteral(" – ") + FromView(kind.menuText),
            kind.id);
    kindBox_->setAccessibleName(QStringLiteral("Übung"));
    limit_->setRange(2, 9999);
    limit_->setValue(20);
    limit_->setAccessibleName(QStringLiteral("Grenze"));
    count_->setRange(1, 200);
    count_->setValue(20);
    count_->setAccessibleName(QStringLiteral("Anzahl der Aufgaben"));
    previewButton_->setDefault(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Übung:"), kindBox_);
    form->addRow(QStringLiteral("&Grenze (bei „?“):"), limit_);
    form->addRow(QStringLiteral("&Anzahl der Aufgaben:"), count_);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : { previewButton_, pdfButton_, closeButton_, helpButton_ })
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    fileChooser_ = [this] {
        QFileDialog chooser(this, QStringLiteral("Arbeitsblatt als PDF speichern"),
            QDir::home().filePath(QStringLiteral("Arbeitsblatt.pdf")),
            QStringLiteral("PDF-Dateien (*.pdf)"));
        chooser.setAcceptMode(QFileDialog::AcceptSave);
        chooser.setWindowModality(Qt::WindowModal);
        return chooser.exec() == QDialog::Accepted ? chooser.selectedFiles().value(0) : QString();
    };
    connect(kindBox_, &QComboBox::currentIndexChanged, this, &CWorksheetDlg::UpdateLimit);
    connect(previewButton_, &QPushButton::clicked, this, &CWorksheetDlg::OnPreview);
    connect(pdfButton_, &QPushButton::clicked, this, &CWorksheetDlg::OnSavePdf);
    connect(closeButton_, &QPushButton::clicked, this, &CWorksheetDlg::reject);
    connect(helpButton_, &QPushButton::clicked, this, &CWorksheetDlg::OnHelp);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
        &CWorksheetDlg::OnHelp);
    UpdateLimit();
}

void CWorksheetDlg::UpdateLimit()
{
    const ExerciseKind* kind = FindExerciseKind(kindBox_->currentData().toInt());
    limit_->setEnabled(kind && kind->freeLimit);
}

bool CWorksheetDlg::MakeSheet(Worksheet& sheet)
{
    const ExerciseKind* kind = FindExerciseKind(kindBox_->currentData().toInt());
    if (!kind)
        return false;
    sheet = Worksheet::ForKind(*kind, count_->value(), limit_->value());
    if (!sheet.tasks.empty())
        return true;
    ShowWarningBox(this,
        kind->operation == Operation::OwnFile
            ? FromView(kind->ownFileError)
            : QStringLiteral("Mit dieser Grenze lässt sich keine Aufgabe bilden."));
    return false;
}

void CWorksheetDlg::OnPreview()
{
    Worksheet sheet;
    if (!MakeSheet(sheet))
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    printer.setDocName(sheet.heading);
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(QStringLiteral("Arbeitsblatt – Vorschau"));
    preview.setWindowModality(Qt::WindowModal);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
        [&sheet](QPrinter* target) { sheet.Print(*target); });
    preview.exec();
}

bool CWorksheetDlg::OnSavePdf()
{
    Worksheet sheet;
    if (!MakeSheet(sheet))
        return false;
    QString fileName = fileChooser_ ? fileChooser_() : QString();
    if (fileName.isEmpty())
        return false;
    if (!fileName.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        fileName += QStringLiteral(".pdf");
    if (sheet.SavePdf(fileName))
        return true;
    ShowWarningBox(
        this, QStringLiteral("Die Datei „%1“ lässt sich nicht schreiben.").arg(fileName));
    return false;
}

void CWorksheetDlg::OnHelp()
{
    app_.WinHelp(kHelpContext, CWinApp::HELP_CONTEXT);
}
