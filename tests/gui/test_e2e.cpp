// The whole program as a child's parent meets it: the real application
// object, main window and dialogs over a real profile file and a copy of the
// data folder, driven only with mouse clicks and typed keys.  The answers are
// worked out from the task line, as the child would.

#include "TestSupport.h"
#include "UserScript.h"

#include "app/BackgroundView.h"
#include "app/CHelpViewer.h"
#include "app/CMainFrame.h"
#include "app/CTrainerApp.h"
#include "app/Commands.h"
#include "engine/CExerciseDlg.h"
#include "engine/OwnExerciseFile.h"
#include "feedback/CJokeRewardDlg.h"
#include "feedback/CPictureRewardDlg.h"
#include "feedback/CWrongAnswerDlg.h"
#include "progress/CProgressDlg.h"
#include "progress/ProgressStore.h"
#include "settings/CLimitDlg.h"
#include "settings/CMyPropertyPage4.h"
#include "settings/COptionsSheet.h"
#include "settings/SortedListWidget.h"

#include <QBarSet>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSqlQuery>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>

#include <sys/stat.h>

#include <memory>

namespace {

const QString kPictureTitle = QStringLiteral("Und jetzt ein hübsches Bild ");
const QString kJokeTitle = QStringLiteral("Und jetzt ein lustiger Witz !");
const QStringList kPraise = { QStringLiteral("Bravo!"), QStringLiteral("Prima, weiter so!") };

// The profile each test starts from.  Windows line ends, as the old program
// left them.
QByteArray BaseProfile()
{
    QByteArray text = "[Parameter]\r\n"
                      "Aufgaben=3\r\n"
                      "Belohnungsart=0\r\n"
                      "Sound=0\r\n"
                      "Witze=19\r\n"
                      "Hintergrundbild=pilo.bmp\r\n"
                      "[Lobe]\r\n"
                      "Anzahl=2\r\n"
                      "Lob1=Bravo!\r\n"
                      "Lob2=Prima, weiter so!\r\n"
                      "[Bilder]\r\n"
                      "Anzahl=3\r\n"
                      "AnzahlHinter=3\r\n"
                      "Bild0=katze.bmp\r\n"
                      "Bild1=katze.bmp\r\n"
                      "Bild2=pilo.bmp\r\n"
                      "Bild3=rakete.gif\r\n";
    return text;
}

using ProfileMap = QMap<QString, QString>;

// "section/key" to value, as the bytes hold them; names in lower case.
ProfileMap ParseProfile(const QByteArray& bytes)
{
    ProfileMap map;
    QString section;
    for (const QByteArray& raw : bytes.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith('[')) {
            section = line.mid(1, line.indexOf(']') - 1).toLower();
        } else if (const int eq = line.indexOf('='); eq > 0) {
            map.insert(section + '/' + line.left(eq).toLower(), line.mid(eq + 1));
        }
    }
    return map;
}

ProfileMap ReadProfileMap(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? ParseProfile(file.readAll()) : ProfileMap {};
}

ProfileMap BaseMapWith(std::initializer_list<std::pair<QString, QString>> changes)
{
    ProfileMap map = ParseProfile(BaseProfile());
    for (const auto& [key, value] : changes)
        map.insert(key.toLower(), value);
    return map;
}

// The answer a child works out from a task line such as "3 + 4 = ?".
QString SumOf(const QString& task, int* sum = nullptr)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^(\d+) \+ (\d+) = (\?+)$)"));
    const QRegularExpressionMatch m = pattern.match(task);
    if (!m.hasMatch())
        return QStringLiteral("<kein Plus: %1>").arg(task);
    const int value = m.captured(1).toInt() + m.captured(2).toInt();
    if (sum)
        *sum = value;
    const QString answer = QString::number(value);
    // The mask shows one "?" per character of the answer.
    if (m.captured(3).size() != answer.size())
        return QStringLiteral("<Maske passt nicht: %1>").arg(task);
    return answer;
}

// Task and answer lines of an own exercise list.
QMap<QString, QString> OwnPairs(const QString& path, int* longestLine)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QList<QByteArray> lines = file.readAll().split('\n');
    QMap<QString, QString> pairs;
    *longestLine = 0;
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        *longestLine = std::max(*longestLine, int(line.size()));
    }
    for (int i = 0; i + 1 < lines.size(); i += 2)
        pairs.insert(QString::fromUtf8(lines[i]), QString::fromUtf8(lines[i + 1]));
    return pairs;
}

bool ReadyForAnswer(CExerciseDlg* dlg)
{
    return dlg && OkButton(*dlg).Caption() == QLatin1String("OK")
        && AnswerField(*dlg)->text().isEmpty() && !TaskLine(*dlg)->text().isEmpty()
        && dlg->focusWidget() == AnswerField(*dlg);
}

CBitmapButton* ButtonNamed(QWidget* dialog, const QString& word)
{
    for (auto* button : dialog->findChildren<CBitmapButton*>())
        if (button->accessibleName() == word)
            return button;
    return nullptr;
}

} // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT
public:
    explicit TestEndToEnd(CTrainerApp& app)
        : app_(app)
    {
    }

private slots:
    void initTestCase();
    void init();

    void perfectRunEndsWithReward_data();
    void perfectRunEndsWithReward();
    void wrongAnswersEarnNoReward();
    void helpStaysUsableDuringARun();
    void freeLimit_data();
    void freeLimit();
    void ownExercises();
    void ownExercisesMissingFile();
    void optionsChangeTheBackground();
    void unwritableProfileIsReported();
    void cancelWritesNothing();
    void hostileProfile_data();
    void hostileProfile();
    void progressOfTwoRuns();
    void exitThroughTheMenu();

private:
    QString ProfilePath() const { return QString::fromStdString(app_.FileName()); }
    bool WriteProfile(const QByteArray& bytes);
    void Choose(int id) { ChooseMenuEntry(*script_, frame_->menuBar(), frame_->Action(id)); }
    // One task answered right at the first try: typed, Enter, the praise
    // read, then NEXT clicked.
    void AnswerRight(const QString& title, std::function<QString(const QString&)> answer,
        const QStringList& praise = kPraise);
    // Waits for the reward window titled title and closes it with Enter.
    void AcceptReward(const QString& title);
    // Runs the script to its end; false (with the failures logged) if it
    // did not finish or an expectation failed.
    bool Run();

    CTrainerApp& app_;
    CMainFrame* frame_ = nullptr;
    std::unique_ptr<UserScript> script_;
    QStringList tasks_;
};

void TestEndToEnd::initTestCase()
{
    QVERIFY(app_.InitInstance());
    frame_ = app_.MainFrame();
    QVERIFY(QTest::qWaitForWindowExposed(frame_));
}

bool TestEndToEnd::WriteProfile(const QByteArray& bytes)
{
    // Replaced, as another program saving the file would.
    const QString path = ProfilePath();
    QDir(path).removeRecursively();
    QFile::remove(path);
    QFile file(path + ".new");
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return false;
    file.close();
    return QFile::rename(file.fileName(), path);
}

void TestEndToEnd::init()
{
    script_ = std::make_unique<UserScript>();
    tasks_.clear();
    QVERIFY(WriteProfile(BaseProfile()));
    QVERIFY(!QApplication::activeModalWidget());
}

bool TestEndToEnd::Run()
{
    script_->Start();
    // Every step has its own timeout; this only guards the whole.
    const bool finished = QTest::qWaitFor([this] { return script_->Finished(); }, 120000);
    for (const QString& failure : script_->Failures())
        qWarning("%s", qPrintable(failure));
    return finished && script_->Failures().isEmpty();
}

void TestEndToEnd::AnswerRight(
    const QString& title, std::function<QString(const QString&)> answer, const QStringList& praise)
{
    UserScript& s = *script_;
    s.Then(
        QStringLiteral("a task of \"%1\" waiting for its answer").arg(title),
        [] { return ReadyForAnswer(ActiveModal<CExerciseDlg>()); },
        [this, &s, title, answer] {
            CExerciseDlg* dlg = ActiveModal<CExerciseDlg>();
            s.Expect(dlg->windowTitle() == title, "window title " + dlg->windowTitle());
            s.Expect(PromptLine(*dlg)->text() == QStringLiteral("Löse obige Aufgabe !"),
                "prompt " + PromptLine(*dlg)->text());
            const QString task = TaskLine(*dlg)->text();
            tasks_.append(task);
            QTest::keyClicks(AnswerField(*dlg), answer(task));
            QTest::keyClick(AnswerField(*dlg), Qt::Key_Return);
        });
    s.Then(
        QStringLiteral("praise and the NEXT face"),
        [] {
            CExerciseDlg* dlg = ActiveModal<CExerciseDlg>();
            return dlg && OkButton(*dlg).Caption() == QLatin1String("NEXT");
        },
        [&s, praise] {
            CExerciseDlg* dlg = ActiveModal<CExerciseDlg>();
            s.Expect(
                praise.contains(PromptLine(*dlg)->text()), "praise " + PromptLine(*dlg)->text());
            s.Expect(OkButton(*dlg).accessibleName() == QStringLiteral("Weiter"),
                "NEXT button named " + OkButton(*dlg).accessibleName());
            QTest::mouseClick(&OkButton(*dlg), Qt::LeftButton);
        });
}

void TestEndToEnd::AcceptReward(const QString& title)
{
    UserScript& s = *script_;
    s.Then(
        QStringLiteral("the reward window"),
        [] { return ActiveModal<CPictureRewardDlg>() || ActiveModal<CJokeRewardDlg>(); },
        [&s, title] {
            QWidget* reward = QApplication::activeModalWidget();
            s.Expect(reward->windowTitle() == title, "reward titled " + reward->windowTitle());
            QTest::keyClick(reward, Qt::Key_Return);
        });
}

void TestEndToEnd::perfectRunEndsWithReward_data()
{
    QTest::addColumn<QByteArray>("rewardKind");
    QTest::addColumn<QString>("rewardTitle");
    QTest::newRow("picture") << QByteArray("0") << kPictureTitle;
    QTest::newRow("joke") << QByteArray("1") << kJokeTitle;
}

void TestEndToEnd::perfectRunEndsWithReward()
{
    QFETCH(QByteArray, rewardKind);
    QFETCH(QString, rewardTitle);
    QVERIFY(WriteProfile(BaseProfile().replace("Belohnungsart=0", "Belohnungsart=" + rewardKind)));

    Choose(32772);
    for (int task = 0; task < 3; ++task)
        AnswerRight(
            QStringLiteral("Aufgaben kleiner 10"), [](const QString& t) { return SumOf(t); });
    AcceptReward(rewardTitle);
    QVERIFY(Run());

    QCOMPARE(tasks_.size(), 3);
    // "kleiner 10" includes 10.
    for (const QString& task : tasks_) {
        int sum = 0;
        SumOf(task, &sum);
        QVERIFY2(sum >= 2 && sum <= 10, qPrintable(task));
    }
    // Exactly one reward, after the exercise window.
    QCOMPARE(script_->ModalTitles(), (QStringList { "Aufgaben kleiner 10", rewardTitle }));
    QCOMPARE(ReadProfileMap(ProfilePath()),
        BaseMapWith({ { "parameter/belohnungsart", rewardKind }, { "parameter/lobe", "0" } }));
}

void TestEndToEnd::wrongAnswersEarnNoReward()
{
    UserScript& s = *script_;
    auto answer = std::make_shared<QString>();
    Choose(32772);
    // Task 1: Enter on the empty field is a wrong answer; try again, then right.
    s.Then(
        "the first task", [] { return ReadyForAnswer(ActiveModal<CExerciseDlg>()); },
        [answer] {
            CExerciseDlg* dlg = ActiveModal<CExerciseDlg>();
            *answer = SumOf(TaskLine(*dlg)->text());
            QTest::keyClick(AnswerField(*dlg), Qt::Key_Return);
        });
    s.Then(
        "the wrong-answer window", [] { return ActiveModal<CWrongAnswerDlg>(); },
        [&s] {
            CWrongAnswerDlg* wrong = ActiveModal<CWrongAnswerDlg>();
            s.Expect(wrong->windowTitle() == QStringLiteral("Oh! Oooooh!"), wrong->windowTitle());
            CBitmapButton* again = ButtonNamed(wrong, QStringLiteral("Nochmal"));
            s.Expect(again, "a button named Nochmal");
            if (again)
                QTest::mouseClick(again, Qt::LeftButton);
        });
    s.Then(
        "the same task again, field empty",
        [] { return ReadyForAnswer(ActiveModal<CExerciseDlg>()); },
        [answer] {
            CExerciseDlg* dlg = ActiveModal<CExerciseDlg>();
            QTest::keyClicks(AnswerField(*dlg), *answer);
            QTest::keyClick(AnswerField(*dlg), Qt::Key_Return);
        });
    s.Then(
        "the first task answered",
        [] {
            CExerciseDlg* dlg = ActiveModal<CExerciseDlg>();
            return dlg && OkButton(*dlg).Caption() == QLatin1String("NEXT");
        },
        [] { QTest::mouseClick(&OkButton(*ActiveModal<CExerciseDlg>()), Qt::LeftButton); });
    // Task 2: a wrong number, then "Lösen" shows the solution.
    s.Then(
        "the second task", [] { return ReadyForAnswer(ActiveModal<CExerciseDlg>()); },
        [answer] {
            CExerciseDlg* dlg = ActiveModal<CExerciseDlg>();
            *answer = SumOf(TaskLine(*dlg)->text());
            QTest::keyClicks(AnswerField(*dlg), QString::number(answer->toInt() + 1));
            QTest::keyClick(AnswerField(*dlg), Qt::Key_Return);
        });
    s.Then(
        "the wrong-answer window again", [] { return ActiveModal<CWrongAnswerDlg>(); },
        [&s] {
            CBitmapButton* solve
                = ButtonNamed(ActiveModal<CWrongAnswerDlg>(), QStringLiteral("Lösen"));
            s.Expect(solve, "a button named Lösen");
            if (solve)
                QTest::mouseClick(solve, Qt::LeftButton);
        });
    s.Then(
        "the solution in the answer field",
        [] {
            CExerciseDlg* dlg = ActiveModal<CExerciseDlg>();
            return dlg && OkButton(*dlg).Caption() == QLatin1String("NEXT");
        },
        [&s, answer] {
            CExerciseDlg* dlg = ActiveModal<CExerciseDlg>();
            s.Expect(AnswerField(*dlg)->text() == *answer, "solution " + AnswerField(*dlg)->text());
            QTest::mouseClick(&OkButton(*dlg), Qt::LeftButton);
        });
    AnswerRight(QStringLiteral("Aufgaben kleiner 10"), [](const QString& t) { return SumOf(t); });
    QVERIFY(Run());

    // The exercise window comes back after each wrong-answer window; no reward.
    QCOMPARE(script_->ModalTitles(),
        (QStringList { "Aufgaben kleiner 10", "Oh! Oooooh!", "Aufgaben kleiner 10", "Oh! Oooooh!",
            "Aufgaben kleiner 10" }));
    QCOMPARE(ReadProfileMap(ProfilePath()), BaseMapWith({ { "parameter/lobe", "0" } }));
}

namespace {

// Where a widget of a window lies in that window, for clicks on the window.
QPoint InWindow(QWidget* w, QPoint at)
{
    return w->mapTo(w->window(), at);
}

// Clicks the window itself, as the display server would deliver it: a window
// that a dialog blocks never sees the click.
void ClickWindow(QWidget* w, QPoint at)
{
    QTest::mouseClick(w->window()->windowHandle(), Qt::LeftButton, {}, InWindow(w, at));
}

// Clicks the link whose text is text in the browser.
void ClickLink(QTextBrowser* browser, const QString& text)
{
    QTextCursor cursor = browser->document()->find(text);
    cursor.setPosition(cursor.selectionStart() + 1);
    ClickWindow(browser->viewport(), browser->cursorRect(cursor).center());
}

} // namespace

// The help window is a window of its own, as the old help program was: while
// an exercise and a question over it are open, a parent can still click,
// follow links, scroll and close it.  The main window takes nothing, so no
// second run can start.
void TestEndToEnd::helpStaysUsableDuringARun()
{
    UserScript& s = *script_;
    Choose(32772);
    s.Then(
        "the first task", [] { return ReadyForAnswer(ActiveModal<CExerciseDlg>()); },
        [] {
            CExerciseDlg* dlg = ActiveModal<CExerciseDlg>();
            QTest::mouseClick(&HelpButton(*dlg), Qt::LeftButton);
            QTest::keyClick(AnswerField(*dlg), Qt::Key_Return);
        });
    s.Then(
        "the wrong-answer window beside the help",
        [this] {
            return ActiveModal<CWrongAnswerDlg>() && app_.HelpViewer()
                && app_.HelpViewer()->isVisible();
        },
        [this, &s] {
            CHelpViewer* help = app_.HelpViewer();
            auto* browser = help->findChild<QTextBrowser*>(QStringLiteral("helpText"));
            s.Expect(browser->source().fragment() == QStringLiteral("k32772"),
                "help opened at " + browser->source().toString());

            ClickWindow(help->findChild<QPushButton*>("contentsButton"), QPoint(5, 5));
            s.Expect(browser->source() == CHelpViewer::ContentsUrl(),
                "the contents button led to " + browser->source().toString());
            ClickLink(browser, QStringLiteral("Das Menü „Plus“"));
            s.Expect(browser->source().fileName() == QStringLiteral("plus.html"),
                "the link led to " + browser->source().toString());
            QScrollBar* bar = browser->verticalScrollBar();
            const int top = bar->value();
            ClickWindow(bar, QPoint(bar->width() / 2, bar->height() * 3 / 4));
            s.Expect(bar->value() > top, "a click below the slider did not scroll");

            QMenuBar* menus = frame_->menuBar();
            ClickWindow(menus, menus->actionGeometry(menus->actions().value(0)).center());
            s.Expect(!QApplication::activePopupWidget(), "the main window opened a menu");

            help->activateWindow();
        });
    s.Then(
        "the help window active", [this] { return app_.HelpViewer()->isActiveWindow(); },
        [this, &s] {
            CHelpViewer* help = app_.HelpViewer();
            QTest::keyClick(help->windowHandle(), Qt::Key_Escape);
            s.Expect(!help->isVisible(), "Escape did not close the help window");
        });
    s.Then(
        "the wrong-answer window still there", [] { return ActiveModal<CWrongAnswerDlg>(); },
        [] {
            QTest::mouseClick(
                ButtonNamed(ActiveModal<CWrongAnswerDlg>(), QStringLiteral("Nochmal")),
                Qt::LeftButton);
        });
    s.Then(
        "the task again", [] { return ReadyForAnswer(ActiveModal<CExerciseDlg>()); },
        [] { QTest::mouseClick(&CancelButton(*ActiveModal<CExerciseDlg>()), Qt::LeftButton); });
    QVERIFY(Run());
    QCOMPARE(script_->ModalTitles(),
        (QStringList { "Aufgaben kleiner 10", "Oh! Oooooh!", "Aufgaben kleiner 10" }));
}

void TestEndToEnd::freeLimit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("tasks");
    QTest::newRow("limit 5: every sum at most 5") << "5" << 5 << 3;
    QTest::newRow("limit 2 leaves only 1 + 1") << "2" << 2 << 3;
    QTest::newRow("letters are not taken, 12 is") << "1a2" << 12 << 3;
    QTest::newRow("limit 1 ends the run before a task") << "1" << 1 << 0;
    QTest::newRow("empty limit ends the run before a task") << "" << 0 << 0;
    QTest::newRow("cancelled limit ends the run before a task") << "<Esc>" << 0 << 0;
}

void TestEndToEnd::freeLimit()
{
    QFETCH(QString, typed);
    QFETCH(int, limit);
    QFETCH(int, tasks);
    UserScript& s = *script_;
    const QString title = QStringLiteral("Plusaufgaben kleiner ?...");
    Choose(32773);
    s.Then(
        "the limit dialog", [] { return ActiveModal<CLimitDlg>(); },
        [&s, typed] {
            CLimitDlg* dlg = ActiveModal<CLimitDlg>();
            auto* field = dlg->findChild<QLineEdit*>("limitField");
            s.Expect(dlg->windowTitle() == QStringLiteral("Aufgaben bis ?"), dlg->windowTitle());
            s.Expect(field->text() == QStringLiteral("20"), "proposed " + field->text());
            if (typed == "<Esc>") {
                QTest::keyClick(field, Qt::Key_Escape);
                return;
            }
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(field, Qt::Key_Backspace);
            QTest::keyClicks(field, typed);
            QTest::keyClick(field, Qt::Key_Return);
        });
    for (int task = 0; task < tasks; ++task)
        AnswerRight(title, [](const QString& t) { return SumOf(t); });
    const bool rewarded = tasks == 3;
    if (rewarded)
        AcceptReward(kPictureTitle);
    QVERIFY(Run());

    QCOMPARE(tasks_.size(), tasks);
    for (const QString& task : tasks_) {
        int sum = 0;
        SumOf(task, &sum);
        QVERIFY2(sum >= 2 && sum <= limit, qPrintable(task));
    }
    // The exercise window shows only with a task in it.
    QCOMPARE(script_->ModalTitles().contains(title), tasks > 0);
    QCOMPARE(script_->ModalTitles().contains(kPictureTitle), rewarded);
    QCOMPARE(ReadProfileMap(ProfilePath()), BaseMapWith({ { "parameter/lobe", "0" } }));
}

void TestEndToEnd::ownExercises()
{
    QVERIFY(WriteProfile(BaseProfile().replace("Belohnungsart=0", "Belohnungsart=1")));
    int longest = 0;
    const QMap<QString, QString> pairs = OwnPairs(QStringLiteral("Pilo Eigene Eins.txt"), &longest);
    QVERIFY(pairs.size() >= 3);
    Choose(32811);
    for (int task = 0; task < 3; ++task)
        AnswerRight(QStringLiteral("Eigene 1"),
            [pairs](const QString& t) { return pairs.value(t, "<unbekannte Aufgabe " + t + ">"); });
    AcceptReward(kJokeTitle);
    QVERIFY(Run());

    QCOMPARE(tasks_.size(), 3);
    QCOMPARE(script_->ModalTitles(), (QStringList { "Eigene 1", kJokeTitle }));
    QCOMPARE(ReadProfileMap(ProfilePath()),
        BaseMapWith({ { "parameter/belohnungsart", "1" }, { "parameter/lobe", "0" },
            { "parameter/laenge", QString::number(longest) } }));
}

void TestEndToEnd::ownExercisesMissingFile()
{
    const QString list = QStringLiteral("Pilo Eigene Eins.txt");
    QVERIFY(QFile::rename(list, list + ".weg"));
    UserScript& s = *script_;
    Choose(32811);
    s.Then(
        "the message about the missing list", [] { return ActiveModal<QMessageBox>(); },
        [&s] {
            QMessageBox* box = ActiveModal<QMessageBox>();
            s.Expect(box->text()
                    == QStringLiteral(
                        "Kann Datei PILO EIGENE EINS.TXT nicht öffnen oder Datei ist leer!"),
                "message " + box->text());
            s.Expect(box->windowTitle() == QStringLiteral("Pilo"), "title " + box->windowTitle());
            s.Expect(box->icon() == QMessageBox::Warning, "an exclamation icon");
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
    const bool ran = Run();
    QVERIFY(QFile::rename(list + ".weg", list));
    QVERIFY(ran);
    // The exercise window never showed itself without a task.
    QCOMPARE(script_->ModalTitles(), QStringList { "Pilo" });
    QCOMPARE(ReadProfileMap(ProfilePath()), BaseMapWith({ { "parameter/lobe", "0" } }));
}

void TestEndToEnd::optionsChangeTheBackground()
{
    UserScript& s = *script_;
    Choose(32774);
    s.Then(
        "the options sheet", [] { return ActiveModal<COptionsSheet>(); },
        [&s] {
            COptionsSheet* sheet = ActiveModal<COptionsSheet>();
            s.Expect(sheet->windowTitle() == QStringLiteral("Einstellungen"), sheet->windowTitle());
            QTabBar* tabs = sheet->findChild<QTabWidget*>("tabs")->tabBar();
            int index = -1;
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->tabText(i) == QStringLiteral("Hintergrundbild"))
                    index = i;
            s.Expect(index == 2, "the background page is the third");
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
        });
    s.Then(
        "the background page",
        [] {
            COptionsSheet* sheet = ActiveModal<COptionsSheet>();
            return sheet && sheet->BackgroundPage()->isVisible();
        },
        [&s] {
            CMyPropertyPage4* page = ActiveModal<COptionsSheet>()->BackgroundPage();
            s.Expect(page->findChild<QLabel*>("chosenLabel")->text() == QStringLiteral("pilo.bmp"),
                "shown " + page->findChild<QLabel*>("chosenLabel")->text());
            SortedListWidget* list = page->findChild<SortedListWidget*>("pictureList");
            QStringList offered;
            for (int i = 0; i < list->count(); ++i)
                offered.append(list->item(i)->text());
            s.Expect(offered == QStringList({ "katze.bmp", "pilo.bmp", "rakete.gif" }),
                "offered " + offered.join(','));
            const QList<QListWidgetItem*> found = list->findItems("rakete.gif", Qt::MatchExactly);
            if (found.isEmpty())
                return;
            QTest::mouseClick(
                list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found[0]).center());
            QTest::mouseClick(page->findChild<QPushButton*>("setButton"), Qt::LeftButton);
        });
    s.Then(
        "the chosen picture shown",
        [] {
            COptionsSheet* sheet = ActiveModal<COptionsSheet>();
            return sheet
                && sheet->BackgroundPage()->findChild<QLabel*>("chosenLabel")->text()
                == "rakete.gif";
        },
        [] { QTest::mouseClick(ActiveModal<COptionsSheet>()->OkButton(), Qt::LeftButton); });
    QVERIFY(Run());

    QCOMPARE(ReadProfileMap(ProfilePath()),
        BaseMapWith({ { "parameter/hintergrundbild", "rakete.gif" }, { "parameter/changed", "0" },
            { "parameter/belohnungsart", "0" } }));
    // The main window repaints with the new picture, a GIF.
    const QSize gif = QImage(QStringLiteral("rakete.gif")).size();
    QVERIFY(!gif.isEmpty());
    QTRY_COMPARE(frame_->Background()->PictureRect().size(), gif);
}

// A profile that cannot be written: the run and the sheet go on, the sheet
// says so, and what stands in the profile's place is left alone.
void TestEndToEnd::unwritableProfileIsReported()
{
    const QString path = ProfilePath();
    QFile::remove(path);
    QVERIFY(QDir().mkpath(path + "/inhalt"));
    UserScript& s = *script_;
    // No task count readable: a run of one task, no praise text, and no
    // reward can be recorded.
    Choose(32772);
    AnswerRight(QStringLiteral("Aufgaben kleiner 10"), [](const QString& t) { return SumOf(t); },
        { QString() });
    Choose(32774);
    s.Then(
        "the options sheet", [] { return ActiveModal<COptionsSheet>(); },
        [] {
            QTabBar* tabs = ActiveModal<COptionsSheet>()->findChild<QTabWidget*>("tabs")->tabBar();
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
        });
    s.Then(
        "the background page",
        [] {
            COptionsSheet* sheet = ActiveModal<COptionsSheet>();
            return sheet && sheet->BackgroundPage()->isVisible();
        },
        [] { QTest::mouseClick(ActiveModal<COptionsSheet>()->OkButton(), Qt::LeftButton); });
    s.Then(
        "the message that nothing was saved", [] { return ActiveModal<QMessageBox>(); },
        [&s, path] {
            QMessageBox* box = ActiveModal<QMessageBox>();
            s.Expect(box->text()
                    == QStringLiteral("Die Einstellungen konnten nicht gespeichert werden:\n%1"
                                      "\n\nAn der Stelle der Datei steht ein Ordner.")
                           .arg(path),
                "message " + box->text());
            QTest::keyClick(box, Qt::Key_Return);
        });
    const bool ran = Run();
    const bool untouched = QFileInfo(path).isDir() && QFileInfo(path + "/inhalt").isDir();
    QDir(path).removeRecursively();
    QVERIFY(ran);
    QVERIFY(untouched);
    QCOMPARE(tasks_.size(), 1);
    QCOMPARE(
        script_->ModalTitles(), (QStringList { "Aufgaben kleiner 10", "Einstellungen", "Pilo" }));
}

// "Ende" after the last right answer, before NEXT: the run ends without
// recording anything, so no reward follows.
void TestEndToEnd::cancelWritesNothing()
{
    QVERIFY(WriteProfile(BaseProfile().replace("Aufgaben=3", "Aufgaben=1")));
    UserScript& s = *script_;
    Choose(32772);
    s.Then(
        "the task", [] { return ReadyForAnswer(ActiveModal<CExerciseDlg>()); },
        [] {
            CExerciseDlg* dlg = ActiveModal<CExerciseDlg>();
            QTest::keyClicks(AnswerField(*dlg), SumOf(TaskLine(*dlg)->text()));
            QTest::keyClick(AnswerField(*dlg), Qt::Key_Return);
        });
    s.Then(
        "the task answered",
        [] {
            CExerciseDlg* dlg = ActiveModal<CExerciseDlg>();
            return dlg && OkButton(*dlg).Caption() == QLatin1String("NEXT");
        },
        [&s] {
            CBitmapButton* end = ButtonNamed(ActiveModal<CExerciseDlg>(), QStringLiteral("Ende"));
            s.Expect(end, "a button named Ende");
            if (end)
                QTest::mouseClick(end, Qt::LeftButton);
        });
    QVERIFY(Run());

    QCOMPARE(script_->ModalTitles(), QStringList { "Aufgaben kleiner 10" });
    QCOMPARE(ReadProfileMap(ProfilePath()),
        ParseProfile(BaseProfile().replace("Aufgaben=3", "Aufgaben=1")));
}

void TestEndToEnd::hostileProfile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QByteArray noise(1 << 20, '\0');
    quint32 state = 12345;
    for (char& c : noise) {
        state = state * 1103515245u + 12345u;
        c = char(state >> 24);
    }
    QTest::newRow("a megabyte of noise") << "file" << noise;
    QTest::newRow("UTF-16 big-endian")
        << "file" << QByteArray("\xFE\xFF\0[\0P\0]\0\r\0\n\0A\0=\0\x39", 18);
    QTest::newRow("one line without end") << "file" << QByteArray(200000, '[');
    QTest::newRow("a pipe") << "fifo" << QByteArray();
}

// Whatever stands in the profile's place, a run goes on with the defaults
// (one task, no praise, no reward) and the program never hangs; a write keeps
// every byte that was there.
void TestEndToEnd::hostileProfile()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    const QString path = ProfilePath();
    QFile::remove(path);
    if (kind == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else
        QVERIFY(WriteProfile(bytes));
    Choose(32772);
    AnswerRight(QStringLiteral("Aufgaben kleiner 10"), [](const QString& t) { return SumOf(t); },
        { QString() });
    const bool ran = Run();
    struct stat st { };
    const bool stillFifo
        = ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
    QFile file(path);
    const QByteArray after
        = kind == "file" && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    QFile::remove(path);
    QVERIFY(ran);
    QCOMPARE(tasks_.size(), 1);
    QCOMPARE(script_->ModalTitles(), QStringList { "Aufgaben kleiner 10" });
    if (kind == "fifo")
        QVERIFY(stillFifo);
    else
        QVERIFY2(after.startsWith(bytes), "bytes of the old profile were lost");
}

// RFC 4180 fields of one CSV text: quoted fields may hold commas, doubled
// quotes and line ends.
QList<QStringList> ParseCsv(const QString& text)
{
    QList<QStringList> lines;
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                field += text[++i];
            else if (c == '"')
                quoted = false;
            else
                field += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields << field;
            field.clear();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            fields << field;
            field.clear();
            lines << fields;
            fields.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return lines;
}

// Two runs of "Aufgaben kleiner 10", one perfect and one with a miss solved
// by "Lösen", found in the record and in the progress window, whose CSV and
// own list are read back.
void TestEndToEnd::progressOfTwoRuns()
{
    // A record of its own: the other tests' runs are set aside.
    const QString path = ProgressStore::DefaultPath();
    app_.Recorder().Release();
    for (const char* suffix : { "", "-wal", "-shm" })
        QFile::remove(path + suffix);

    UserScript& s = *script_;
    Choose(32772);
    for (int task = 0; task < 3; ++task)
        AnswerRight(
            QStringLiteral("Aufgaben kleiner 10"), [](const QString& t) { return SumOf(t); });
    AcceptReward(kPictureTitle);
    Choose(32772);
    auto missed = std::make_shared<QString>();
    s.Then(
        "a task to miss", [] { return ReadyForAnswer(ActiveModal<CExerciseDlg>()); },
        [this, missed] {
            CExerciseDlg* dlg = ActiveModal<CExerciseDlg>();
            *missed = TaskLine(*dlg)->text();
            tasks_.append(*missed);
            QTest::keyClicks(AnswerField(*dlg), QString::number(SumOf(*missed).toInt() + 1));
            QTest::keyClick(AnswerField(*dlg), Qt::Key_Return);
        });
    s.Then(
        "the wrong-answer window", [] { return ActiveModal<CWrongAnswerDlg>(); },
        [] {
            QTest::mouseClick(
                ButtonNamed(ActiveModal<CWrongAnswerDlg>(), QStringLiteral("Lösen")),
                Qt::LeftButton);
        });
    s.Then(
        "the solution shown",
        [] {
            CExerciseDlg* dlg = ActiveModal<CExerciseDlg>();
            return dlg && OkButton(*dlg).Caption() == QLatin1String("NEXT");
        },
        [] { QTest::mouseClick(&OkButton(*ActiveModal<CExerciseDlg>()), Qt::LeftButton); });
    for (int task = 0; task < 2; ++task)
        AnswerRight(
            QStringLiteral("Aufgaben kleiner 10"), [](const QString& t) { return SumOf(t); });

    QTemporaryDir out;
    const QString csvPath = out.filePath("fortschritt.csv");
    Choose(Command::Progress);
    s.Then(
        "the progress window", [] { return ActiveModal<CProgressDlg>(); },
        [this, &s, missed, csvPath] {
            CProgressDlg* window = ActiveModal<CProgressDlg>();
            s.Expect(window->windowTitle() == QStringLiteral("Fortschritt"), window->windowTitle());
            // Today: six tasks, five right at the first try.
            const int today = int(window->ChartCategories().size()) - 1;
            s.Expect(window->TaskBars()->at(today) == 6.0,
                QStringLiteral("bar of today %1").arg(window->TaskBars()->at(today)));
            const QList<QPointF> points = window->ShareLine()->points();
            s.Expect(points.size() == 1 && qFuzzyCompare(points[0].y(), 500.0 / 6),
                QStringLiteral("%1 chart points").arg(points.size()));
            QTableWidget* table = window->MissedTable();
            s.Expect(table->rowCount() == 1 && table->item(0, 0)->text() == *missed,
                "missed task at the top: " + (table->rowCount() ? table->item(0, 0)->text() : ""));
            // "a + b = ?": row a, column b.
            const QStringList parts = missed->split(' ');
            const int a = parts.value(0).toInt();
            const int b = parts.value(2).toInt();
            const int asked = int(tasks_.count(*missed));
            const QString tip = window->FactTable()->item(a, b)->toolTip();
            s.Expect(tip.endsWith(QStringLiteral("%1-mal gefragt, %2-mal gleich richtig")
                                      .arg(asked)
                                      .arg(asked - 1)),
                "grid cell " + tip);
            window->DialogSeams().askCsvPath = [csvPath](const QString&) { return csvPath; };
            window->DialogSeams().askOwnList = [](const QStringList&) { return 3; };
            window->DialogSeams().confirm = [](const QString&) { return true; };
            QTest::mouseClick(window->CsvButton(), Qt::LeftButton);
            QTest::mouseClick(window->OwnListButton(), Qt::LeftButton);
            QTest::keyClick(window, Qt::Key_Escape);
        });
    QVERIFY(Run());

    // The record: two runs, the first rewarded, six tasks with one solved.
    ProgressStore store(path);
    QCOMPARE(store.Open(false), ProgressStore::State::Ready);
    QSqlQuery query(store.Database());
    QVERIFY(query.exec("SELECT finished, rewarded, task_target FROM runs ORDER BY id"));
    QStringList runs;
    while (query.next())
        runs << query.value(0).toString() + query.value(1).toString() + query.value(2).toString();
    QCOMPARE(runs, (QStringList { "113", "103" }));
    QVERIFY(query.exec("SELECT task, outcome FROM tasks ORDER BY id"));
    QStringList recorded;
    while (query.next())
        recorded << query.value(0).toString() + '|' + query.value(1).toString();
    QCOMPARE(recorded,
        (QStringList { tasks_[0] + "|0", tasks_[1] + "|0", tasks_[2] + "|0", *missed + "|2",
            tasks_[4] + "|0", tasks_[5] + "|0" }));

    // The CSV: a header and one line per task, the missed one with its solution.
    QFile csv(csvPath);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QList<QStringList> lines = ParseCsv(QString::fromUtf8(csv.readAll()));
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines[0].value(8), QStringLiteral("Aufgabe"));
    QCOMPARE(lines[4].value(8), *missed);
    QCOMPARE(lines[4].value(9), SumOf(*missed));
    QCOMPARE(lines[4].value(11), QStringLiteral("gelöst mit Lösen"));

    // The own list "Eigene 4" holds the missed task and its answer.
    OwnExerciseList list;
    QVERIFY(ReadOwnExerciseFile("Pilo Eigene Vier.txt", list));
    QCOMPARE(list.PairCount(), 1);
    QCOMPARE(QString::fromStdString(PickOwnExercise(list, 0).task), *missed);
    QCOMPARE(QString::fromStdString(PickOwnExercise(list, 0).answer), SumOf(*missed));
}

void TestEndToEnd::exitThroughTheMenu()
{
    QFile file(ProfilePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    // "Beenden" works beside the open help window, which does not keep the
    // program alive.
    app_.WinHelp(0, CWinApp::HELP_FINDER);
    QVERIFY(app_.HelpViewer()->isVisible());
    QVERIFY(!app_.HelpViewer()->testAttribute(Qt::WA_QuitOnClose));
    Choose(57665);
    QVERIFY(Run());
    QTRY_VERIFY(!frame_->isVisible());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

int main(int argc, char** argv)
{
    QTemporaryDir config;
    QTemporaryDir data;
    QTemporaryDir record;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    // Every run is recorded: into a folder of the test's own.
    qputenv("XDG_DATA_HOME", record.path().toLocal8Bit());
    // The program runs in its data folder; a copy, so tests may change it.
    QDirIterator files(QStringLiteral(PILO_DATA_DIR), QDir::Files);
    while (files.hasNext()) {
        const QString source = files.next();
        QFile::copy(source, data.filePath(files.fileName()));
    }
    QDir::setCurrent(data.path());
    int appArgc = 1;
    char name[] = "pilo";
    char* appArgv[] = { name, nullptr };
    CTrainerApp app(appArgc, appArgv);
    TestEndToEnd test(app);
    return QTest::qExec(&test, argc, argv);
}

#include "test_e2e.moc"
