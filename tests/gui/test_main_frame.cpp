#include "TestSupport.h"
#include "engine/Catalogue.h"

#include "app/BackgroundView.h"
#include "app/CMainFrame.h"
#include "settings/DisplayStyle.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

// One menu as its entries' ids in order, 0 for a separator line.
QList<int> Layout(QMenu* menu)
{
    QList<int> ids;
    for (QAction* action : menu->actions())
        ids.append(action->isSeparator() ? 0 : action->data().toInt());
    return ids;
}

QMenu* MenuNamed(CMainFrame& frame, const QString& title)
{
    for (QAction* action : frame.menuBar()->actions())
        if (action->text() == title)
            return action->menu();
    return nullptr;
}

const QColor kGrey(128, 128, 128);

} // namespace

class TestMainFrame : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void caption();
    void menuTitles();
    void menuLayout_data();
    void menuLayout();
    void menuEntry_data();
    void menuEntry();
    void commands_data();
    void commands();
    void f1AsksForTheContents();
    void keyboardReachesTheMenus_data();
    void keyboardReachesTheMenus();
    void promptWhileHighlighted_data();
    void promptWhileHighlighted();
    void widenedWhileMenuOpen();
    void dateAndTimePanes_data();
    void dateAndTimePanes();
    void lockPanes_data();
    void lockPanes();
    void statusBarToggleKeepsPanes();
    void background_data();
    void background();
    void pictureFollowsItsFile_data();
    void pictureFollowsItsFile();

private:
    std::unique_ptr<TestApp> app_;
    std::unique_ptr<CMainFrame> frame_;
    QList<int> routed_;
    QStringList dialogs_;
};

void TestMainFrame::init()
{
    app_ = std::make_unique<TestApp>();
    frame_ = std::make_unique<CMainFrame>(*app_);
    routed_.clear();
    dialogs_.clear();
    frame_->SetCommandRouter([this](int id) { routed_.append(id); });
    frame_->SetExerciseRouter([this](const ExerciseKind& kind) { routed_.append(kind.id); });
    DialogRunner& d = frame_->Dialogs();
    d.sound = [this] { dialogs_.append("sound"); };
    d.displayFont = [this](const DisplayStyleSection& style) {
        dialogs_.append(QStringLiteral("font %1 %2 %3")
                            .arg(QString::fromUtf8(style.section.data(), style.section.size()))
                            .arg(style.minSize)
                            .arg(style.maxSize));
    };
}

void TestMainFrame::cleanup()
{
    frame_.reset();
    app_.reset();
}

void TestMainFrame::caption()
{
    QCOMPARE(frame_->windowTitle(), QStringLiteral("Pilo für Windows 95 V1.11"));
    QVERIFY(!frame_->windowIcon().isNull());
}

void TestMainFrame::menuTitles()
{
    QStringList titles;
    for (QAction* action : frame_->menuBar()->actions())
        titles.append(action->text());
    QCOMPARE(
        titles, (QStringList { "Plus", "Minus", "Vergleiche", "Eigene", "Optionen", "&Hilfe" }));
}

void TestMainFrame::menuLayout_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QList<int>>("ids");
    // The exercise menus as the catalogue, which its own test checks, lays
    // them out; "Plus" ends with a separator and Beenden.
    for (Menu menu : { Menu::Plus, Menu::Minus, Menu::Vergleiche, Menu::Eigene }) {
        QList<int> ids;
        for (const ExerciseKind& kind : ExerciseKinds()) {
            if (kind.menu != menu)
                continue;
            if (kind.separatorBefore)
                ids << 0;
            ids << kind.id;
        }
        if (menu == Menu::Plus)
            ids << 0 << 57665;
        const QString title = QString::fromUtf8(MenuTitle(menu).data(), MenuTitle(menu).size());
        QTest::newRow(qPrintable(title)) << title << ids;
    }
    QTest::newRow("Optionen") << "Optionen"
                              << QList<int> { 59393, 0, 32774, 32791, 32860, 0, 32808, 32809, 0,
                                     32901, 32902, 32890 };
    QTest::newRow("Hilfe") << "&Hilfe"
                           << QList<int> { 57667, 0, 32819, 0, 32823, 0, 32826, 32821, 0, 57664 };
}

void TestMainFrame::menuLayout()
{
    QFETCH(QString, menu);
    QFETCH(QList<int>, ids);
    QMenu* popup = MenuNamed(*frame_, menu);
    QVERIFY(popup);
    QCOMPARE(Layout(popup), ids);
}

void TestMainFrame::menuEntry_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("prompt");
    auto row = [](int id, const char* text, const char* prompt) {
        QTest::addRow("%d %s", id, text)
            << id << QString::fromUtf8(text) << QString::fromUtf8(prompt);
    };
    // The exercise entries as the catalogue, which its own test checks, holds them.
    for (const ExerciseKind& kind : ExerciseKinds())
        row(kind.id, std::string(kind.menuText).c_str(), std::string(kind.statusPrompt).c_str());
    row(59393, "S&tatusleiste", "Blendet die Statusleiste ein oder aus.");
    row(32774, "Einstellungen", "Grundlegende Programmeinstellungen setzen");
    row(32791, "Eigene Lobe", "Hier können Sie Ihre eigenen Sprüche eingeben.");
    row(32860, "Sound", "Soundausgabe einschalten bzw. abschalten");
    row(32808, "Großer Zeichensatz", "");
    row(32809, "Kleiner Zeichensatz", "");
    row(32901, "Eigene Übungen bearbeiten...",
        "Schreibt und prüft die Aufgabenlisten des Menüs \"Eigene\".");
    row(32902, "Arbeitsblatt drucken...",
        "Druckt Aufgaben einer Übung mit Lösungsblatt oder speichert sie als PDF.");
    row(32890, "Fortschritt...",
        "Zeigt, was Ihr Kind geübt hat und welche Aufgaben ihm noch schwerfallen.");
    row(57667, "&Hilfethemen", "Listet die Hilfethemen auf.");
    row(32819, "Fragen und Probleme", "Kontaktadresse und Hotline");
    row(32823, "Eigene Übungen", "Informationen zu dem Menü \"Eigene\"");
    row(32821, "Internet", "Besuchen Sie unsere WEB-Page im Internet !");
    row(57664, "Inf&o über Pilo...",
        "Zeigt Programm-Informationen, Versionsnummer und Copyright an.");
}

void TestMainFrame::menuEntry()
{
    QFETCH(int, id);
    QFETCH(QString, text);
    QFETCH(QString, prompt);
    QAction* action = frame_->Action(id);
    QVERIFY(action);
    // Named after menu and text, and found by that name alone.
    QCOMPARE(frame_->findChildren<QAction*>(action->objectName()), QList<QAction*> { action });
    QCOMPARE(action->data().toInt(), id);
    QCOMPARE(action->text(), text);
    QCOMPARE(action->statusTip(), prompt);
    QVERIFY2(action->shortcut().isEmpty(), "only F1 has a key");
}

void TestMainFrame::commands_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QStringList>("dialogs");
    QTest::addColumn<QList<int>>("routed");
    QTest::addColumn<int>("helpRequests");
    QTest::newRow("Sound opens the sound dialog")
        << 32860 << QStringList { "sound" } << QList<int> {} << 0;
    QTest::newRow("big font 25 to 45")
        << 32808 << QStringList { "font BigFont 25 45" } << QList<int> {} << 0;
    QTest::newRow("small font 20 to 30")
        << 32809 << QStringList { "font SmallFont 20 30" } << QList<int> {} << 0;
    QTest::newRow("help contents stays in the window")
        << 57667 << QStringList {} << QList<int> {} << 1;
    QTest::newRow("an exercise goes to the application")
        << 32772 << QStringList {} << QList<int> { 32772 } << 0;
    QTest::newRow("Einstellungen goes to the application")
        << 32774 << QStringList {} << QList<int> { 32774 } << 0;
    QTest::newRow("about goes to the application")
        << 57664 << QStringList {} << QList<int> { 57664 } << 0;
    QTest::newRow("Internet goes to the application")
        << 32821 << QStringList {} << QList<int> { 32821 } << 0;
}

void TestMainFrame::commands()
{
    QFETCH(int, id);
    QFETCH(QStringList, dialogs);
    QFETCH(QList<int>, routed);
    QFETCH(int, helpRequests);
    frame_->Action(id)->trigger();
    QCOMPARE(dialogs_, dialogs);
    QCOMPARE(routed_, routed);
    QCOMPARE(int(app_->help.size()), helpRequests);
    if (helpRequests)
        QCOMPARE(app_->help.front(), (HelpRequest { 0, CWinApp::HELP_FINDER }));
}

void TestMainFrame::f1AsksForTheContents()
{
    frame_->show();
    frame_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame_.get()));
    QTest::keyClick(frame_.get(), Qt::Key_F1);
    QCOMPARE(app_->help, (std::vector<HelpRequest> { { 0, CWinApp::HELP_FINDER } }));
    QVERIFY(routed_.isEmpty());
}

void TestMainFrame::keyboardReachesTheMenus_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("openMenu");
    QTest::addColumn<QString>("highlighted");
    QTest::addColumn<QList<int>>("routed");
    QTest::addColumn<bool>("barShown");
    // As on Windows, F10 and Alt each only highlight the first title.
    QTest::newRow("F10 highlights Plus, opens nothing") << "F10"
                                                        << ""
                                                        << "Plus" << QList<int> {} << true;
    QTest::newRow("Alt highlights Plus, opens nothing") << "Alt"
                                                        << ""
                                                        << "Plus" << QList<int> {} << true;
    QTest::newRow("F10 then Down opens Plus") << "F10 Down"
                                              << "Plus"
                                              << "Plus" << QList<int> {} << true;
    QTest::newRow("F10 then Enter opens Plus") << "F10 Return"
                                               << "Plus"
                                               << "Plus" << QList<int> {} << true;
    QTest::newRow("Alt alone, then Down") << "Alt Down"
                                          << "Plus"
                                          << "Plus" << QList<int> {} << true;
    QTest::newRow("Alt+H opens Hilfe") << "Alt+H"
                                       << "&Hilfe"
                                       << "&Hilfe" << QList<int> {} << true;
    QTest::newRow("Escape leaves the menu bar") << "F10 Escape"
                                                << ""
                                                << "" << QList<int> {} << true;
    QTest::newRow("F10 again leaves the menu bar") << "F10 F10"
                                                   << ""
                                                   << "" << QList<int> {} << true;
    QTest::newRow("Beenden by arrows and Enter") << "F10 Down Up Return"
                                                 << ""
                                                 << "" << QList<int> { 57665 } << true;
    QTest::newRow("F10, Down, Enter starts the first entry") << "F10 Down Return"
                                                             << ""
                                                             << "" << QList<int> { 32771 } << true;
    QTest::newRow("Alt, Down, Enter starts the first entry") << "Alt Down Return"
                                                             << ""
                                                             << "" << QList<int> { 32771 } << true;
    QTest::newRow("an exercise by arrows and Enter") << "F10 Down Down Return"
                                                     << ""
                                                     << "" << QList<int> { 32772 } << true;
    QTest::newRow("Inf&o by its letter") << "Alt+H O"
                                         << ""
                                         << "" << QList<int> { 57664 } << true;
    QTest::newRow("S&tatusleiste by its letter") << "F10 Left Left Down T"
                                                 << ""
                                                 << "" << QList<int> {} << false;
}

// Keys go where a person's keys would: to the open menu, else the window.
void TestMainFrame::keyboardReachesTheMenus()
{
    QFETCH(QString, keys);
    QFETCH(QString, openMenu);
    QFETCH(QString, highlighted);
    QFETCH(QList<int>, routed);
    QFETCH(bool, barShown);
    frame_->show();
    frame_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame_.get()));
    for (const QString& key : keys.split(u' ')) {
        QWidget* target = QApplication::activePopupWidget();
        if (!target)
            target = QApplication::focusWidget() ? QApplication::focusWidget() : frame_.get();
        if (key == "Alt") {
            QTest::keyPress(target, Qt::Key_Alt, Qt::AltModifier);
            QTest::keyRelease(target, Qt::Key_Alt);
            continue;
        }
        const QKeyCombination combination = QKeySequence::fromString(key)[0];
        QTest::keyClick(target, combination.key(), combination.keyboardModifiers());
    }
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QCOMPARE(popup ? popup->title() : QString(), openMenu);
    QAction* active = frame_->menuBar()->activeAction();
    QCOMPARE(active ? active->text() : QString(), highlighted);
    QCOMPARE(routed_, routed);
    QCOMPARE(!frame_->statusBar()->isHidden(), barShown);
}

void TestMainFrame::promptWhileHighlighted_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("message");
    QTest::newRow("entry with a prompt")
        << "Plus" << 32771 << "Plusaufgaben, deren Ergebnis kleiner 6 bleibt";
    QTest::newRow("Minus free limit shows an empty pane") << "Minus" << 32789 << "";
    QTest::newRow("big font shows an empty pane") << "Optionen" << 32808 << "";
    QTest::newRow("small font shows an empty pane") << "Optionen" << 32809 << "";
}

void TestMainFrame::promptWhileHighlighted()
{
    QFETCH(QString, menu);
    QFETCH(int, id);
    QFETCH(QString, message);
    frame_->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
    QMenu* popup = MenuNamed(*frame_, menu);
    frame_->menuBar()->setActiveAction(popup->menuAction());
    QTRY_VERIFY(popup->isVisible());
    popup->setActiveAction(frame_->Action(id));
    QCOMPARE(frame_->MessageText(), message);
    popup->hide();
    QTRY_COMPARE(frame_->MessageText(), QString::fromUtf8(CMainFrame::kIdleText));
}

void TestMainFrame::widenedWhileMenuOpen()
{
    frame_->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
    QList<int> widths;
    for (int pane = CMainFrame::CapsPane; pane < CMainFrame::PaneCount; ++pane)
        widths.append(frame_->PaneLabel(CMainFrame::Pane(pane))->width());
    const int messageWidth = frame_->PaneLabel(CMainFrame::MessagePane)->width();

    QMenu* popup = MenuNamed(*frame_, "Vergleiche");
    frame_->menuBar()->setActiveAction(popup->menuAction());
    QTRY_VERIFY(popup->isVisible());
    QVERIFY(frame_->IsWidened());
    for (int pane = CMainFrame::CapsPane; pane < CMainFrame::PaneCount; ++pane)
        QVERIFY(frame_->PaneLabel(CMainFrame::Pane(pane))->isHidden());
    QTRY_VERIFY(frame_->PaneLabel(CMainFrame::MessagePane)->width() > messageWidth);

    popup->hide();
    QTRY_VERIFY(!frame_->IsWidened());
    QList<int> after;
    for (int pane = CMainFrame::CapsPane; pane < CMainFrame::PaneCount; ++pane) {
        QVERIFY(frame_->PaneLabel(CMainFrame::Pane(pane))->isVisible());
        after.append(frame_->PaneLabel(CMainFrame::Pane(pane))->width());
    }
    QTRY_COMPARE(after, widths);
}

void TestMainFrame::dateAndTimePanes_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::newRow("6 December 2026 keeps four digits and a trailing blank")
        << QDateTime(QDate(2026, 12, 6), QTime(14, 5, 9)) << "06. 12. 2026 "
        << "14:05:09";
    QTest::newRow("single digits get a leading zero")
        << QDateTime(QDate(1999, 1, 2), QTime(3, 4, 5)) << "02. 01. 1999 "
        << "03:04:05";
    QTest::newRow("late evening on a 24-hour clock")
        << QDateTime(QDate(2000, 2, 29), QTime(23, 59, 59)) << "29. 02. 2000 "
        << "23:59:59";
}

void TestMainFrame::dateAndTimePanes()
{
    QFETCH(QDateTime, now);
    QFETCH(QString, date);
    QFETCH(QString, time);
    frame_->SetClock([now] { return now; });
    QLabel* datePane = frame_->PaneLabel(CMainFrame::DatePane);
    QLabel* timePane = frame_->PaneLabel(CMainFrame::TimePane);
    QCOMPARE(datePane->text(), date);
    QCOMPARE(timePane->text(), time);
    // Wide enough for the whole text, trailing blank included.
    QVERIFY(datePane->contentsRect().width() >= datePane->fontMetrics().horizontalAdvance(date));
    QVERIFY(timePane->contentsRect().width() >= timePane->fontMetrics().horizontalAdvance(time));
}

void TestMainFrame::lockPanes_data()
{
    QTest::addColumn<LockState>("locks");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("all off leaves the panes empty") << LockState {} << QStringList { "", "", "" };
    QTest::newRow("caps lock") << LockState { true, false, false } << QStringList { "UF", "", "" };
    QTest::newRow("num lock") << LockState { false, true, false } << QStringList { "", "NUM", "" };
    QTest::newRow("scroll lock") << LockState { false, false, true }
                                 << QStringList { "", "", "RF" };
    QTest::newRow("all on") << LockState { true, true, true } << QStringList { "UF", "NUM", "RF" };
}

void TestMainFrame::lockPanes()
{
    QFETCH(LockState, locks);
    QFETCH(QStringList, texts);
    const int capsWidth = frame_->PaneLabel(CMainFrame::CapsPane)->width();
    frame_->SetLockReader([locks] { return locks; });
    QStringList shown;
    for (auto pane : { CMainFrame::CapsPane, CMainFrame::NumPane, CMainFrame::ScrollPane })
        shown.append(frame_->PaneLabel(pane)->text());
    QCOMPARE(shown, texts);
    QCOMPARE(frame_->PaneLabel(CMainFrame::CapsPane)->width(), capsWidth);
}

void TestMainFrame::statusBarToggleKeepsPanes()
{
    frame_->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
    QAction* toggle = frame_->Action(59393);
    QVERIFY(toggle->isCheckable());
    QVERIFY(toggle->isChecked());

    toggle->trigger();
    QVERIFY(frame_->statusBar()->isHidden());
    QVERIFY(!toggle->isChecked());

    toggle->trigger();
    QVERIFY(frame_->statusBar()->isVisible());
    QVERIFY(toggle->isChecked());
    for (int pane = 0; pane < CMainFrame::PaneCount; ++pane) {
        QLabel* label = frame_->PaneLabel(CMainFrame::Pane(pane));
        QCOMPARE(label->parentWidget(), frame_->statusBar());
        QVERIFY(label->isVisible());
    }
}

void TestMainFrame::background_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QString>("format");
    QTest::newRow("smaller picture centred on grey") << QSize(101, 51) << "BMP";
    QTest::newRow("larger picture cut on both sides") << QSize(801, 603) << "BMP";
    QTest::newRow("a GIF is shown like a BMP") << QSize(121, 81) << "GIF";
    QTest::newRow("no picture file") << QSize() << "";
    QTest::newRow("a PNG is neither BMP nor GIF") << QSize(50, 50) << "PNG";
}

void TestMainFrame::background()
{
    QFETCH(QSize, picture);
    QFETCH(QString, format);
    QTemporaryDir dir;
    const QString file = dir.filePath("bild.bmp");
    if (!format.isEmpty())
        QVERIFY(WritePicture(file, picture, Qt::red, qPrintable(format)));
    app_->profile.Set("Parameter", "Hintergrundbild", file.toStdString());

    frame_->resize(620, 440);
    frame_->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
    BackgroundView* view = frame_->Background();
    const QImage shot = view->grab().toImage();
    const QRect client = view->ClientRect();
    QCOMPARE(client.height(), view->height() + frame_->statusBar()->height());

    if (format == "" || format == "PNG") {
        QVERIFY(view->PictureRect().isNull());
        QCOMPARE(shot.pixelColor(view->width() / 2, view->height() / 2), kGrey);
        return;
    }
    // Truncation toward zero: (620 - 801) / 2 is -90, not -91.
    const QPoint origin(
        (client.width() - picture.width()) / 2, (client.height() - picture.height()) / 2);
    QCOMPARE(view->PictureRect(), QRect(origin, picture));
    QCOMPARE(shot.pixelColor(client.center().x(), client.center().y()), QColor(Qt::red));
    const bool larger = picture.width() > client.width();
    QCOMPARE(shot.pixelColor(0, 0), larger ? QColor(Qt::red) : kGrey);
}

// The picture is read at every paint: whatever happened to the file since the
// last paint shows at the next one.
void TestMainFrame::pictureFollowsItsFile_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("centre");
    QTest::newRow("replaced by a larger picture")
        << "replace" << QSize(300, 200) << QColor(Qt::blue);
    QTest::newRow("replaced keeping size and modification time")
        << "keep time" << QSize(100, 60) << QColor(Qt::blue);
    QTest::newRow("removed leaves the grey") << "remove" << QSize() << kGrey;
    QTest::newRow("the profile names another file")
        << "rename" << QSize(100, 60) << QColor(Qt::blue);
}

void TestMainFrame::pictureFollowsItsFile()
{
    QFETCH(QString, change);
    QFETCH(QSize, size);
    QFETCH(QColor, centre);
    QTemporaryDir dir;
    QString file = dir.filePath("bild.bmp");
    QVERIFY(WritePicture(file, QSize(100, 60), Qt::red));
    app_->profile.Set("Parameter", "Hintergrundbild", file.toStdString());
    frame_->resize(620, 440);
    frame_->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
    BackgroundView* view = frame_->Background();
    const QPoint middle = view->ClientRect().center();
    QCOMPARE(view->grab().toImage().pixelColor(middle), QColor(Qt::red));

    const QDateTime modified = QFileInfo(file).lastModified();
    const qint64 bytes = QFileInfo(file).size();
    if (change == "remove") {
        QVERIFY(QFile::remove(file));
    } else if (change == "rename") {
        file = dir.filePath("anders.bmp");
        QVERIFY(WritePicture(file, size, Qt::blue));
        app_->profile.Set("Parameter", "Hintergrundbild", file.toStdString());
    } else {
        QVERIFY(WritePicture(file, size, Qt::blue));
    }
    if (change == "keep time") {
        QFile same(file);
        QVERIFY(same.open(QIODevice::ReadWrite));
        QVERIFY(same.setFileTime(modified, QFileDevice::FileModificationTime));
        same.close();
        QCOMPARE(QFileInfo(file).size(), bytes);
        QCOMPARE(QFileInfo(file).lastModified(), modified);
    }

    QCOMPARE(view->grab().toImage().pixelColor(middle), centre);
    if (size.isValid())
        QCOMPARE(view->PictureRect().size(), size);
    else
        QVERIFY(view->PictureRect().isNull());
}

QTEST_MAIN(TestMainFrame)
#include "test_main_frame.moc"
