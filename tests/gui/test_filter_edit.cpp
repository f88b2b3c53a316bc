#include "settings/CCompareEdit.h"
#include "settings/CDigitEdit.h"
#include "settings/CLimitDlg.h"

#include "TestSupport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>

#include <memory>

// What the user does to a field: typed keys, or one of the ways of pasting.
enum class Input { Typing, CtrlV, ShiftInsert, ContextMenu, Drop, InputMethod };
Q_DECLARE_METATYPE(Input)

class FilterEditTest : public QObject {
    Q_OBJECT
private slots:
    void typing_data();
    void typing();
    void pasting_data();
    void pasting();
    void programTextIsNotFiltered();
    void refusedKeyKeepsSelection();
    void navigationKeysStillWork();

    void limitDialogOpensWithCallersText();
    void limitDialogTyping_data();
    void limitDialogTyping();
    void limitDialogClosing_data();
    void limitDialogClosing();
    void limitDialogLeaving_data();
    void limitDialogLeaving();
};

namespace {

std::unique_ptr<CFilterEdit> MakeFilter(bool compare)
{
    if (compare)
        return std::make_unique<CCompareEdit>();
    return std::make_unique<CDigitEdit>();
}

void Deliver(QLineEdit& edit, Input input, const QString& text)
{
    switch (input) {
    case Input::Typing:
        QTest::keyClicks(&edit, text);
        break;
    case Input::CtrlV:
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        break;
    case Input::ShiftInsert:
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(&edit, Qt::Key_Insert, Qt::ShiftModifier);
        break;
    case Input::ContextMenu: {
        QGuiApplication::clipboard()->setText(text);
        QContextMenuEvent event(
            QContextMenuEvent::Keyboard, QPoint(2, 2), edit.mapToGlobal(QPoint(2, 2)));
        QCoreApplication::sendEvent(&edit, &event);
        auto* menu = edit.findChild<QMenu*>();
        QVERIFY(menu);
        QAction* paste = nullptr;
        for (QAction* action : menu->actions()) {
            if (action->text().startsWith(QLineEdit::tr("&Paste")))
                paste = action;
        }
        QVERIFY(paste);
        paste->trigger();
        menu->close();
        break;
    }
    case Input::Drop: {
        QMimeData data;
        data.setText(text);
        const QPoint at(edit.width() - 2, 2);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&edit, &enter);
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&edit, &move);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&edit, &drop);
        break;
    }
    case Input::InputMethod: {
        QInputMethodEvent event;
        event.setCommitString(text);
        QCoreApplication::sendEvent(&edit, &event);
        break;
    }
    }
}

} // namespace

void FilterEditTest::typing_data()
{
    QTest::addColumn<bool>("compare");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("digits appear") << false << "0123456789"
                                   << "0123456789";
    QTest::newRow("letters dropped") << false << "a1b2Z"
                                     << "12";
    QTest::newRow("minus, blank and plus dropped") << false << "-1 2+"
                                                   << "12";
    QTest::newRow("umlaut and signs dropped") << false << "ä<>=3"
                                              << "3";
    QTest::newRow("backspace deletes") << false << "123\b"
                                       << "12";
    QTest::newRow("signs appear") << true << "<>"
                                  << "<>";
    QTest::newRow("equals and digits dropped") << true << "=1<2>"
                                               << "<>";
    QTest::newRow("blank and letters dropped") << true << " x<"
                                               << "<";
}

void FilterEditTest::typing()
{
    QFETCH(bool, compare);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QLineEdit edit;
    auto filter = MakeFilter(compare);
    filter->Attach(&edit);
    for (QChar c : typed) {
        if (c == QLatin1Char('\b'))
            QTest::keyClick(&edit, Qt::Key_Backspace);
        else if (c.unicode() < 128)
            QTest::keyClicks(&edit, QString(c));
        else
            QTest::sendKeyEvent(
                QTest::Click, &edit, Qt::Key(c.toUpper().unicode()), QString(c), {});
    }
    QCOMPARE(edit.text(), expected);
}

void FilterEditTest::pasting_data()
{
    QTest::addColumn<bool>("compare");
    QTest::addColumn<Input>("input");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("expected");
    const QList<std::pair<const char*, Input>> ways {
        { "Ctrl+V", Input::CtrlV },
        { "Shift+Insert", Input::ShiftInsert },
        { "context menu", Input::ContextMenu },
        { "drop", Input::Drop },
        { "input method", Input::InputMethod },
    };
    for (const auto& [name, input] : ways) {
        QTest::addRow("%s: 12a keeps the digits", name) << false << input << "12a"
                                                        << "912";
        QTest::addRow("%s: letters only change nothing", name) << false << input << "abc"
                                                               << "9";
        QTest::addRow("%s: <=> keeps the signs", name) << true << input << "<=>"
                                                       << "<<>";
    }
}

void FilterEditTest::pasting()
{
    QFETCH(bool, compare);
    QFETCH(Input, input);
    QFETCH(QString, pasted);
    QFETCH(QString, expected);
    QLineEdit edit;
    edit.resize(120, 24);
    edit.show();
    auto filter = MakeFilter(compare);
    filter->Attach(&edit);
    const QString before = compare ? "<" : "9";
    edit.setText(before);
    edit.end(false);
    Deliver(edit, input, pasted);
    QTRY_COMPARE(edit.text(), expected);
    // What got in is one step to undo, as a paste of it would be.
    edit.undo();
    QCOMPARE(edit.text(), before);
}

void FilterEditTest::programTextIsNotFiltered()
{
    QLineEdit edit;
    CDigitEdit digits;
    digits.Attach(&edit);
    edit.setText("a-1 =");
    QCOMPARE(edit.text(), QString("a-1 ="));
    edit.end(false);
    QTest::keyClicks(&edit, "x7");
    QCOMPARE(edit.text(), QString("a-1 =7"));
}

void FilterEditTest::refusedKeyKeepsSelection()
{
    QLineEdit edit;
    CDigitEdit digits;
    digits.Attach(&edit);
    edit.setText("20");
    edit.selectAll();
    QTest::keyClicks(&edit, "x-");
    QCOMPARE(edit.text(), QString("20"));
    QCOMPARE(edit.selectedText(), QString("20"));
    QTest::keyClicks(&edit, "5");
    QCOMPARE(edit.text(), QString("5"));
}

void FilterEditTest::navigationKeysStillWork()
{
    QLineEdit edit;
    CDigitEdit digits;
    digits.Attach(&edit);
    edit.setText("1234");
    edit.end(false);
    QTest::keyClick(&edit, Qt::Key_Left);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QCOMPARE(edit.text(), QString("24"));
    QTest::keyClick(&edit, Qt::Key_End);
    QTest::keyClicks(&edit, "9");
    QCOMPARE(edit.text(), QString("249"));
}

void FilterEditTest::limitDialogOpensWithCallersText()
{
    QString value = "20";
    CLimitDlg dlg(value);
    QCOMPARE(dlg.windowTitle(), QString("Aufgaben bis ?"));
    auto* field = dlg.findChild<QLineEdit*>("limitField");
    QCOMPARE(field->text(), QString("20"));
    QCOMPARE(field->accessibleName(), QString("Grenze"));
    auto* ok = dlg.findChild<QPushButton*>("okButton");
    QVERIFY(ok && ok->isDefault());
    QCOMPARE(ok->text(), QString("OK"));
    QCOMPARE(dlg.findChild<QPushButton*>("cancelButton")->text(), QString("Abbruch"));
}

void FilterEditTest::limitDialogTyping_data()
{
    QTest::addColumn<Input>("input");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("typing replaces the proposal") << Input::Typing << "7"
                                                  << "7";
    QTest::newRow("letters, minus and blank dropped") << Input::Typing << "a- 5b"
                                                      << "5";
    QTest::newRow("a fifth digit is refused") << Input::Typing << "12345"
                                              << "1234";
    QTest::newRow("leading zeros are kept") << Input::Typing << "0020"
                                            << "0020";
    QTest::newRow("pasted: the first four digits kept") << Input::CtrlV << "1a2345"
                                                        << "1234";
}

void FilterEditTest::limitDialogTyping()
{
    QFETCH(Input, input);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QString value = "20";
    CLimitDlg dlg(value);
    dlg.show();
    auto* field = dlg.findChild<QLineEdit*>("limitField");
    Deliver(*field, input, typed);
    QTRY_COMPARE(field->text(), expected);
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(dlg.result(), QDialog::Accepted);
    QCOMPARE(value, expected);
}

void FilterEditTest::limitDialogClosing_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("value");
    QTest::newRow("OK button") << "ok" << 1 << "35";
    QTest::newRow("Enter") << "enter" << 1 << "35";
}

void FilterEditTest::limitDialogClosing()
{
    QFETCH(QString, how);
    QFETCH(int, result);
    QFETCH(QString, value);
    QString text = "20";
    CLimitDlg dlg(text);
    dlg.show();
    QTest::keyClicks(dlg.findChild<QLineEdit*>("limitField"), "35");
    if (how == "ok")
        QTest::mouseClick(dlg.findChild<QPushButton*>("okButton"), Qt::LeftButton);
    else
        QTest::keyClick(dlg.findChild<QLineEdit*>("limitField"), Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), result);
    QCOMPARE(text, value);
}

void FilterEditTest::limitDialogLeaving_data()
{
    QTest::addColumn<QString>("how");
    AddLeaveRows();
}

void FilterEditTest::limitDialogLeaving()
{
    QFETCH(QString, how);
    QString text = "20";
    CLimitDlg dlg(text);
    dlg.show();
    QTest::keyClicks(dlg.findChild<QLineEdit*>("limitField"), "35");
    Leave(dlg, how, dlg.findChild<QPushButton*>("cancelButton"));
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
    QCOMPARE(text, QStringLiteral("20"));
}

QTEST_MAIN(FilterEditTest)
#include "test_filter_edit.moc"
