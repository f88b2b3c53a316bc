#include "TestSupport.h"

#include "settings/CPraiseListDlg.h"
#include "settings/SortedListWidget.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {
QStringList Written(const std::vector<MemoryProfile::Write>& writes)
{
    QStringList lines;
    for (const auto& write : writes)
        lines << QString::fromStdString(write.key + "=" + write.value);
    return lines;
}

void StorePraises(MemoryProfile& profile, const QStringList& praises)
{
    profile.Set("Lobe", "Anzahl", std::to_string(praises.size()));
    for (int i = 0; i < praises.size(); ++i)
        profile.Set("Lobe", "Lob" + std::to_string(i + 1), praises.at(i).toStdString());
}

// What OK stores for a list: each text in list order, then the count.
QStringList Stored(const QStringList& shown)
{
    QStringList lines;
    for (int i = 0; i < shown.size(); ++i)
        lines << QStringLiteral("Lob%1=%2").arg(i + 1).arg(shown.at(i));
    lines << QStringLiteral("Anzahl=%1").arg(shown.size());
    return lines;
}
} // namespace

class TestPraiseList : public QObject {
    Q_OBJECT
private slots:
    void opening_data();
    void opening();
    void adding_data();
    void adding();
    void deleting_data();
    void deleting();
    void shrinkingKeepsHigherKeys();
    void fieldRefusesThe35thCharacter();
    void enterInFieldStoresWithoutTypedText();
    void help();
    void closingWithoutOk_data();
    void closingWithoutOk();
    void failedWriteToldOnce();
};

void TestPraiseList::opening_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("no section, empty list") << QStringList {} << -1 << QStringList {};
    QTest::newRow("number 1 sorting after 2 shows swapped")
        << QStringList { "Toll!", "Prima!" } << 2 << QStringList { "Prima!", "Toll!" };
    QTest::newRow("letter case ignored") << QStringList { "super", "Klasse", "ausgezeichnet" } << 3
                                         << QStringList { "ausgezeichnet", "Klasse", "super" };
    QTest::newRow("absent key adds an empty entry")
        << QStringList { "Gut" } << 2 << QStringList { "", "Gut" };
    QTest::newRow("keys beyond the count unread")
        << QStringList { "A", "B", "C" } << 1 << QStringList { "A" };
    QTest::newRow("negative count, empty list") << QStringList { "A" } << -5 << QStringList {};
    QTest::newRow("huge count read as the most a list holds")
        << QStringList { "Gut" } << 2000000000
        << QStringList(SortedListWidget::MaxNumbered - 1, QString()) + QStringList { "Gut" };
}

// OK without changes stores the list in its shown order.
void TestPraiseList::opening()
{
    QFETCH(QStringList, stored);
    QFETCH(int, count);
    QFETCH(QStringList, shown);

    TestApp app;
    if (count != -1) {
        StorePraises(app.profile, stored);
        app.profile.Set("Lobe", "Anzahl", std::to_string(count));
    }
    CPraiseListDlg dialog(app);
    QCOMPARE(dialog.PraiseList()->Texts(), shown);

    dialog.OkButton()->click();
    QCOMPARE(Written(app.profile.Writes()), Stored(shown));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestPraiseList::adding_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("sorted into place")
        << QStringList { "Bravo", "Toll" } << "Prima" << QStringList { "Bravo", "Prima", "Toll" };
    QTest::newRow("empty text adds an empty entry")
        << QStringList { "Bravo" } << "" << QStringList { "", "Bravo" };
    QTest::newRow("duplicate added again")
        << QStringList { "Bravo", "Toll" } << "Toll" << QStringList { "Bravo", "Toll", "Toll" };
    QTest::newRow("blanks kept") << QStringList {} << " gut " << QStringList { " gut " };
    QTest::newRow("umlauts") << QStringList { "Zack", "Ab" } << "Überragend"
                             << QStringList { "Ab", "Überragend", "Zack" };
}

// The last entry is selected afterwards, whichever entry is new.
void TestPraiseList::adding()
{
    QFETCH(QStringList, stored);
    QFETCH(QString, typed);
    QFETCH(QStringList, shown);

    TestApp app;
    StorePraises(app.profile, stored);
    CPraiseListDlg dialog(app);
    dialog.show();
    dialog.findChild<QLineEdit*>("newPraiseField")->insert(typed);
    QTest::mouseClick(dialog.findChild<QPushButton*>("addButton"), Qt::LeftButton);

    QCOMPARE(dialog.PraiseList()->Texts(), shown);
    QCOMPARE(dialog.PraiseList()->SelectedRow(), shown.size() - 1);
    QVERIFY(dialog.findChild<QLineEdit*>("newPraiseField")->text().isEmpty());
    QVERIFY(app.profile.Writes().empty());

    dialog.OkButton()->click();
    QCOMPARE(Written(app.profile.Writes()), Stored(shown));
}

void TestPraiseList::deleting_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QString>("select");
    QTest::addColumn<QStringList>("shown");

    const QStringList three { "A", "B", "C" };
    QTest::newRow("selected entry deleted") << three << "B" << QStringList { "A", "C" };
    QTest::newRow("no selection changes nothing") << three << QString() << three;
    QTest::newRow("empty list") << QStringList {} << QString() << QStringList {};
    QTest::newRow("one of two equal texts")
        << QStringList { "A", "A" } << "A" << QStringList { "A" };
}

void TestPraiseList::deleting()
{
    QFETCH(QStringList, stored);
    QFETCH(QString, select);
    QFETCH(QStringList, shown);

    TestApp app;
    StorePraises(app.profile, stored);
    CPraiseListDlg dialog(app);
    dialog.show();
    SortedListWidget* list = dialog.PraiseList();
    if (!select.isNull())
        list->findItems(select, Qt::MatchExactly).first()->setSelected(true);
    else
        list->setCurrentRow(-1);
    QTest::mouseClick(dialog.findChild<QPushButton*>("deleteButton"), Qt::LeftButton);
    QCOMPARE(list->Texts(), shown);
    // Nothing stays selected, so a second press deletes nothing more.
    QTest::mouseClick(dialog.findChild<QPushButton*>("deleteButton"), Qt::LeftButton);
    QCOMPARE(list->Texts(), shown);
}

void TestPraiseList::shrinkingKeepsHigherKeys()
{
    TestApp app;
    StorePraises(app.profile, { "A", "B", "C", "D", "E" });
    CPraiseListDlg dialog(app);
    dialog.show();
    for (const char* text : { "B", "D" }) {
        dialog.PraiseList()->findItems(text, Qt::MatchExactly).first()->setSelected(true);
        dialog.OnDeletePraise();
    }
    dialog.OkButton()->click();

    QCOMPARE(Written(app.profile.Writes()), Stored({ "A", "C", "E" }));
    QCOMPARE(app.profile.GetProfileString("Lobe", "Lob4"), std::string("D"));
    QCOMPARE(app.profile.GetProfileString("Lobe", "Lob5"), std::string("E"));
}

void TestPraiseList::fieldRefusesThe35thCharacter()
{
    TestApp app;
    CPraiseListDlg dialog(app);
    dialog.show();
    const QString limit = QStringLiteral("Du bist ein richtiger Rechenkoenig");
    QCOMPARE(limit.size(), 34);
    QTest::keyClicks(dialog.findChild<QLineEdit*>("newPraiseField"), limit + "?");
    QCOMPARE(dialog.findChild<QLineEdit*>("newPraiseField")->text(), limit);
    dialog.OnAddPraise();
    QCOMPARE(dialog.PraiseList()->Texts(), QStringList { limit });
}

void TestPraiseList::enterInFieldStoresWithoutTypedText()
{
    TestApp app;
    StorePraises(app.profile, { "Gut" });
    CPraiseListDlg dialog(app);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.findChild<QLineEdit*>("newPraiseField")->setFocus();
    QTest::keyClicks(dialog.findChild<QLineEdit*>("newPraiseField"), "Spitze");
    QTest::keyClick(dialog.findChild<QLineEdit*>("newPraiseField"), Qt::Key_Return);

    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(Written(app.profile.Writes()), Stored({ "Gut" }));
}

void TestPraiseList::help()
{
    TestApp app;
    CPraiseListDlg dialog(app);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(dialog.HelpButton(), Qt::LeftButton);
    QVERIFY((app.help == std::vector<HelpRequest> { { 131174, CWinApp::HELP_CONTEXT } }));
    QVERIFY(dialog.isVisible());
    QVERIFY(app.profile.Writes().empty());
}

void TestPraiseList::closingWithoutOk_data()
{
    QTest::addColumn<QString>("how");
    AddLeaveRows();
}

void TestPraiseList::closingWithoutOk()
{
    QFETCH(QString, how);

    TestApp app;
    StorePraises(app.profile, { "A", "B" });
    CPraiseListDlg dialog(app);
    dialog.show();
    QTest::keyClicks(dialog.findChild<QLineEdit*>("newPraiseField"), "Neu");
    dialog.OnAddPraise();
    dialog.PraiseList()->item(0)->setSelected(true);
    dialog.OnDeletePraise();

    Leave(dialog, how, dialog.CancelButton());
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(app.profile.Writes().empty());
}

void TestPraiseList::failedWriteToldOnce()
{
    ReadOnlyApp app;
    StorePraises(app.profile, { "A", "B", "C" });
    NoticeLog notices;
    CPraiseListDlg dialog(app);
    dialog.SetFailureNotice(notices.Recorder());
    dialog.show();
    dialog.OkButton()->click();

    QCOMPARE(int(app.profile.attempts.size()), 4);
    QCOMPARE(notices.texts, QStringList { kReadOnlyFailure });
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(TestPraiseList)
#include "test_praise_list.moc"
