// The parents' tools of the "Optionen" menu: the own-list editor and the
// worksheet.
#include "TestSupport.h"

#include "engine/CGenerateTasksDlg.h"
#include "engine/COwnExercisesDlg.h"
#include "engine/CWorksheetDlg.h"
#include "engine/Catalogue.h"
#include "engine/OwnListModel.h"
#include "engine/RandomSource.h"
#include "engine/Worksheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

QString Cell(const OwnListModel& model, int row, int column)
{
    return model.data(model.index(row, column), Qt::DisplayRole).toString();
}

// The text of each page of a PDF, through pdftotext.
QStringList PdfPages(const QString& fileName)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), { fileName, QStringLiteral("-") });
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

} // namespace

class TestParentsTools : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void editorShowsTheReadersPairsAndFlagsThem();
    void editingUndoRedoAndSaveKeepTheFilesForm();
    void rowsAreAddedMovedAndRemovedByKeyboard();
    void closingWithChangesAsksFirst_data();
    void closingWithChangesAsksFirst();
    void generatedTasksReplaceTheListUndoably();
    void generateDialogMakesTheChosenTables();
    void controlsHaveAccessibleNames();
    void ownListFoundInAnyCase();
    void toolsAreModalToTheirWindowOnly_data();
    void toolsAreModalToTheirWindowOnly();

    void worksheetOfTwentyAdditionsBelowTen();
    void worksheetOfAnOwnList();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString oldCurrent_;
    std::unique_ptr<TestApp> app_;
};

void TestParentsTools::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    oldCurrent_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir_->path()));
    app_ = std::make_unique<TestApp>();
    RandomSource::SetClock([] { return std::int64_t { 1234 }; });
}

void TestParentsTools::cleanup()
{
    RandomSource::SetClock(nullptr);
    app_.reset();
    QDir::setCurrent(oldCurrent_);
    dir_.reset();
}

void TestParentsTools::editorShowsTheReadersPairsAndFlagsThem()
{
    // "4 · 3 =" lost its answer line, so the exercise window pairs the rest
    // one line off.
    QVERIFY(
        WriteFile("Pilo Eigene Eins.txt", "3 \xB7 3 =\r\n9\r\n4 \xB7 3 =\r\n5 \xB7 3 =\r\n15\r\n"));
    COwnExercisesDlg dialog(*app_);
    const OwnListModel& model = *dialog.Model();
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(Cell(model, 1, OwnListModel::TaskColumn), QStringLiteral("4 · 3 ="));
    QCOMPARE(Cell(model, 1, OwnListModel::AnswerColumn), QStringLiteral("5 · 3 ="));
    QCOMPARE(Cell(model, 2, OwnListModel::TaskColumn), QStringLiteral("15"));
    QCOMPARE(Cell(model, 0, OwnListModel::CheckColumn), QString());
    QVERIFY(Cell(model, 1, OwnListModel::CheckColumn).contains(QStringLiteral("Ergebnis falsch")));
    QVERIFY(Cell(model, 1, OwnListModel::CheckColumn).contains(QStringLiteral("nicht tippbar")));
    QVERIFY(Cell(model, 2, OwnListModel::CheckColumn).contains(QStringLiteral("Antwort leer")));
    QVERIFY(model.data(model.index(1, OwnListModel::AnswerColumn), Qt::ToolTipRole)
                .toString()
                .contains(QStringLiteral("12")));
    QCOMPARE(model.FindingCount(), 3);
    QVERIFY(dialog.findChild<QLabel*>("findingsLabel")
                ->text()
                .startsWith(QStringLiteral("3 Hinweise")));
    QVERIFY(dialog.windowTitle() == QStringLiteral("Eigene Übungen bearbeiten"));
}

void TestParentsTools::editingUndoRedoAndSaveKeepTheFilesForm()
{
    QVERIFY(WriteFile("Pilo Eigene Zwei.txt",
        "Gr\xFC\xDF"
        "e\nja\n"));
    COwnExercisesDlg dialog(*app_);
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QVERIFY(dialog.OpenList(1));
    QTableView* table = dialog.Table();
    table->setFocus();
    table->setCurrentIndex(dialog.Model()->index(0, OwnListModel::AnswerColumn));
    QTest::keyClick(table, Qt::Key_F2);
    QLineEdit* field = nullptr;
    QTRY_VERIFY((field = qobject_cast<QLineEdit*>(QApplication::focusWidget())));
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("Tschau"));
    QTest::keyClick(field, Qt::Key_Return);
    QTRY_COMPARE(dialog.Model()->Pairs().at(0).answer, std::string("Tschau"));
    QVERIFY(dialog.Model()->IsModified());

    QTest::keyClick(&dialog, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(dialog.Model()->Pairs().at(0).answer, std::string("ja"));
    QVERIFY(!dialog.Model()->IsModified());
    QTest::keyClick(&dialog, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(dialog.Model()->Pairs().at(0).answer, std::string("Tschau"));

    QTest::keyClick(&dialog, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(ReadFile("Pilo Eigene Zwei.txt"),
        QByteArray("Gr\xFC\xDF"
                   "e\nTschau\n"));
    QVERIFY(!dialog.Model()->IsModified());
}

void TestParentsTools::rowsAreAddedMovedAndRemovedByKeyboard()
{
    QVERIFY(WriteFile("Pilo Eigene Eins.txt", "a\r\n1\r\nb\r\n2\r\n"));
    COwnExercisesDlg dialog(*app_);
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QTableView* table = dialog.Table();
    table->setFocus();
    table->setCurrentIndex(dialog.Model()->index(0, 0));
    QTest::keyClick(table, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(dialog.Model()->Pairs().at(1).task, std::string("a"));
    QTest::keyClick(table, Qt::Key_Insert);
    QCOMPARE(dialog.Model()->rowCount(), 3);
    QCOMPARE(dialog.Model()->Pairs().at(2).task, std::string());
    QCOMPARE(table->currentIndex().row(), 2);
    table->selectRow(0);
    QTest::keyClick(table, Qt::Key_Delete);
    QCOMPARE(dialog.Model()->rowCount(), 2);
    QCOMPARE(dialog.Model()->Pairs().at(0).task, std::string("a"));
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(&dialog, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(dialog.Model()->Pairs().at(0).task, std::string("a"));
    QCOMPARE(dialog.Model()->Pairs().at(1).task, std::string("b"));
    QVERIFY(!dialog.Model()->IsModified());
}

void TestParentsTools::closingWithChangesAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("Abbrechen stays open")
        << int(QMessageBox::Cancel) << false << QByteArray("a\nb\n");
    QTest::newRow("Verwerfen closes, file unchanged")
        << int(QMessageBox::Discard) << true << QByteArray("a\nb\n");
    QTest::newRow("Speichern saves and closes")
        << int(QMessageBox::Save) << true << QByteArray("a\nb\n\n\n");
}

void TestParentsTools::closingWithChangesAsksFirst()
{
    QFETCH(int, answer);
    QFETCH(bool, closed);
    QFETCH(QByteArray, file);
    QVERIFY(WriteFile("Pilo Eigene Eins.txt", "a\nb\n"));
    COwnExercisesDlg dialog(*app_);
    QStringList asked;
    dialog.SetSaveQuestion([&](const QString& name) {
        asked.append(name);
        return QMessageBox::StandardButton(answer);
    });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.OnNewRow();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QCOMPARE(asked, QStringList { QStringLiteral("Eigene 1") });
    QCOMPARE(dialog.isVisible(), !closed);
    QCOMPARE(ReadFile("Pilo Eigene Eins.txt"), file);
}

void TestParentsTools::generatedTasksReplaceTheListUndoably()
{
    COwnExercisesDlg dialog(*app_);
    QCOMPARE(dialog.Model()->rowCount(), 0);
    dialog.SetTaskMaker([] {
        return std::vector<OwnTask> { { "2 · 5 =", "10" }, { "3 · 5 =", "15" } };
    });
    dialog.OnGenerate();
    QCOMPARE(dialog.Model()->rowCount(), 2);
    dialog.Model()->UndoStack()->undo();
    QCOMPARE(dialog.Model()->rowCount(), 0);
    dialog.Model()->UndoStack()->redo();
    QCOMPARE(dialog.Model()->Pairs().at(1).answer, std::string("15"));
    QVERIFY(dialog.OnSave());
    QCOMPARE(ReadFile("Pilo Eigene Eins.txt"),
        QByteArray("2 \xC2\xB7 5 =\r\n10\r\n3 \xC2\xB7 5 =\r\n15\r\n"));
    dialog.SetTaskMaker([] { return std::nullopt; });
    dialog.OnGenerate();
    QCOMPARE(dialog.Model()->rowCount(), 2);
    QVERIFY(!dialog.Model()->IsModified());
}

void TestParentsTools::generateDialogMakesTheChosenTables()
{
    CGenerateTasksDlg dialog(*app_);
    for (int table : { 2, 5, 10 })
        dialog.Table(table)->setChecked(true);
    dialog.CountBox()->setValue(30);
    dialog.OnOK();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QSet<QString> facts;
    for (const OwnTask& task : dialog.Tasks())
        facts.insert(QString::fromStdString(task.task + " " + task.answer));
    QCOMPARE(facts.size(), 30);
    QVERIFY(facts.contains(QStringLiteral("7 · 5 = 35")));
    QVERIFY(facts.contains(QStringLiteral("10 · 10 = 100")));
    QVERIFY(!facts.contains(QStringLiteral("3 · 3 = 9")));

    CGenerateTasksDlg fromKind(*app_);
    fromKind.findChild<QRadioButton*>("kindChoice")->setChecked(true);
    fromKind.KindBox()->setCurrentIndex(fromKind.KindBox()->findData(32802));
    fromKind.CountBox()->setValue(5);
    fromKind.OnOK();
    QCOMPARE(int(fromKind.Tasks().size()), 5);
    QVERIFY(fromKind.Tasks().front().answer == "<" || fromKind.Tasks().front().answer == ">");
}

void TestParentsTools::controlsHaveAccessibleNames()
{
    COwnExercisesDlg editor(*app_);
    QCOMPARE(editor.findChild<QComboBox*>("listChoice")->accessibleName(), QStringLiteral("Liste"));
    QCOMPARE(editor.findChild<QComboBox*>("listChoice")->count(), 4);
    QVERIFY(!editor.Table()->accessibleName().isEmpty());
    CWorksheetDlg worksheet(*app_);
    QCOMPARE(worksheet.windowTitle(), QStringLiteral("Arbeitsblatt drucken"));
    QCOMPARE(worksheet.CountBox()->value(), 20);
    QCOMPARE(worksheet.KindBox()->count(), int(ExerciseKinds().size()));
    const QList<QWidget*> fields { worksheet.KindBox(), worksheet.CountBox(),
        worksheet.findChild<QSpinBox*>("limitBox") };
    for (QWidget* field : fields)
        QVERIFY(!field->accessibleName().isEmpty());
}

// A list brought from Windows under another case is the list the editor
// opens and saves, and the worksheet draws from; no second file appears.
void TestParentsTools::ownListFoundInAnyCase()
{
    QVERIFY(WriteFile("PILO EIGENE EINS.TXT", "a\r\n1\r\n"));
    COwnExercisesDlg dialog(*app_);
    QCOMPARE(dialog.Model()->rowCount(), 1);
    dialog.Model()->InsertPair(1, { "b", "2" });
    QVERIFY(dialog.OnSave());
    QCOMPARE(ReadFile("PILO EIGENE EINS.TXT"), QByteArray("a\r\n1\r\nb\r\n2\r\n"));
    QCOMPARE(QDir().entryList(QDir::Files), QStringList { "PILO EIGENE EINS.TXT" });

    const Worksheet sheet = Worksheet::ForKind(*FindExerciseKind(32811), 4, 0);
    QCOMPARE(int(sheet.tasks.size()), 4);
}

void TestParentsTools::toolsAreModalToTheirWindowOnly_data()
{
    QTest::addColumn<QString>("open");
    QTest::addColumn<QByteArray>("modalClass");
    QTest::newRow("own-list editor") << "editor" << QByteArray("COwnExercisesDlg");
    QTest::newRow("editor asks before losing changes")
        << "save question" << QByteArray("QMessageBox");
    QTest::newRow("task generator") << "generator" << QByteArray("CGenerateTasksDlg");
    QTest::newRow("worksheet") << "worksheet" << QByteArray("CWorksheetDlg");
    QTest::newRow("worksheet says no task can be made")
        << "worksheet warning" << QByteArray("QMessageBox");
}

// While a parents' tool or one of its questions is open, the window that
// opened it takes no clicks, but a window of its own (as the help window is)
// does.
void TestParentsTools::toolsAreModalToTheirWindowOnly()
{
    QFETCH(QString, open);
    QFETCH(QByteArray, modalClass);
    QWidget owner;
    auto* below = new QPushButton(QStringLiteral("unten"), &owner);
    QPushButton help(QStringLiteral("Hilfe"));
    owner.show();
    help.move(owner.geometry().topRight() + QPoint(50, 0));
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    int belowClicks = 0;
    int helpClicks = 0;
    connect(below, &QPushButton::clicked, [&] { ++belowClicks; });
    connect(&help, &QPushButton::clicked, [&] { ++helpClicks; });
    auto click = [](QWidget* w) {
        QTest::mouseClick(w->window()->windowHandle(), Qt::LeftButton, {},
            w->mapTo(w->window(), w->rect().center()));
    };

    QByteArray seen;
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->windowHandle() || !modal->windowHandle()->isExposed())
            return;
        poll.stop();
        seen = modal->metaObject()->className();
        click(&help);
        click(below);
        modal->close();
    });
    poll.start(10);

    if (open == "editor") {
        COwnExercisesDlg editor(*app_, &owner);
        editor.exec();
    } else if (open == "save question") {
        COwnExercisesDlg editor(*app_, &owner);
        editor.show();
        editor.Model()->InsertPair(0);
        editor.reject();
    } else if (open == "generator") {
        CGenerateTasksDlg generator(*app_, &owner);
        generator.exec();
    } else if (open == "worksheet") {
        CWorksheetDlg sheet(*app_, &owner);
        sheet.exec();
    } else {
        CWorksheetDlg sheet(*app_, &owner);
        sheet.KindBox()->setCurrentIndex(sheet.KindBox()->findText(QStringLiteral("Eigene 4")));
        sheet.show();
        Worksheet made;
        QVERIFY(!sheet.MakeSheet(made));
    }
    QCOMPARE(seen, modalClass);
    QCOMPARE(helpClicks, 1);
    QCOMPARE(belowClicks, 0);
}

void TestParentsTools::worksheetOfTwentyAdditionsBelowTen()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils, see tools/setup.sh) is not installed");
    const Worksheet sheet = Worksheet::ForKind(*FindExerciseKind(32772), 20, 0);
    QCOMPARE(int(sheet.tasks.size()), 20);
    const QString pdf = dir_->filePath(QStringLiteral("blatt.pdf"));
    QVERIFY(sheet.SavePdf(pdf));
    const QStringList pages = PdfPages(pdf);
    QCOMPARE(pages.size(), 2);
    QVERIFY(pages[0].contains(QStringLiteral("Plus – Aufgaben kleiner 10")));
    QVERIFY(
        pages[0].contains(QStringLiteral("Name:")) && pages[0].contains(QStringLiteral("Datum:")));

    static const QRegularExpression task(QStringLiteral("(\\d+) \\+ (\\d+) =( *\\d+)?"));
    QStringList asked;
    for (const auto& m : task.globalMatch(pages[0])) {
        QVERIFY2(m.captured(3).isEmpty(), "the task page shows no answer");
        const int a = m.captured(1).toInt();
        const int b = m.captured(2).toInt();
        QVERIFY2(a >= 1 && b >= 1 && a + b <= 10, "the kind's sums: 1 + 1 up to 10");
        asked.append(m.captured(1) + "+" + m.captured(2));
    }
    QCOMPARE(asked.size(), 20);

    QVERIFY(pages[1].contains(QStringLiteral("Lösungen")));
    QStringList answered;
    for (const auto& m : task.globalMatch(pages[1])) {
        QVERIFY2(!m.captured(3).isEmpty(), "the key shows every answer");
        QCOMPARE(m.captured(3).trimmed().toInt(), m.captured(1).toInt() + m.captured(2).toInt());
        answered.append(m.captured(1) + "+" + m.captured(2));
    }
    asked.sort();
    answered.sort();
    QCOMPARE(answered, asked);
}

void TestParentsTools::worksheetOfAnOwnList()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils, see tools/setup.sh) is not installed");
    QVERIFY(WriteFile("Pilo Eigene Drei.txt", "Hauptstadt von Frankreich?\nParis\n"));
    CWorksheetDlg dialog(*app_);
    const QString pdf = dir_->filePath(QStringLiteral("eigene.pdf"));
    dialog.SetFileChooser([&] { return pdf; });
    dialog.KindBox()->setCurrentIndex(dialog.KindBox()->findText(QStringLiteral("Eigene 3")));
    dialog.CountBox()->setValue(3);
    QVERIFY(dialog.OnSavePdf());
    const QStringList pages = PdfPages(pdf);
    QCOMPARE(pages.size(), 2);
    QCOMPARE(pages[0].count(QStringLiteral("Hauptstadt von Frankreich?")), 3);
    QVERIFY(!pages[0].contains(QStringLiteral("Paris")));
    QCOMPARE(pages[1].count(QStringLiteral("Hauptstadt von Frankreich? Paris")), 3);
}

QTEST_MAIN(TestParentsTools)
#include "test_parents_tools.moc"
