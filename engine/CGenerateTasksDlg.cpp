#include "engine/CGenerateTasksDlg.h"

#include "engine/COwnExercisesDlg.h"
#include "engine/Catalogue.h"
#include "engine/TaskSets.h"
#include "feedback/CDialog.h"
#include "settings/CWinApp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QString FromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QSpinBox* NumberBox(QWidget* parent, const QString& name, int low, int high, int value)
{
    auto* box = new QSpinBox(parent);
    box->setRange(low, high);
    box->setValue(value);
    box->setAccessibleName(name);
    return box;
}

} // namespace

CGenerateTasksDlg::CGenerateTasksDlg(CWinApp& app, QWidget* parent)
    : QDialog(parent)
    , app_(app)
    , tablesChoice_(new QRadioButton(QStringLiteral("&Einmaleins"), this))
    , kindChoice_(new QRadioButton(QStringLiteral("Übung aus dem &Menü"), this))
    , rangesChoice_(new QRadioButton(QStringLiteral("&Zahlenbereiche"), this))
    , count_(NumberBox(this, QStringLiteral("Anzahl"), 1, TaskSets::kMaxCount, 20))
{
    kindChoice_->setObjectName(QStringLiteral("kindChoice"));
    setObjectName(QStringLiteral("generateTasksDlg"));
    setWindowTitle(QStringLiteral("Aufgaben erzeugen"));
    setWindowModality(Qt::WindowModal);
    tablesChoice_->setChecked(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tablesChoice_);
    layout->addWidget(tablesPart_ = createTablesPart());
    layout->addWidget(kindChoice_);
    layout->addWidget(kindPart_ = createKindPart());
    layout->addWidget(rangesChoice_);
    layout->addWidget(rangesPart_ = createRangesPart());
    auto* countRow = new QFormLayout;
    countRow->addRow(QStringLiteral("&Anzahl der Aufgaben:"), count_);
    layout->addLayout(countRow);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Abbruch"), QDialogButtonBox::RejectRole);
    QPushButton* help = buttons->addButton(QStringLiteral("Hilfe"), QDialogButtonBox::HelpRole);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &CGenerateTasksDlg::OnOK);
    connect(buttons, &QDialogButtonBox::rejected, this, &CGenerateTasksDlg::reject);
    auto showHelp = [this] { app_.WinHelp(COwnExercisesDlg::kHelpContext, CWinApp::HELP_CONTEXT); };
    connect(help, &QPushButton::clicked, this, showHelp);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, showHelp);
    for (QRadioButton* choice : { tablesChoice_, kindChoice_, rangesChoice_ })
        connect(choice, &QRadioButton::toggled, this, &CGenerateTasksDlg::UpdateEnabled);
    UpdateEnabled();
}

QWidget* CGenerateTasksDlg::createTablesPart()
{
    auto* part = new QGroupBox(QStringLiteral("Reihen"), this);
    auto* grid = new QGridLayout(part);
    for (int n = 1; n <= 10; ++n) {
        auto* box = new QCheckBox(QString::number(n), part);
        box->setAccessibleName(QStringLiteral("%1er-Reihe").arg(n));
        grid->addWidget(box, 0, n - 1);
        tables_.push_back(box);
    }
    mixed_ = new QCheckBox(QStringLiteral("gemischt, in zufälliger Rei&henfolge"), part);
    mixed_->setChecked(true);
    grid->addWidget(mixed_, 1, 0, 1, 10);
    return part;
}

QWidget* CGenerateTasksDlg::createKindPart()
{
    auto* part = new QWidget(this);
    auto* form = new QFormLayout(part);
    kindBox_ = new QComboBox(part);
    kindBox_->setAccessibleName(QStringLiteral("Übung"));
    for (const ExerciseKind& kind : ExerciseKinds())
        if (kind.operation != Operation::OwnFile)
            kindBox_->addItem(
                FromView(MenuTitle(kind.menu)) + " – " + FromView(kind.menuText), kind.id);
    limit_ = NumberBox(part, QStringLiteral("Grenze"), 2, 9999, 20);
    form->addRow(QStringLiteral("Ü&bung:"), kindBox_);
    form->addRow(QStringLiteral("&Grenze (bei „?“):"), limit_);
    connect(kindBox_, &QComboBox::currentIndexChanged, this, &CGenerateTasksDlg::UpdateEnabled);
    return part;
}

QWidget* CGenerateTasksDlg::createRangesPart()
{
    auto* part = new QWidget(this);
    auto* form = new QFormLayout(part);
    operation_ = new QComboBox(part);
    operation_->setAccessibleName(QStringLiteral("Rechenart"));
    operation_->addItems({ QStringLiteral("Plus (+)"), QStringLiteral("Minus (-)"),
        QStringLiteral("Mal (·)"), QStringLiteral("Geteilt (:)") });
    const int top = TaskSets::kMaxNumber;
    low1_ = NumberBox(part, QStringLiteral("Erste Zahl von"), 0, top, 1);
    high1_ = NumberBox(part, QStringLiteral("Erste Zahl bis"), 0, top, 10);
    low2_ = NumberBox(part, QStringLiteral("Zweite Zahl von"), 0, top, 1);
    high2_ = NumberBox(part, QStringLiteral("Zweite Zahl bis"), 0, top, 10);
    auto pairRow = [part](QSpinBox* low, QSpinBox* high) {
        auto* row = new QHBoxLayout;
        row->addWidget(low);
        row->addWidget(new QLabel(QStringLiteral("bis"), part));
        row->addWidget(high);
        return row;
    };
    form->addRow(QStringLiteral("Re&chenart:"), operation_);
    form->addRow(QStringLiteral("E&rste Zahl von:"), pairRow(low1_, high1_));
    form->addRow(QStringLiteral("Zwei&te Zahl von:"), pairRow(low2_, high2_));
    return part;
}

void CGenerateTasksDlg::UpdateEnabled()
{
    tablesPart_->setEnabled(tablesChoice_->isChecked());
    kindPart_->setEnabled(kindChoice_->isChecked());
    rangesPart_->setEnabled(rangesChoice_->isChecked());
    const ExerciseKind* kind = FindExerciseKind(kindBox_->currentData().toInt());
    limit_->setEnabled(kind && kind->freeLimit);
}

void CGenerateTasksDlg::OnOK()
{
    const int count = count_->value();
    if (tablesChoice_->isChecked()) {
        std::vector<int> chosen;
        for (int n = 1; n <= 10; ++n)
            if (Table(n)->isChecked())
                chosen.push_back(n);
        tasks_ = TaskSets::TimesTables(chosen, count, mixed_->isChecked());
    } else if (kindChoice_->isChecked()) {
        if (const ExerciseKind* kind = FindExerciseKind(kindBox_->currentData().toInt()))
            tasks_ = TaskSets::FromKind(*kind, limit_->value(), count);
    } else {
        tasks_ = TaskSets::FromRanges(TaskSets::Operation(operation_->currentIndex()),
            low1_->value(), high1_->value(), low2_->value(), high2_->value(), count);
    }
    if (tasks_.empty()) {
        ShowWarningBox(this,
            tablesChoice_->isChecked()
                ? QStringLiteral("Bitte wählen Sie mindestens eine Reihe.")
                : QStringLiteral("Mit diesen Angaben lässt sich keine Aufgabe bilden."));
        return;
    }
    accept();
}
