// The application object itself: one per process, so this test program
// builds it in main() over a profile in a temporary config folder.

#include "TestSupport.h"

#include "app/BackgroundView.h"
#include "app/CHelpViewer.h"
#include "app/CMainFrame.h"
#include "app/CTrainerApp.h"
#include "engine/Catalogue.h"
#include "engine/RandomSource.h"

#include <QAction>
#include <QDir>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <sys/stat.h>

namespace {

QTemporaryDir* g_config = nullptr;

// Identity of the profile file: a write replaces it, so any write shows.
struct FileStamp {
    bool present = false;
    ino_t inode = 0;
    timespec modified {};
    off_t size = 0;
    bool operator==(const FileStamp& o) const
    {
        return present == o.present && inode == o.inode && size == o.size
            && modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec;
    }
};

FileStamp StampOf(const std::string& path)
{
    struct stat st { };
    if (::stat(path.c_str(), &st) != 0)
        return {};
    return { true, st.st_ino, st.st_mtim, st.st_size };
}

} // namespace

class TestTrainerApp : public QObject {
    Q_OBJECT
public:
    explicit TestTrainerApp(CTrainerApp& app)
        : app_(app)
    {
    }

private slots:
    void initTestCase();
    void firstStartCreatesNoFile();
    void helpOpensTheViewer();
    void init();

    void exerciseEntries_data();
    void exerciseEntries();
    void dueReward_data();
    void dueReward();
    void randomChoiceIsTheSameWithinOneSecond();
    void optionsCommand_data();
    void optionsCommand();
    void applicationCommands_data();
    void applicationCommands();
    void exitClosesTheMainWindow();

private:
    void RemoveProfile();

    CTrainerApp& app_;
    QStringList opened_;
    std::vector<HelpRequest> help_;
};

void TestTrainerApp::initTestCase()
{
    QVERIFY(app_.InitInstance());
    QVERIFY(app_.MainFrame());
    QVERIFY(QTest::qWaitForWindowExposed(app_.MainFrame()));
}

void TestTrainerApp::firstStartCreatesNoFile()
{
    CMainFrame* frame = app_.MainFrame();
    QVERIFY(frame->windowState() & Qt::WindowMaximized);
    QCOMPARE(frame->normalGeometry().size(), QSize(620, 440));
    PaintCounter painted(frame->Background());
    frame->Background()->update();
    QTRY_VERIFY(painted.paints > 0);
    QVERIFY(QDir(g_config->path()).isEmpty());
}

void TestTrainerApp::helpOpensTheViewer()
{
    QVERIFY(!app_.HelpViewer());
    app_.WinHelp(98359, CWinApp::HELP_CONTEXT);
    CHelpViewer* viewer = app_.HelpViewer();
    QVERIFY(viewer);
    QVERIFY(viewer->isVisible());
    QVERIFY(!viewer->testAttribute(Qt::WA_QuitOnClose));
    QCOMPARE(viewer->findChild<QTextBrowser*>("helpText")->source(), CHelpViewer::TopicUrl(98359, CWinApp::HELP_CONTEXT));
    viewer->close();
}

void TestTrainerApp::RemoveProfile()
{
    QFile::remove(QString::fromStdString(app_.FileName()));
}

void TestTrainerApp::init()
{
    RemoveProfile();
    RandomSource::SetClock(nullptr);
    opened_.clear();
    help_.clear();
    DialogRunner& d = app_.Dialogs();
    d.exercise = [this](const ExerciseKind& kind) {
        opened_.append(QStringLiteral("exercise %1 %2").arg(kind.id).arg(kind.entryMode));
    };
    d.pictureReward = [this] { opened_.append("picture"); };
    d.jokeReward = [this] { opened_.append("joke"); };
    d.options = [this] { opened_.append("options"); };
    d.praiseList = [this] { opened_.append("praise"); };
    d.about = [this] { opened_.append("about"); };
    d.contact = [this] { opened_.append("contact"); };
    d.ownExercises = [this] { opened_.append("own lists"); };
    d.worksheet = [this] { opened_.append("worksheet"); };
    d.progress = [this] { opened_.append("progress"); };
    // The first checks run with the program's own help; from then on a
    // recorder takes its place.
    const QByteArray test = QTest::currentTestFunction();
    if (test != "firstStartCreatesNoFile" && test != "helpOpensTheViewer")
        app_.SetHelpHandler([this](quint32 data, quint32 command) {
            help_.push_back({ data, command });
        });
}

void TestTrainerApp::exerciseEntries_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("mode");
    // The entry mode follows the menu: digits, comparison signs, free text.
    for (const ExerciseKind& entry : ExerciseKinds()) {
        const int mode = entry.menu == Menu::Vergleiche ? 1 : entry.menu == Menu::Eigene ? 2 : 0;
        QTest::addRow("%d in mode %d", entry.id, mode) << entry.id << mode;
    }
}

void TestTrainerApp::exerciseEntries()
{
    QFETCH(int, kind);
    QFETCH(int, mode);
    // As a successful run leaves it: the reward follows the window.
    app_.Dialogs().exercise = [this](const ExerciseKind& k) {
        opened_.append(QStringLiteral("exercise %1 %2").arg(k.id).arg(k.entryMode));
        app_.WriteProfileInt("Parameter", "Lobe", 1);
    };
    app_.WriteProfileInt("Parameter", "Belohnungsart", 1);
    app_.MainFrame()->Action(kind)->trigger();
    QCOMPARE(
        opened_, (QStringList { QStringLiteral("exercise %1 %2").arg(kind).arg(mode), "joke" }));
    QCOMPARE(app_.GetProfileInt("Parameter", "Lobe", -1), 0);
}

void TestTrainerApp::dueReward_data()
{
    QTest::addColumn<QString>("lobe");
    QTest::addColumn<QString>("rewardKind");
    QTest::addColumn<qint64>("clock");
    QTest::addColumn<QString>("shown");

    QTest::newRow("no flag: nothing shown, nothing written") << ""
                                                             << "0" << qint64(0) << "";
    QTest::newRow("flag 0: nothing shown, nothing written") << "0"
                                                            << "1" << qint64(0) << "";
    QTest::newRow("picture") << "1"
                             << "0" << qint64(0) << "picture";
    QTest::newRow("joke") << "1"
                          << "1" << qint64(0) << "joke";
    QTest::newRow("random at second 1000 draws the picture") << "1"
                                                             << "2" << qint64(1000) << "picture";
    QTest::newRow("random at second 1001 draws the joke") << "1"
                                                          << "2" << qint64(1001) << "joke";
    QTest::newRow("none") << "1"
                          << "3" << qint64(0) << "";
    QTest::newRow("unknown kind 7 shows nothing") << "1"
                                                  << "7" << qint64(0) << "";
    QTest::newRow("negative kind shows nothing") << "1"
                                                 << "-1" << qint64(0) << "";
    QTest::newRow("no kind set means none") << "1"
                                            << "" << qint64(0) << "";
    QTest::newRow("any nonzero flag counts") << "5"
                                             << "0" << qint64(0) << "picture";
}

void TestTrainerApp::dueReward()
{
    QFETCH(QString, lobe);
    QFETCH(QString, rewardKind);
    QFETCH(qint64, clock);
    QFETCH(QString, shown);
    if (!lobe.isEmpty())
        app_.WriteProfileString("Parameter", "Lobe", lobe.toStdString());
    if (!rewardKind.isEmpty())
        app_.WriteProfileString("Parameter", "Belohnungsart", rewardKind.toStdString());
    RandomSource::SetClock([clock] { return clock; });
    const FileStamp before = StampOf(app_.FileName());

    app_.ShowDueReward();

    QCOMPARE(opened_, shown.isEmpty() ? QStringList {} : QStringList { shown });
    if (lobe.isEmpty() || lobe == "0") {
        QVERIFY2(StampOf(app_.FileName()) == before, "the profile was written");
    } else {
        QCOMPARE(app_.GetProfileInt("Parameter", "Lobe", -1), 0);
    }
}

void TestTrainerApp::randomChoiceIsTheSameWithinOneSecond()
{
    for (qint64 second : { 1000, 1001, 1767225602, 1767225603 }) {
        RandomSource::SetClock([second] { return second; });
        opened_.clear();
        for (int run = 0; run < 2; ++run) {
            app_.WriteProfileInt("Parameter", "Lobe", 1);
            app_.WriteProfileInt("Parameter", "Belohnungsart", 2);
            app_.ShowDueReward();
        }
        QCOMPARE(opened_.size(), 2);
        QCOMPARE(opened_[0], opened_[1]);
    }
}

void TestTrainerApp::optionsCommand_data()
{
    QTest::addColumn<QString>("changed");
    QTest::addColumn<bool>("repaint");
    QTest::newRow("background confirmed repaints and resets") << "1" << true;
    QTest::newRow("any nonzero value repaints") << "2" << true;
    QTest::newRow("unchanged leaves the window alone") << "0" << false;
    QTest::newRow("cancelled sheet writes nothing") << "" << false;
}

void TestTrainerApp::optionsCommand()
{
    QFETCH(QString, changed);
    QFETCH(bool, repaint);
    app_.Dialogs().options = [this, changed] {
        opened_.append("options");
        if (!changed.isEmpty())
            app_.WriteProfileString("Parameter", "Changed", changed.toStdString());
    };
    CMainFrame* frame = app_.MainFrame();
    QCoreApplication::processEvents();
    PaintCounter background(frame->Background());
    PaintCounter statusBar(frame->statusBar());

    frame->Action(32774)->trigger();
    const FileStamp after = StampOf(app_.FileName());
    // A window paints everything that waits for paint in one pass: once the
    // status bar, asked after the sheet closed, is painted, so is a
    // background that the sheet asked for.
    frame->statusBar()->update();
    QTRY_VERIFY(statusBar.paints > 0);

    QCOMPARE(opened_, QStringList { "options" });
    QCOMPARE(background.paints > 0, repaint);
    if (repaint)
        QCOMPARE(app_.GetProfileInt("Parameter", "Changed", -1), 0);
    else
        QVERIFY(StampOf(app_.FileName()) == after);
}

void TestTrainerApp::applicationCommands_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<quint32>("topic");
    QTest::newRow("Eigene Lobe") << 32791 << "praise" << 0u;
    QTest::newRow("about box") << 57664 << "about" << 0u;
    QTest::newRow("Fragen und Probleme") << 32819 << "contact" << 0u;
    QTest::newRow("own list editor") << 32901 << "own lists" << 0u;
    QTest::newRow("worksheet") << 32902 << "worksheet" << 0u;
    QTest::newRow("Fortschritt") << 32890 << "progress" << 0u;
    QTest::newRow("Eigene Übungen opens topic 98359") << 32823 << "" << 98359u;
    QTest::newRow("Internet opens topic 98357") << 32821 << "" << 98357u;
    QTest::newRow("other programs open topic 98362") << 32826 << "" << 98362u;
}

void TestTrainerApp::applicationCommands()
{
    QFETCH(int, id);
    QFETCH(QString, dialog);
    QFETCH(quint32, topic);
    app_.MainFrame()->Action(id)->trigger();
    QCOMPARE(opened_, dialog.isEmpty() ? QStringList {} : QStringList { dialog });
    if (topic)
        QCOMPARE(help_, (std::vector<HelpRequest> { { topic, CWinApp::HELP_CONTEXT } }));
    else
        QVERIFY(help_.empty());
    QVERIFY(!QFile::exists(QString::fromStdString(app_.FileName())));
}

void TestTrainerApp::exitClosesTheMainWindow()
{
    app_.MainFrame()->Action(57665)->trigger();
    QVERIFY(!app_.MainFrame()->isVisible());
    QVERIFY(opened_.isEmpty());
    QVERIFY2(QDir(g_config->path()).isEmpty(), "closing wrote a file");
}

int main(int argc, char** argv)
{
    QTemporaryDir config;
    g_config = &config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    // Arguments meant for a document or an option are ignored.
    int appArgc = 3;
    char name[] = "pilo";
    char file[] = "Aufgaben.txt";
    char option[] = "--unbekannt";
    char* appArgv[] = { name, file, option, nullptr };
    CTrainerApp app(appArgc, appArgv);
    TestTrainerApp test(app);
    return QTest::qExec(&test, argc, argv);
}

#include "test_trainer_app.moc"
