#include "TestSupport.h"

#include "app/CFontChooserDlg.h"
#include "app/EditDisplayFont.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {
// The ten keys as OK writes them, in their order.
QStringList Choice(const QString& section, int red, int green, int blue, int underline, int italic,
    int strikeOut, int height, int width, int weight, const QString& name)
{
    QStringList lines;
    const QList<QPair<QString, QString>> keys {
        { "Rot", QString::number(red) },
        { "Gruen", QString::number(green) },
        { "Blau", QString::number(blue) },
        { "Underline", QString::number(underline) },
        { "Italic", QString::number(italic) },
        { "StrikeOut", QString::number(strikeOut) },
        { "FontHeight", QString::number(height) },
        { "FontWidth", QString::number(width) },
        { "FontWeight", QString::number(weight) },
        { "Name", name },
    };
    for (const auto& [key, value] : keys)
        lines << section + "/" + key + "=" + value;
    return lines;
}

void TypeSize(CFontChooserDlg& dialog, const QString& size)
{
    dialog.findChild<QComboBox*>("sizeBox")->lineEdit()->clear();
    QTest::keyClicks(dialog.findChild<QComboBox*>("sizeBox")->lineEdit(), size);
}

// A check box takes clicks on its mark and its word only.
void Tick(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

int Accept(CFontChooserDlg& dialog)
{
    dialog.OkButton()->click();
    return dialog.result();
}
} // namespace

class TestFontChooser : public QObject {
    Q_OBJECT
private slots:
    void opensOnStoredStyle_data();
    void opensOnStoredStyle();
    void sizeBounds_data();
    void sizeBounds();
    void boldItalicDarkRed();
    void cancelWritesNothing_data();
    void cancelWritesNothing();
    void weight_data();
    void weight();
    void longFaceName_data();
    void longFaceName();
    void enterInSizeBoxAccepts();
    void keyboardOrder();
    void blankNameChoosesNoFace();
    void failedWriteToldOnce();
};

void TestFontChooser::opensOnStoredStyle_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QString>("face");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<bool>("strikeOut");
    QTest::addColumn<QColor>("color");

    QTest::newRow("no BigFont section") << "BigFont" << QStringList {} << "Arial" << false << false
                                        << false << false << QColor(0, 0, 0);
    QTest::newRow("no SmallFont section") << "SmallFont" << QStringList {} << "Arial" << false
                                          << false << false << false << QColor(0, 0, 0);
    QTest::newRow("every effect stored")
        << "BigFont"
        << QStringList { "Name=DejaVu Serif", "FontWeight=700", "Italic=1", "Underline=1",
               "StrikeOut=1", "Rot=10", "Gruen=20", "Blau=30" }
        << "DejaVu Serif" << true << true << true << true << QColor(10, 20, 30);
    QTest::newRow("only low bytes count")
        << "SmallFont" << QStringList { "Italic=256", "Underline=257", "Rot=300", "Blau=-1" }
        << "Arial" << false << false << true << false << QColor(44, 0, 255);
    QTest::newRow("unknown face still offered")
        << "BigFont" << QStringList { "Name=Kinderschrift" } << "Kinderschrift" << false << false
        << false << false << QColor(0, 0, 0);
}

// Whatever is stored, the size box starts empty so OK waits for a size.
void TestFontChooser::opensOnStoredStyle()
{
    QFETCH(QString, section);
    QFETCH(QStringList, stored);
    QFETCH(QString, face);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(bool, underline);
    QFETCH(bool, strikeOut);
    QFETCH(QColor, color);

    TestApp app;
    for (const QString& line : stored)
        app.profile.Set(section.toStdString(), line.section('=', 0, 0).toStdString(),
            line.section('=', 1).toStdString());
    bool ran = false;
    DisplayFontSeams seams;
    seams.run = [&](CFontChooserDlg& dialog) {
        ran = true;
        [&] {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Schriftart"));
            QVERIFY(dialog.findChild<QListWidget*>("faceList")->currentItem());
            QCOMPARE(dialog.findChild<QListWidget*>("faceList")->currentItem()->text(), face);
            QCOMPARE(dialog.findChild<QCheckBox*>("boldBox")->isChecked(), bold);
            QCOMPARE(dialog.findChild<QCheckBox*>("italicBox")->isChecked(), italic);
            QCOMPARE(dialog.findChild<QCheckBox*>("underlineBox")->isChecked(), underline);
            QCOMPARE(dialog.findChild<QCheckBox*>("strikeOutBox")->isChecked(), strikeOut);
            QCOMPARE(dialog.Color(), color);
            QCOMPARE(dialog.findChild<QLabel*>("preview")->palette().color(QPalette::WindowText), color);
            QCOMPARE(dialog.findChild<QLabel*>("preview")->palette().color(QPalette::Window), QColor(0, 0, 255));
            QVERIFY(dialog.findChild<QComboBox*>("sizeBox")->currentText().isEmpty());
            QCOMPARE(dialog.SizeTenths(), -1);
            QVERIFY(!dialog.OkButton()->isEnabled());
        }();
        return Accept(dialog);
    };
    EditDisplayFont(app, nullptr, { section.toStdString(), 20, 45 }, seams);
    QVERIFY(ran);
    QVERIFY(app.profile.Writes().empty());
}

void TestFontChooser::sizeBounds_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<int>("minSize");
    QTest::addColumn<int>("maxSize");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("storedHeight");

    QTest::newRow("big: 24 refused") << "BigFont" << 25 << 45 << "24" << -1;
    QTest::newRow("big: 25 taken") << "BigFont" << 25 << 45 << "25" << 25;
    QTest::newRow("big: 45 taken") << "BigFont" << 25 << 45 << "45" << 45;
    QTest::newRow("big: 46 refused") << "BigFont" << 25 << 45 << "46" << -1;
    QTest::newRow("big: 45,5 refused") << "BigFont" << 25 << 45 << "45,5" << -1;
    QTest::newRow("big: 28,7 cut to 28") << "BigFont" << 25 << 45 << "28,7" << 28;
    QTest::newRow("big: 28.5 cut to 28") << "BigFont" << 25 << 45 << "28.5" << 28;
    QTest::newRow("big: letters refused") << "BigFont" << 25 << 45 << "zehn" << -1;
    QTest::newRow("small: 19 refused") << "SmallFont" << 20 << 30 << "19" << -1;
    QTest::newRow("small: 20 taken") << "SmallFont" << 20 << 30 << "20" << 20;
    QTest::newRow("small: 30 taken") << "SmallFont" << 20 << 30 << "30" << 30;
    QTest::newRow("small: 31 refused") << "SmallFont" << 20 << 30 << "31" << -1;
}

void TestFontChooser::sizeBounds()
{
    QFETCH(QString, section);
    QFETCH(int, minSize);
    QFETCH(int, maxSize);
    QFETCH(QString, typed);
    QFETCH(int, storedHeight);

    TestApp app;
    DisplayFontSeams seams;
    seams.run = [&](CFontChooserDlg& dialog) {
        QComboBox* box = dialog.findChild<QComboBox*>("sizeBox");
        if (box->count() != maxSize - minSize + 1 || box->itemText(0) != QString::number(minSize))
            return -1;
        TypeSize(dialog, typed);
        return Accept(dialog);
    };
    EditDisplayFont(app, nullptr, { section.toStdString(), minSize, maxSize }, seams);

    if (storedHeight < 0) {
        QVERIFY(app.profile.Writes().empty());
    } else {
        const std::string height
            = app.profile.GetProfileString(section.toStdString(), "FontHeight");
        QCOMPARE(QString::fromStdString(height), QString::number(storedHeight));
    }
}

void TestFontChooser::boldItalicDarkRed()
{
    TestApp app;
    DisplayFontSeams seams;
    seams.run = [&](CFontChooserDlg& dialog) {
        dialog.show();
        dialog.SetColorPicker([](QWidget*, const QColor&) { return QColor(128, 0, 0); });
        const auto arial = dialog.findChild<QListWidget*>("faceList")->findItems("Arial", Qt::MatchExactly);
        if (arial.size() == 1)
            dialog.findChild<QListWidget*>("faceList")->setCurrentItem(arial.first());
        Tick(dialog.findChild<QCheckBox*>("boldBox"));
        Tick(dialog.findChild<QCheckBox*>("italicBox"));
        TypeSize(dialog, "28");
        QTest::mouseClick(dialog.findChild<QPushButton*>("colorButton"), Qt::LeftButton);
        return Accept(dialog);
    };
    EditDisplayFont(app, nullptr, BigStyle, seams);
    QCOMPARE(
        app.profile.WrittenLines(), Choice("BigFont", 128, 0, 0, 0, 1, 0, 28, 0, 700, "Arial"));
}

void TestFontChooser::cancelWritesNothing_data()
{
    QTest::addColumn<QString>("how");
    AddLeaveRows();
}

void TestFontChooser::cancelWritesNothing()
{
    QFETCH(QString, how);

    TestApp app;
    DisplayFontSeams seams;
    seams.run = [&](CFontChooserDlg& dialog) {
        dialog.show();
        dialog.findChild<QListWidget*>("faceList")->setCurrentRow(0);
        for (QCheckBox* box :
            { dialog.findChild<QCheckBox*>("boldBox"), dialog.findChild<QCheckBox*>("italicBox"), dialog.findChild<QCheckBox*>("underlineBox"), dialog.findChild<QCheckBox*>("strikeOutBox") })
            box->setChecked(true);
        TypeSize(dialog, "30");
        dialog.SetColor(Qt::green);
        Leave(dialog, how, dialog.CancelButton());
        return dialog.result();
    };
    EditDisplayFont(app, nullptr, BigStyle, seams);
    QVERIFY(app.profile.Writes().empty());
}

void TestFontChooser::weight_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("toggleBold");
    QTest::addColumn<int>("written");

    QTest::newRow("normal kept") << "400" << false << 400;
    QTest::newRow("normal made bold") << "400" << true << 700;
    QTest::newRow("bold made normal") << "700" << true << 400;
    QTest::newRow("light kept while untouched") << "300" << false << 300;
    QTest::newRow("semibold shows bold, kept") << "600" << false << 600;
    QTest::newRow("no weight becomes normal") << "0" << false << 400;
    QTest::newRow("nonsense weight becomes bold") << "5000" << false << 700;
}

void TestFontChooser::weight()
{
    QFETCH(QString, stored);
    QFETCH(bool, toggleBold);
    QFETCH(int, written);

    TestApp app;
    app.profile.Set("SmallFont", "FontWeight", stored.toStdString());
    DisplayFontSeams seams;
    seams.run = [&](CFontChooserDlg& dialog) {
        if (toggleBold)
            Tick(dialog.findChild<QCheckBox*>("boldBox"));
        TypeSize(dialog, "22");
        return Accept(dialog);
    };
    EditDisplayFont(app, nullptr, SmallStyle, seams);
    QCOMPARE(app.profile.GetProfileInt("SmallFont", "FontWeight", -1), written);
}

void TestFontChooser::longFaceName_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("written");

    const QString letters31 = QString(31, 'x');
    QTest::newRow("31 bytes kept") << letters31 << letters31;
    QTest::newRow("40 letters cut to 31") << QString(40, 'y') << QString(31, 'y');
    QTest::newRow("umlaut across the boundary dropped whole")
        << QString(30, 'a') + "ÜÜ" << QString(30, 'a');
    QTest::newRow("umlaut ending at the boundary kept")
        << QString(29, 'a') + "ÜÜ" << QString(29, 'a') + "Ü";
    QTest::newRow("four-byte character not split")
        << QString(29, 'a') + QString::fromUtf8("\xF0\x9F\x98\x80") << QString(29, 'a');
}

void TestFontChooser::longFaceName()
{
    QFETCH(QString, stored);
    QFETCH(QString, written);

    TestApp app;
    app.profile.Set("BigFont", "Name", stored.toStdString());
    QString shown;
    DisplayFontSeams seams;
    seams.run = [&](CFontChooserDlg& dialog) {
        if (dialog.findChild<QListWidget*>("faceList")->currentItem())
            shown = dialog.findChild<QListWidget*>("faceList")->currentItem()->text();
        TypeSize(dialog, "30");
        return Accept(dialog);
    };
    EditDisplayFont(app, nullptr, BigStyle, seams);
    QCOMPARE(shown, written);
    const std::string name = app.profile.GetProfileString("BigFont", "Name");
    QVERIFY(name.size() <= 31);
    QCOMPARE(QString::fromStdString(name), written);
}

void TestFontChooser::enterInSizeBoxAccepts()
{
    TestApp app;
    DisplayFontSeams seams;
    seams.run = [&](CFontChooserDlg& dialog) {
        dialog.show();
        if (!QTest::qWaitForWindowActive(&dialog))
            return -1;
        dialog.findChild<QComboBox*>("sizeBox")->setFocus();
        TypeSize(dialog, "33");
        QTest::keyClick(dialog.findChild<QComboBox*>("sizeBox")->lineEdit(), Qt::Key_Return);
        return dialog.isVisible() ? -1 : dialog.result();
    };
    EditDisplayFont(app, nullptr, BigStyle, seams);
    QCOMPARE(app.profile.GetProfileInt("BigFont", "FontHeight", -1), 33);
}

// The face list has the focus at the start; Tab then visits style, size and
// the buttons before the effects, as in the platform's font dialog.
void TestFontChooser::keyboardOrder()
{
    CFontChooserDlg dialog(DisplayStyle { 25, 0, 400, 0, 0, 0, "Arial" }, 25, 45);
    dialog.findChild<QComboBox*>("sizeBox")->setEditText(QStringLiteral("30")); // OK takes the focus only when enabled
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    const QList<QWidget*> order { dialog.findChild<QListWidget*>("faceList"), dialog.findChild<QCheckBox*>("boldBox"), dialog.findChild<QCheckBox*>("italicBox"),
        dialog.findChild<QComboBox*>("sizeBox"), dialog.OkButton(), dialog.CancelButton(), dialog.findChild<QCheckBox*>("strikeOutBox"),
        dialog.findChild<QCheckBox*>("underlineBox"), dialog.findChild<QPushButton*>("colorButton"), dialog.findChild<QListWidget*>("faceList") };
    for (int step = 0; step < order.size(); ++step) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY2(focus == order.at(step) || order.at(step)->isAncestorOf(focus),
            qPrintable(QStringLiteral("step %1: %2")
                           .arg(step)
                           .arg(focus ? focus->metaObject()->className() : "none")));
        QTest::keyClick(focus, Qt::Key_Tab);
    }
}

// A stored name of blanks names no face: none is chosen, and the first row
// the list makes current on getting the focus is not taken for a choice.
void TestFontChooser::blankNameChoosesNoFace()
{
    TestApp app;
    app.profile.Set("BigFont", "Name", "  ");
    DisplayFontSeams seams;
    seams.run = [&](CFontChooserDlg& dialog) {
        dialog.show();
        if (!QTest::qWaitForWindowActive(&dialog) || dialog.ChosenFace())
            return -1;
        TypeSize(dialog, "30");
        if (Accept(dialog) == QDialog::Accepted || dialog.OkButton()->isEnabled())
            return -2;
        dialog.findChild<QListWidget*>("faceList")->setCurrentRow(0);
        return Accept(dialog);
    };
    EditDisplayFont(app, nullptr, BigStyle, seams);
    QCOMPARE(QString::fromStdString(app.profile.GetProfileString("BigFont", "Name")),
        QFontDatabase::families().value(0));
}

void TestFontChooser::failedWriteToldOnce()
{
    ReadOnlyApp app;
    NoticeLog notices;
    DisplayFontSeams seams;
    seams.failureNotice = notices.Recorder();
    seams.run = [&](CFontChooserDlg& dialog) {
        TypeSize(dialog, "30");
        return Accept(dialog);
    };
    EditDisplayFont(app, nullptr, BigStyle, seams);
    QCOMPARE(int(app.profile.attempts.size()), 10);
    QCOMPARE(notices.texts, QStringList { kReadOnlyFailure });
}

QTEST_MAIN(TestFontChooser)
#include "test_font_chooser.moc"
