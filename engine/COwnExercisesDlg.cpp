#include "engine/COwnExercisesDlg.h"

#include "engine/CGenerateTasksDlg.h"
#include "engine/Catalogue.h"
#include "engine/OwnListModel.h"
#include "engine/WindowsFileName.h"
#include "feedback/CDialog.h"
#include "settings/CWinApp.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

std::vector<const ExerciseKind*> OwnKinds()
{
    std::vector<const ExerciseKind*> kinds;
    for (const ExerciseKind& kind : ExerciseKinds())
        if (kind.operation == Operation::OwnFile)
            kinds.push_back(&kind);
    return kinds;
}

QString FromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString FormatText(const OwnListFormat& format, bool exists)
{
    if (!exists)
        return QStringLiteral("neue Datei");
    const QString encoding = format.encoding == OwnListEncoding::Windows1252 ? "Windows-1252"
        : format.encoding == OwnListEncoding::Utf8WithBom                    ? "UTF-8 mit BOM"
                                                                             : "UTF-8";
    return encoding
        + (format.lineEnd == OwnListLineEnd::CrLf ? QStringLiteral(", Windows-Zeilenenden")
                                                  : QStringLiteral(", Linux-Zeilenenden"));
}

QMessageBox::StandardButton AskToSave(QWidget* parent, const QString& listName)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Pilo"),
        QStringLiteral("Die Änderungen an „%1“ sind noch nicht gespeichert. Jetzt speichern?")
            .arg(listName),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    box.setWindowModality(Qt::WindowModal);
    return QMessageBox::StandardButton(box.exec());
}

} // namespace

COwnExercisesDlg::COwnExercisesDlg(CWinApp& app, QWidget* parent)
    : QDialog(parent)
    , app_(app)
    , listChoice_(new QComboBox(this))
    , fileLabel_(new QLabel(this))
    , table_(new QTableView(this))
    , model_(new OwnListModel(this))
    , findingsLabel_(new QLabel(this))
    , newButton_(new QPushButton(QStringLiteral("&Neue Zeile"), this))
    , deleteButton_(new QPushButton(QStringLiteral("Zeile &löschen"), this))
    , upButton_(new QPushButton(QStringLiteral("Nach &oben"), this))
    , downButton_(new QPushButton(QStringLiteral("Nach &unten"), this))
    , undoButton_(new QPushButton(QStringLiteral("&Rückgängig"), this))
    , redoButton_(new QPushButton(QStringLiteral("&Wiederholen"), this))
    , generateButton_(new QPushButton(QStringLiteral("Aufgaben &erzeugen..."), this))
    , saveButton_(new QPushButton(QStringLiteral("&Speichern"), this))
    , closeButton_(new QPushButton(QStringLiteral("Schließen"), this))
    , helpButton_(new QPushButton(QStringLiteral("Hilfe"), this))
{
    findingsLabel_->setObjectName(QStringLiteral("findingsLabel"));
    listChoice_->setObjectName(QStringLiteral("listChoice"));
    setObjectName(QStringLiteral("ownExercisesDlg"));
    setWindowTitle(QStringLiteral("Eigene Übungen bearbeiten"));
    setWindowModality(Qt::WindowModal);
    saveQuestion_ = [this](const QString& name) { return AskToSave(this, name); };
    taskMaker_ = [this]() -> std::optional<std::vector<OwnTask>> {
        CGenerateTasksDlg dialog(app_, this);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.Tasks();
    };

    for (const ExerciseKind* kind : OwnKinds())
        listChoice_->addItem(FromView(kind->menuText));
    listChoice_->setAccessibleName(QStringLiteral("Liste"));
    table_->setModel(model_);
    table_->setAccessibleName(QStringLiteral("Aufgaben und Antworten"));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setTabKeyNavigation(false);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
        | QAbstractItemView::AnyKeyPressed);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    findingsLabel_->setWordWrap(true);
    findingsLabel_->setTextFormat(Qt::PlainText);
    fileLabel_->setTextFormat(Qt::PlainText);
    closeButton_->setAutoDefault(false);
    createLayout();
    createShortcuts();

    connect(listChoice_, &QComboBox::activated, this, [this](int index) {
        if (!OpenList(index))
            listChoice_->setCurrentIndex(list_);
    });
    connect(newButton_, &QPushButton::clicked, this, &COwnExercisesDlg::OnNewRow);
    connect(deleteButton_, &QPushButton::clicked, this, &COwnExercisesDlg::OnDeleteRows);
    connect(upButton_, &QPushButton::clicked, this, [this] { OnMoveRow(-1); });
    connect(downButton_, &QPushButton::clicked, this, [this] { OnMoveRow(1); });
    connect(undoButton_, &QPushButton::clicked, model_->UndoStack(), &QUndoStack::undo);
    connect(redoButton_, &QPushButton::clicked, model_->UndoStack(), &QUndoStack::redo);
    connect(generateButton_, &QPushButton::clicked, this, &COwnExercisesDlg::OnGenerate);
    connect(saveButton_, &QPushButton::clicked, this, &COwnExercisesDlg::OnSave);
    connect(closeButton_, &QPushButton::clicked, this, &COwnExercisesDlg::reject);
    connect(helpButton_, &QPushButton::clicked, this, &COwnExercisesDlg::OnHelp);
    connect(model_, &OwnListModel::FindingsChanged, this, &COwnExercisesDlg::UpdateFindings);
    connect(model_->UndoStack(), &QUndoStack::indexChanged, this, &COwnExercisesDlg::UpdateButtons);
    connect(model_->UndoStack(), &QUndoStack::cleanChanged, this, &COwnExercisesDlg::UpdateButtons);
    connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this,
        &COwnExercisesDlg::UpdateButtons);

    OpenList(0);
    resize(640, 480);
}

COwnExercisesDlg::~COwnExercisesDlg()
{
    // The model and the table are children and go only after this window's own
    // part; the undo stack still reports being cleared then, which must not
    // reach our slots.
    model_->UndoStack()->disconnect(this);
    model_->disconnect(this);
    table_->selectionModel()->disconnect(this);
}

void COwnExercisesDlg::createLayout()
{
    auto* top = new QHBoxLayout;
    auto* listLabel = new QLabel(QStringLiteral("&Liste:"), this);
    listLabel->setBuddy(listChoice_);
    top->addWidget(listLabel);
    top->addWidget(listChoice_);
    top->addWidget(fileLabel_, 1);

    auto* left = new QVBoxLayout;
    left->addLayout(top);
    left->addWidget(table_, 1);
    left->addWidget(findingsLabel_);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : { newButton_, deleteButton_, upButton_, downButton_ })
        buttons->addWidget(button);
    buttons->addSpacing(12);
    for (QPushButton* button : { undoButton_, redoButton_, generateButton_ })
        buttons->addWidget(button);
    buttons->addStretch();
    for (QPushButton* button : { saveButton_, closeButton_, helpButton_ })
        buttons->addWidget(button);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
}

void COwnExercisesDlg::createShortcuts()
{
    auto add = [this](QKeySequence key, auto slot) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    add(QKeySequence::Undo, [this] { model_->UndoStack()->undo(); });
    // Ctrl+Y as on Windows besides the desktop's own Redo keys, on one
    // shortcut: two shortcuts with one key would block each other.
    auto* redo = new QShortcut(this);
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
        redoKeys.append(QKeySequence(Qt::CTRL | Qt::Key_Y));
    redo->setKeys(redoKeys);
    connect(redo, &QShortcut::activated, model_->UndoStack(), &QUndoStack::redo);
    add(QKeySequence::Save, [this] { OnSave(); });
    add(QKeySequence::HelpContents, [this] { OnHelp(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_Up), [this] { OnMoveRow(-1); });
    add(QKeySequence(Qt::CTRL | Qt::Key_Down), [this] { OnMoveRow(1); });
    // Insert and Delete act on the table's rows, not on a field being edited.
    auto* insert = new QShortcut(QKeySequence(Qt::Key_Insert), table_);
    insert->setContext(Qt::WidgetShortcut);
    connect(insert, &QShortcut::activated, this, &COwnExercisesDlg::OnNewRow);
    auto* remove = new QShortcut(QKeySequence::Delete, table_);
    remove->setContext(Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, this, &COwnExercisesDlg::OnDeleteRows);
}

QString COwnExercisesDlg::ListName() const
{
    return listChoice_->itemText(list_);
}

bool COwnExercisesDlg::MaySwitchAway()
{
    if (!model_->IsModified())
        return true;
    switch (saveQuestion_ ? saveQuestion_(ListName()) : QMessageBox::Discard) {
    case QMessageBox::Save:
        return OnSave();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool COwnExercisesDlg::OpenList(int list)
{
    const std::vector<const ExerciseKind*> kinds = OwnKinds();
    if (list < 0 || list >= int(kinds.size()))
        return false;
    if (list == list_ || !MaySwitchAway())
        return list == list_;
    std::string error;
    OwnListDocument document;
    bool exists = false;
    // A list brought from Windows may be named in another case; it is
    // edited and saved where it is, never renamed.
    std::filesystem::path path = FindFileAnyCase(kinds[std::size_t(list)]->ownFileName);
    const std::string fileName = path.string();
    if (!LoadOwnListFile(path, document, exists, error)) {
        ShowWarningBox(this,
            QStringLiteral("„%1“ lässt sich nicht öffnen. %2")
                .arg(QString::fromStdString(fileName), QString::fromStdString(error)));
        return false;
    }
    list_ = list;
    path_ = std::move(path);
    listChoice_->setCurrentIndex(list);
    document_ = std::move(document);
    exists_ = exists;
    model_->Reset(document_.pairs, document_.format.encoding);
    fileLabel_->setText(QStringLiteral("%1 (%2)").arg(
        QString::fromStdString(fileName), FormatText(document_.format, exists_)));
    if (model_->rowCount() > 0)
        table_->setCurrentIndex(model_->index(0, OwnListModel::TaskColumn));
    UpdateFindings();
    UpdateButtons();
    return true;
}

bool COwnExercisesDlg::OnSave()
{
    const std::string fileName = path_.string();
    OwnListFormat format = document_.format;
    std::string error;
    if (!SaveOwnListFile(path_, model_->Pairs(), format, error)) {
        ShowWarningBox(this,
            QStringLiteral("„%1“ konnte nicht gespeichert werden. %2")
                .arg(QString::fromStdString(fileName), QString::fromStdString(error)));
        return false;
    }
    document_.format = format;
    document_.pairs = model_->Pairs();
    // What was dropped on reading is gone from the file now.
    document_.unpairedLine.clear();
    exists_ = true;
    model_->SetEncoding(format.encoding);
    model_->UndoStack()->setClean();
    fileLabel_->setText(QStringLiteral("%1 (%2)").arg(
        QString::fromStdString(fileName), FormatText(document_.format, exists_)));
    UpdateFindings();
    return true;
}

void COwnExercisesDlg::OnNewRow()
{
    const QModelIndex current = table_->currentIndex();
    const int row = current.isValid() ? current.row() + 1 : model_->rowCount();
    model_->InsertPair(row);
    table_->setCurrentIndex(model_->index(row, OwnListModel::TaskColumn));
    table_->setFocus();
}

void COwnExercisesDlg::OnDeleteRows()
{
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        if (table_->currentIndex().isValid())
            model_->RemovePairs(table_->currentIndex().row(), 1);
        return;
    }
    // One undo step per contiguous block, from the bottom so rows above keep
    // their numbers.
    std::vector<int> numbers;
    for (const QModelIndex& index : rows)
        numbers.push_back(index.row());
    std::sort(numbers.rbegin(), numbers.rend());
    model_->UndoStack()->beginMacro(QStringLiteral("Zeilen löschen"));
    for (std::size_t i = 0; i < numbers.size();) {
        std::size_t j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] - 1)
            ++j;
        model_->RemovePairs(numbers[j], int(j - i + 1));
        i = j + 1;
    }
    model_->UndoStack()->endMacro();
}

void COwnExercisesDlg::OnMoveRow(int step)
{
    const QModelIndex current = table_->currentIndex();
    if (!current.isValid())
        return;
    const int to = current.row() + step;
    if (to < 0 || to >= model_->rowCount())
        return;
    model_->MovePair(current.row(), to);
    table_->setCurrentIndex(model_->index(to, current.column()));
}

void COwnExercisesDlg::OnGenerate()
{
    if (!taskMaker_)
        return;
    if (std::optional<std::vector<OwnTask>> tasks = taskMaker_())
        model_->ReplaceAll(std::move(*tasks));
}

void COwnExercisesDlg::OnHelp()
{
    app_.WinHelp(COwnExercisesDlg::kHelpContext, CWinApp::HELP_CONTEXT);
}

void COwnExercisesDlg::UpdateFindings()
{
    const int count = model_->FindingCount();
    QString text = count == 0 ? QStringLiteral("Keine Hinweise.")
        : count == 1
        ? QStringLiteral("1 Hinweis: Zeigen Sie auf die markierte Zeile.")
        : QStringLiteral("%1 Hinweise: Zeigen Sie auf die markierten Zeilen.").arg(count);
    if (!document_.unpairedLine.empty() && !model_->IsModified())
        text += QStringLiteral(" Die letzte Zeile der Datei, „%1“, hat keine Antwortzeile; Pilo "
                               "lässt sie weg, und Speichern entfernt sie.")
                    .arg(QString::fromStdString(document_.unpairedLine));
    findingsLabel_->setText(text);
}

void COwnExercisesDlg::UpdateButtons()
{
    QUndoStack* stack = model_->UndoStack();
    undoButton_->setEnabled(stack->canUndo());
    redoButton_->setEnabled(stack->canRedo());
    const bool hasRow = table_->currentIndex().isValid();
    deleteButton_->setEnabled(hasRow);
    upButton_->setEnabled(hasRow && table_->currentIndex().row() > 0);
    downButton_->setEnabled(hasRow && table_->currentIndex().row() + 1 < model_->rowCount());
    UpdateFindings();
}

void COwnExercisesDlg::reject()
{
    if (MaySwitchAway())
        QDialog::reject();
}
