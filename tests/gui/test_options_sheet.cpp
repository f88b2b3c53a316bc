#include "TestSupport.h"

#include "settings/CLearningAidsPage.h"
#include "settings/CMyPropertyPage1.h"
#include "settings/CMyPropertyPage3.h"
#include "settings/CMyPropertyPage4.h"
#include "settings/COptionsSheet.h"
#include "settings/SortedListWidget.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

namespace {
// "Section/Key=Value" lines into the profile.
void Store(MemoryProfile& profile, const QStringList& lines)
{
    for (const QString& line : lines) {
        const qsizetype slash = line.indexOf('/');
        const qsizetype equals = line.indexOf('=');
        profile.Set(line.left(slash).toStdString(),
            line.mid(slash + 1, equals - slash - 1).toStdString(),
            line.mid(equals + 1).toStdString());
    }
}

// Only the mark and the word take clicks, not the whole width of the row.
void ClickChoice(COptionsSheet& sheet, int kind)
{
    QRadioButton* choice = sheet.RewardPage()->Choice(kind);
    QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(6, choice->height() / 2));
}

int CheckedChoice(const CMyPropertyPage1& page)
{
    for (int kind = 0; kind < 4; ++kind) {
        if (page.Choice(kind)->isChecked())
            return kind;
    }
    return -1;
}
} // namespace

class TestOptionsSheet : public QObject {
    Q_OBJECT
private slots:
    void looksAsExpected();
    void rewardKind_data();
    void rewardKind();
    void counts_data();
    void counts();
    void backgroundList_data();
    void backgroundList();
    void backgroundChoice_data();
    void backgroundChoice();
    void help_data();
    void help();
    void closingWithoutOk_data();
    void closingWithoutOk();
    void failedWriteToldOnce_data();
    void failedWriteToldOnce();
    void learningAids_data();
    void learningAids();
};

void TestOptionsSheet::looksAsExpected()
{
    TestApp app;
    COptionsSheet sheet(app);
    QCOMPARE(sheet.windowTitle(), QStringLiteral("Einstellungen"));
    const auto* tabs = sheet.findChild<QTabWidget*>("tabs");
    QCOMPARE(tabs->count(), 4);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Belohnungsart"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Witze-/Aufgabenanzahl"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("Hintergrundbild"));
    QCOMPARE(tabs->tabText(3), QStringLiteral("Lernhilfen"));
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(sheet.OkButton()->text(), QStringLiteral("OK"));
    QCOMPARE(sheet.CancelButton()->text(), QStringLiteral("Abbruch"));
    QCOMPARE(sheet.HelpButton()->text(), QStringLiteral("Hilfe"));
    QVERIFY(sheet.OkButton()->isDefault());
    // Pages read the profile only once they are shown.
    QVERIFY(!sheet.RewardPage()->WasShown());
    sheet.show();
    QVERIFY(sheet.RewardPage()->WasShown());
    QVERIFY(!sheet.CountsPage()->WasShown());
    QVERIFY(!sheet.BackgroundPage()->WasShown());
    QVERIFY(!sheet.AidsPage()->WasShown());
    // Every tab title in full, none behind scroll arrows.
    const QTabBar* bar = sheet.findChild<QTabWidget*>("tabs")->tabBar();
    for (int i = 0; i < bar->count(); ++i)
        QVERIFY2(bar->rect().contains(bar->tabRect(i)), qPrintable(bar->tabText(i)));
}

void TestOptionsSheet::rewardKind_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("shownChecked");
    QTest::addColumn<int>("click");
    QTest::addColumn<QStringList>("written");

    const QString key = QStringLiteral("Parameter/Belohnungsart=");
    QTest::newRow("absent shows Bilder, OK stores 0")
        << QString() << 0 << -1 << QStringList { key + "0" };
    QTest::newRow("Witze shown and kept") << "1" << 1 << -1 << QStringList { key + "1" };
    QTest::newRow("Keine shown and kept") << "3" << 3 << -1 << QStringList { key + "3" };
    QTest::newRow("7 checks nothing, OK leaves it") << "7" << -1 << -1 << QStringList {};
    QTest::newRow("-1 checks nothing") << "-1" << -1 << -1 << QStringList {};
    QTest::newRow("letters read as 0") << "abc" << 0 << -1 << QStringList { key + "0" };
    QTest::newRow("choosing Zufällig stores 2") << "0" << 0 << 2 << QStringList { key + "2" };
    QTest::newRow("choosing after 7 stores the choice")
        << "7" << -1 << 3 << QStringList { key + "3" };
}

// OK at once stores the reward kind and nothing of the pages never shown.
void TestOptionsSheet::rewardKind()
{
    QFETCH(QString, stored);
    QFETCH(int, shownChecked);
    QFETCH(int, click);
    QFETCH(QStringList, written);

    TestApp app;
    app.profile.Set("Parameter", "Aufgaben", "10");
    if (!stored.isNull())
        app.profile.Set("Parameter", "Belohnungsart", stored.toStdString());
    COptionsSheet sheet(app);
    sheet.show();
    QCOMPARE(CheckedChoice(*sheet.RewardPage()), shownChecked);
    if (click >= 0)
        ClickChoice(sheet, click);
    QCOMPARE(CheckedChoice(*sheet.RewardPage()), click >= 0 ? click : shownChecked);

    sheet.OkButton()->click();
    QCOMPARE(app.profile.WrittenLines(), written);
    QCOMPARE(sheet.result(), int(QDialog::Accepted));
    QVERIFY(!sheet.isVisible());
    if (written.isEmpty() && !stored.isNull())
        QCOMPARE(QString::fromStdString(app.profile.GetProfileString("Parameter", "Belohnungsart")),
            stored);
}

void TestOptionsSheet::counts_data()
{
    QTest::addColumn<QString>("storedTasks");
    QTest::addColumn<QString>("typedTasks");
    QTest::addColumn<QString>("shownTasks");
    QTest::addColumn<QStringList>("written");

    QTest::newRow("letters stored as typed")
        << "10"
        << "zwölf"
        << "10"
        << QStringList { "Parameter/Belohnungsart=0", "Parameter/Aufgaben=zwölf",
               "Parameter/Witze=3" };
    QTest::newRow("digits then letters shown unchanged")
        << "12abc" << QString() << "12abc"
        << QStringList { "Parameter/Belohnungsart=0", "Parameter/Aufgaben=12abc",
               "Parameter/Witze=3" };
    QTest::newRow("absent shows empty and stores empty")
        << QString() << QString() << ""
        << QStringList { "Parameter/Belohnungsart=0", "Parameter/Aufgaben=", "Parameter/Witze=3" };
    QTest::newRow("blanks kept") << "5"
                                 << " 7 "
                                 << "5"
                                 << QStringList { "Parameter/Belohnungsart=0",
                                        "Parameter/Aufgaben= 7 ", "Parameter/Witze=3" };
}

void TestOptionsSheet::counts()
{
    QFETCH(QString, storedTasks);
    QFETCH(QString, typedTasks);
    QFETCH(QString, shownTasks);
    QFETCH(QStringList, written);

    TestApp app;
    app.profile.Set("Parameter", "Witze", "3");
    if (!storedTasks.isNull())
        app.profile.Set("Parameter", "Aufgaben", storedTasks.toStdString());
    COptionsSheet sheet(app);
    sheet.show();
    sheet.findChild<QTabWidget*>("tabs")->setCurrentIndex(1);
    QLineEdit* tasks = sheet.CountsPage()->findChild<QLineEdit*>("tasksField");
    QCOMPARE(tasks->text(), shownTasks);
    QCOMPARE(sheet.CountsPage()->findChild<QLineEdit*>("jokesField")->text(), QStringLiteral("3"));
    QCOMPARE(tasks->accessibleName(), QStringLiteral("Anzahl der Aufgaben"));
    if (!typedTasks.isNull()) {
        tasks->clear();
        tasks->insert(typedTasks);
    }
    sheet.OkButton()->click();
    QCOMPARE(app.profile.WrittenLines(), written);
}

void TestOptionsSheet::backgroundList_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("c, a, b show as a, b, c") << QStringList { "Bilder/AnzahlHinter=3",
        "Bilder/Bild1=c", "Bilder/Bild2=a", "Bilder/Bild3=b" }
                                             << QStringList { "a", "b", "c" };
    QTest::newRow("letter case ignored") << QStringList { "Bilder/AnzahlHinter=3",
        "Bilder/Bild1=gras.bmp", "Bilder/Bild2=Meer.gif", "Bilder/Bild3=Berg.bmp" }
                                         << QStringList { "Berg.bmp", "gras.bmp", "Meer.gif" };
    QTest::newRow("umlaut beside its base letter") << QStringList { "Bilder/AnzahlHinter=3",
        "Bilder/Bild1=Zoo", "Bilder/Bild2=Äpfel", "Bilder/Bild3=Bach" }
                                                   << QStringList { "Äpfel", "Bach", "Zoo" };
    QTest::newRow("absent keys add empty entries") << QStringList { "Bilder/AnzahlHinter=3",
        "Bilder/Bild2=wald.bmp" } << QStringList { "", "", "wald.bmp" };
    QTest::newRow("entries beyond the count not offered") << QStringList { "Bilder/AnzahlHinter=1",
        "Bilder/Bild1=x", "Bilder/Bild2=y" } << QStringList { "x" };
    QTest::newRow("no count, empty list") << QStringList { "Bilder/Bild1=x" } << QStringList {};
    QTest::newRow("negative count, empty list")
        << QStringList { "Bilder/AnzahlHinter=-4", "Bilder/Bild1=x" } << QStringList {};
    QTest::newRow("huge count read as the most a list holds")
        << QStringList { "Bilder/AnzahlHinter=2147483647", "Bilder/Bild1=x" }
        << QStringList(SortedListWidget::MaxNumbered - 1, QString()) + QStringList { "x" };
}

void TestOptionsSheet::backgroundList()
{
    QFETCH(QStringList, stored);
    QFETCH(QStringList, shown);

    TestApp app;
    Store(app.profile, stored);
    COptionsSheet sheet(app);
    sheet.show();
    sheet.findChild<QTabWidget*>("tabs")->setCurrentIndex(2);
    QCOMPARE(sheet.BackgroundPage()->findChild<SortedListWidget*>("pictureList")->Texts(), shown);
}

void TestOptionsSheet::backgroundChoice_data()
{
    QTest::addColumn<QString>("storedName");
    QTest::addColumn<QString>("select");
    QTest::addColumn<bool>("pressSet");
    QTest::addColumn<QString>("shown");

    QTest::newRow("no change rewrites the same name")
        << "pilo.bmp" << QString() << false << "pilo.bmp";
    QTest::newRow("Setzen takes the selection") << "pilo.bmp"
                                                << "b.gif" << true << "b.gif";
    QTest::newRow("selection without Setzen changes nothing") << "pilo.bmp"
                                                              << "b.gif" << false << "pilo.bmp";
    QTest::newRow("Setzen without selection copies nothing")
        << "pilo.bmp" << QString() << true << "pilo.bmp";
    QTest::newRow("absent name shows and stores empty") << QString() << QString() << false << "";
}

void TestOptionsSheet::backgroundChoice()
{
    QFETCH(QString, storedName);
    QFETCH(QString, select);
    QFETCH(bool, pressSet);
    QFETCH(QString, shown);

    TestApp app;
    Store(app.profile, { "Bilder/AnzahlHinter=2", "Bilder/Bild1=b.gif", "Bilder/Bild2=a.bmp" });
    if (!storedName.isNull())
        app.profile.Set("Parameter", "Hintergrundbild", storedName.toStdString());
    COptionsSheet sheet(app);
    sheet.show();
    sheet.findChild<QTabWidget*>("tabs")->setCurrentIndex(2);
    CMyPropertyPage4* page = sheet.BackgroundPage();
    QCOMPARE(page->findChild<QLabel*>("chosenLabel")->text(), storedName);
    if (!select.isNull()) {
        const auto found = page->findChild<SortedListWidget*>("pictureList")->findItems(select, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        found.first()->setSelected(true);
    }
    if (pressSet)
        QTest::mouseClick(page->findChild<QPushButton*>("setButton"), Qt::LeftButton);
    QCOMPARE(page->findChild<QLabel*>("chosenLabel")->text(), shown);

    sheet.OkButton()->click();
    const QStringList expected { "Parameter/Belohnungsart=0", "Parameter/Hintergrundbild=" + shown,
        "Parameter/Changed=1" };
    QCOMPARE(app.profile.WrittenLines(), expected);
}

void TestOptionsSheet::help_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<quint32>("context");

    QTest::newRow("Belohnungsart") << 0 << 131177u;
    QTest::newRow("Witze-/Aufgabenanzahl") << 1 << 131179u;
    QTest::newRow("Hintergrundbild") << 2 << 131180u;
    QTest::newRow("Lernhilfen") << 3 << 131181u;
}

void TestOptionsSheet::help()
{
    QFETCH(int, tab);
    QFETCH(quint32, context);

    TestApp app;
    COptionsSheet sheet(app);
    sheet.show();
    QVERIFY(QTest::qWaitForWindowActive(&sheet));
    sheet.findChild<QTabWidget*>("tabs")->setCurrentIndex(tab);
    QTest::mouseClick(sheet.HelpButton(), Qt::LeftButton);
    QTest::keyClick(&sheet, Qt::Key_F1);
    const std::vector<HelpRequest> expected(2, HelpRequest { context, CWinApp::HELP_CONTEXT });
    QVERIFY(app.help == expected);
    QVERIFY(sheet.isVisible());
    QVERIFY(app.profile.Writes().empty());
}

void TestOptionsSheet::closingWithoutOk_data()
{
    QTest::addColumn<QString>("how");
    AddLeaveRows();
}

void TestOptionsSheet::closingWithoutOk()
{
    QFETCH(QString, how);

    TestApp app;
    Store(app.profile, { "Bilder/AnzahlHinter=1", "Bilder/Bild1=a.bmp" });
    COptionsSheet sheet(app);
    sheet.show();
    ClickChoice(sheet, 1);
    sheet.findChild<QTabWidget*>("tabs")->setCurrentIndex(1);
    QTest::keyClicks(sheet.CountsPage()->findChild<QLineEdit*>("tasksField"), "5");
    sheet.findChild<QTabWidget*>("tabs")->setCurrentIndex(2);
    sheet.BackgroundPage()->findChild<SortedListWidget*>("pictureList")->item(0)->setSelected(true);
    sheet.BackgroundPage()->OnSetPicture();

    Leave(sheet, how, sheet.CancelButton());
    QVERIFY(!sheet.isVisible());
    QCOMPARE(sheet.result(), int(QDialog::Rejected));
    QVERIFY(app.profile.Writes().empty());
}

void TestOptionsSheet::failedWriteToldOnce_data()
{
    QTest::addColumn<int>("pagesVisited");
    QTest::addColumn<int>("attempted");

    QTest::newRow("first page only") << 1 << 1;
    QTest::newRow("all three pages") << 3 << 5;
    QTest::newRow("with the learning aids") << 4 << 10;
}

// Every write is still tried, but the parent hears about it once.
void TestOptionsSheet::failedWriteToldOnce()
{
    QFETCH(int, pagesVisited);
    QFETCH(int, attempted);

    ReadOnlyApp app;
    NoticeLog notices;
    COptionsSheet sheet(app);
    sheet.SetFailureNotice(notices.Recorder());
    sheet.show();
    for (int tab = 1; tab < pagesVisited; ++tab)
        sheet.findChild<QTabWidget*>("tabs")->setCurrentIndex(tab);
    sheet.OkButton()->click();

    QCOMPARE(int(app.profile.attempts.size()), attempted);
    QCOMPARE(notices.texts, QStringList { kReadOnlyFailure });
    QVERIFY(!sheet.isVisible());
}

void TestOptionsSheet::learningAids_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<bool>("showPage");
    QTest::addColumn<QString>("clicks"); // object names of the boxes clicked
    QTest::addColumn<QStringList>("written");

    const QStringList allOff { "Lernhilfen/Vorlesen=0", "Lernhilfen/Wiederholen=0",
        "Lernhilfen/Tipp=0", "Lernhilfen/Fortschritt=0", "Lernhilfen/Aufzeichnen=1" };
    QTest::newRow("page never shown writes none of its keys")
        << QStringList { "Lernhilfen/Tipp=1" } << false << QString() << QStringList {};
    QTest::newRow("shown with nothing stored: the aids off, recording on")
        << QStringList {} << true << QString() << allOff;
    QTest::newRow("stored values shown and kept")
        << QStringList { "Lernhilfen/Vorlesen=1", "Lernhilfen/Fortschritt=1",
               "Lernhilfen/Aufzeichnen=0" }
        << true << QString()
        << QStringList { "Lernhilfen/Vorlesen=1", "Lernhilfen/Wiederholen=0", "Lernhilfen/Tipp=0",
               "Lernhilfen/Fortschritt=1", "Lernhilfen/Aufzeichnen=0" };
    QTest::newRow("any number but 0 counts as on and is stored as 1")
        << QStringList { "Lernhilfen/Wiederholen=7" } << true << QString()
        << QStringList { "Lernhilfen/Vorlesen=0", "Lernhilfen/Wiederholen=1", "Lernhilfen/Tipp=0",
               "Lernhilfen/Fortschritt=0", "Lernhilfen/Aufzeichnen=1" };
    QTest::newRow("clicking switches on and off")
        << QStringList { "Lernhilfen/Vorlesen=1" } << true << "Vorlesen Tipp Aufzeichnen"
        << QStringList { "Lernhilfen/Vorlesen=0", "Lernhilfen/Wiederholen=0", "Lernhilfen/Tipp=1",
               "Lernhilfen/Fortschritt=0", "Lernhilfen/Aufzeichnen=0" };
}

void TestOptionsSheet::learningAids()
{
    QFETCH(QStringList, stored);
    QFETCH(bool, showPage);
    QFETCH(QString, clicks);
    QFETCH(QStringList, written);

    TestApp app;
    app.profile.Set("Parameter", "Belohnungsart", "9");
    Store(app.profile, stored);
    COptionsSheet sheet(app);
    sheet.show();
    auto* tabs = sheet.findChild<QTabWidget*>("tabs");
    if (showPage)
        tabs->setCurrentIndex(3);
    QCOMPARE(tabs->tabText(3), QStringLiteral("Lernhilfen"));
    const QString texts[] = { "Aufgaben und Witze vorlesen",
        "Falsch gelöste Aufgaben am Ende wiederholen", "Tipp-Knopf bei falschen Antworten",
        "Fortschritt im Übungsfenster zeigen", "Ergebnisse aufzeichnen" };
    const QList<QCheckBox*> boxes = sheet.AidsPage()->findChildren<QCheckBox*>();
    QCOMPARE(boxes.size(), 5);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(boxes[i]->text(), texts[i]);
    for (const QString& name : clicks.split(u' ', Qt::SkipEmptyParts)) {
        auto* box = sheet.AidsPage()->findChild<QCheckBox*>(name);
        QVERIFY(box);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }
    sheet.OkButton()->click();
    QCOMPARE(app.profile.WrittenLines(), written);
}

QTEST_MAIN(TestOptionsSheet)
#include "test_options_sheet.moc"
