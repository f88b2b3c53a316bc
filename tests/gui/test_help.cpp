#include "app/CHelpViewer.h"
#include "settings/CWinApp.h"
#include "engine/Catalogue.h"

#include <QDirIterator>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

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

// A page's text as the viewer shows it: markup gone, blanks collapsed.
QString ShownText(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText().simplified();
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
    void exerciseTopicsStartWithALineForTheChild_data();
    void exerciseTopicsStartWithALineForTheChild();
    void topicsSay_data();
    void topicsSay();
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
    QTest::newRow("learning aids page") << 131181u << "lernhilfen.html";
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

void TestHelp::exerciseTopicsStartWithALineForTheChild_data()
{
    QTest::addColumn<quint32>("context");
    QTest::addColumn<QStringList>("says");
    const QStringList typeAndEnter = { "Für dich:", "tippe", "Eingabetaste (Enter)" };
    for (const ExerciseKind& kind : ExerciseKinds()) {
        QStringList says = typeAndEnter;
        if (kind.entryMode == EntryMode::CompareSigns)
            says << "Taste links neben dem Y"
                 << "für > hältst du die Umschalttaste gedrückt";
        QTest::addRow("%d %s", kind.id, std::string(kind.menuText).c_str())
            << quint32(HelpContextOf(kind.id)) << says;
    }
}

// The exercise window's HILFE opens the topic of its kind: what the child
// reads there first is what to do, before anything meant for the parents.
void TestHelp::exerciseTopicsStartWithALineForTheChild()
{
    QFETCH(quint32, context);
    QFETCH(QStringList, says);
    const QUrl url = CHelpViewer::TopicUrl(context, CWinApp::HELP_CONTEXT);
    const QString html = PageText(url.path().section(u'/', -1));
    const qsizetype anchor = html.indexOf(QStringLiteral("name=\"%1\"").arg(url.fragment()));
    QVERIFY(anchor >= 0);
    const qsizetype first = html.indexOf(QStringLiteral("<p"), anchor);
    const qsizetype end = html.indexOf(QStringLiteral("</p>"), first);
    QVERIFY(first > 0 && end > first);
    const QString paragraph = html.mid(first, end - first);
    QVERIFY2(paragraph.startsWith(QStringLiteral("<p class=\"kind\">")), qPrintable(paragraph));
    const QString shown = ShownText(paragraph);
    for (const QString& needle : says)
        QVERIFY2(shown.contains(needle, Qt::CaseInsensitive),
            qPrintable(needle + " not in: " + shown));
}

void TestHelp::topicsSay_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<bool>("present");
    QTest::newRow("Enter in the praise editor saves without the typed text")
        << "lobe.html"
        << "Sie speichert die Liste und schließt das Fenster, ohne den getippten Spruch "
           "aufzunehmen. Drücken Sie deshalb zuerst Hinzufügen"
        << true;
    QTest::newRow("comparison signs on a German keyboard")
        << "vergleiche.html"
        << "liegen beide Zeichen auf derselben Taste, links neben dem Y: Ohne Umschalttaste gibt "
           "sie <, mit gedrückter Umschalttaste (Shift) >."
        << true;
    QTest::newRow("Plus: kleiner includes the limit")
        << "plus.html"
        << "„Kleiner“ heißt dabei immer: bis einschließlich der Grenze." << true;
    QTest::newRow("Minus: kleiner includes the limit")
        << "minus.html"
        << "„Kleiner“ heißt dabei immer: bis einschließlich der Grenze." << true;
    QTest::newRow("no sum stays below the limit") << "plus.html"
                                                  << "bleibt unter" << false;
    QTest::newRow("three free addends reach the limit")
        << "plus.html"
        << "die Summe reicht bis einschließlich einer frei gewählten Grenze" << true;
    QTest::newRow("an empty or zero task count: one task, no reward")
        << "ueben.html"
        << "Ist die „Anzahl der Aufgaben“ leer oder 0, hat jede Runde genau eine Aufgabe, und es "
           "gibt nie eine Belohnung."
        << true;
    QTest::newRow("own lists through the launcher") << "eigene.html"
                                                    << "~/.local/share/pilo" << true;
    QTest::newRow("own lists when started directly")
        << "eigene.html"
        << "liest es die Dateien aus dem Ordner, in dem es gestartet wurde" << true;
}

void TestHelp::topicsSay()
{
    QFETCH(QString, page);
    QFETCH(QString, needle);
    QFETCH(bool, present);
    const QString shown = ShownText(PageText(page));
    QVERIFY(!shown.isEmpty());
    QVERIFY2(shown.contains(needle) == present, qPrintable(needle));
}

void TestHelp::viewerShowsTopicsAndContents()
{
    CHelpViewer viewer;
    QCOMPARE(viewer.windowTitle(), QStringLiteral("Pilo – Hilfe"));
    viewer.OpenTopic(131180, CWinApp::HELP_CONTEXT);
    QCOMPARE(viewer.findChild<QTextBrowser*>("helpText")->source(),
        QUrl(QStringLiteral("qrc:/help/einstellungen.html#hintergrund")));
    QVERIFY(viewer.findChild<QTextBrowser*>("helpText")->toPlainText().contains(QStringLiteral("Hintergrundbild")));

    viewer.findChild<QPushButton*>("contentsButton")->click();
    QCOMPARE(viewer.findChild<QTextBrowser*>("helpText")->source(), CHelpViewer::ContentsUrl());
    QVERIFY(viewer.findChild<QPushButton*>("backButton")->isEnabled());
    viewer.findChild<QPushButton*>("backButton")->click();
    QCOMPARE(viewer.findChild<QTextBrowser*>("helpText")->source().path(), QStringLiteral("/help/einstellungen.html"));
}

void TestHelp::escapeClosesTheViewer()
{
    CHelpViewer viewer;
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    viewer.findChild<QTextBrowser*>("helpText")->setFocus();
    QTest::keyClick(viewer.findChild<QTextBrowser*>("helpText"), Qt::Key_Escape);
    QTRY_VERIFY(!viewer.isVisible());
}

QTEST_MAIN(TestHelp)
#include "test_help.moc"
