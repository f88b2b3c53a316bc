#include "app/CHelpViewer.h"
#include "settings/CWinApp.h"
#include "engine/Catalogue.h"

#include <QDirIterator>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

namespace {

QString PageText(const QString& page)
{
    QFile file(QStringLiteral(":/help/") + page);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// Whether "page" or "page#anchor" names a built-in page with that anchor.
bool Resolves(const QString& target, QString* why)
{
    const QString page = target.section(u'#', 0, 0);
    const QString anchor = target.section(u'#', 1);
    const QString text = PageText(page);
    if (text.isEmpty()) {
        *why = QStringLiteral("no page ") + page;
        return false;
    }
    if (!anchor.isEmpty() && !text.contains(QStringLiteral("name=\"%1\"").arg(anchor))) {
        *why = QStringLiteral("no anchor ") + target;
        return false;
    }
    return true;
}

QString RelativeTarget(const QUrl& url)
{
    QString path = url.path().section(u'/', -1);
    if (url.hasFragment())
        path += u'#' + url.fragment();
    return path;
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT

private slots:
    void everyContextHasItsTopic_data();
    void everyContextHasItsTopic();
    void otherRequestsOpenTheContents_data();
    void otherRequestsOpenTheContents();
    void linksLeadToPages_data();
    void linksLeadToPages();
    void ownExercisesTopicNamesFilesAndFolder();
    void viewerShowsTopicsAndContents();
    void escapeClosesTheViewer();
};

void TestHelp::everyContextHasItsTopic_data()
{
    QTest::addColumn<quint32>("context");
    QTest::addColumn<QString>("page");
    for (const ExerciseKind& kind : ExerciseKinds()) {
        const char* page = kind.menu == Menu::Plus ? "plus.html"
            : kind.menu == Menu::Minus             ? "minus.html"
            : kind.menu == Menu::Vergleiche        ? "vergleiche.html"
                                                   : "eigene.html";
        QTest::addRow("exercise %d", kind.id) << quint32(HelpContextOf(kind.id)) << page;
    }
    QTest::newRow("Eigene Übungen erstellen") << 98359u << "eigene.html";
    QTest::newRow("Internet") << 98357u << "internet.html";
    QTest::newRow("own list editor") << 98437u << "eigene-bearbeiten.html";
    QTest::newRow("worksheet") << 98438u << "arbeitsblatt.html";
    QTest::newRow("other programs") << 98362u << "programme.html";
    QTest::newRow("praise editor") << 131174u << "lobe.html";
    QTest::newRow("reward page") << 131177u << "einstellungen.html";
    QTest::newRow("counts page") << 131179u << "einstellungen.html";
    QTest::newRow("background page") << 131180u << "einstellungen.html";
}

void TestHelp::everyContextHasItsTopic()
{
    QFETCH(quint32, context);
    QFETCH(QString, page);
    QVERIFY(CHelpViewer::HasTopic(context));
    const QUrl url = CHelpViewer::TopicUrl(context, CWinApp::HELP_CONTEXT);
    QVERIFY(url != CHelpViewer::ContentsUrl());
    QCOMPARE(url.path().section(u'/', -1), page);
    QString why;
    QVERIFY2(Resolves(RelativeTarget(url), &why), qPrintable(why));
}

void TestHelp::otherRequestsOpenTheContents_data()
{
    QTest::addColumn<quint32>("data");
    QTest::addColumn<quint32>("command");
    QTest::newRow("contents") << 0u << CWinApp::HELP_FINDER;
    QTest::newRow("contents ignores the number") << 98359u << CWinApp::HELP_FINDER;
    QTest::newRow("unknown number") << 12345u << CWinApp::HELP_CONTEXT;
    QTest::newRow("zero") << 0u << CWinApp::HELP_CONTEXT;
    QTest::newRow("dialog without a topic") << 131072u + 999u << CWinApp::HELP_CONTEXT;
    QTest::newRow("unknown command") << 98359u << 99u;
}

void TestHelp::otherRequestsOpenTheContents()
{
    QFETCH(quint32, data);
    QFETCH(quint32, command);
    QCOMPARE(CHelpViewer::TopicUrl(data, command), CHelpViewer::ContentsUrl());
}

void TestHelp::linksLeadToPages_data()
{
    QTest::addColumn<QString>("page");
    QDirIterator it(QStringLiteral(":/help"), { QStringLiteral("*.html") });
    while (it.hasNext()) {
        const QString page = it.next().section(u'/', -1);
        QTest::newRow(qPrintable(page)) << page;
    }
    QVERIFY(!PageText("index.html").isEmpty());
}

void TestHelp::linksLeadToPages()
{
    QFETCH(QString, page);
    const QString text = PageText(page);
    QVERIFY(text.contains(QStringLiteral("lang=\"de\"")));
    QVERIFY2(text.contains(QStringLiteral("href=\"index.html\"")) || page == "index.html",
        "every topic leads back to the contents");
    static const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
    for (const auto& match : link.globalMatch(text)) {
        QString target = match.captured(1);
        if (target.startsWith(u'#'))
            target.prepend(page);
        QString why;
        QVERIFY2(Resolves(target, &why), qPrintable(page + ": " + why));
    }
}

void TestHelp::ownExercisesTopicNamesFilesAndFolder()
{
    const QString text = PageText("eigene.html");
    for (const char* needle : { "Pilo Eigene Eins.txt", "Pilo Eigene Zwei.txt",
             "Pilo Eigene Drei.txt", "Pilo Eigene Vier.txt", "~/.local/share/pilo",
             "$XDG_DATA_HOME", "UTF-8", "CR LF", "Groß- und Kleinschreibung",
             "Eigene Übungen erstellen", "ungerade Zahl von Zeilen", "Windows-1252" })
        QVERIFY2(text.contains(QString::fromUtf8(needle)), needle);
}

void TestHelp::viewerShowsTopicsAndContents()
{
    CHelpViewer viewer;
    QCOMPARE(viewer.windowTitle(), QStringLiteral("Pilo – Hilfe"));
    viewer.OpenTopic(131180, CWinApp::HELP_CONTEXT);
    QCOMPARE(viewer.Browser()->source(),
        QUrl(QStringLiteral("qrc:/help/einstellungen.html#hintergrund")));
    QVERIFY(viewer.Browser()->toPlainText().contains(QStringLiteral("Hintergrundbild")));

    viewer.findChild<QPushButton*>("contentsButton")->click();
    QCOMPARE(viewer.Browser()->source(), CHelpViewer::ContentsUrl());
    QVERIFY(viewer.findChild<QPushButton*>("backButton")->isEnabled());
    viewer.findChild<QPushButton*>("backButton")->click();
    QCOMPARE(viewer.Browser()->source().path(), QStringLiteral("/help/einstellungen.html"));
}

void TestHelp::escapeClosesTheViewer()
{
    CHelpViewer viewer;
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    viewer.Browser()->setFocus();
    QTest::keyClick(viewer.Browser(), Qt::Key_Escape);
    QTRY_VERIFY(!viewer.isVisible());
}

QTEST_MAIN(TestHelp)
#include "test_help.moc"
