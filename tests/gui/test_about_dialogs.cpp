#include "app/CAboutDlg.h"
#include "app/CContactDlg.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

class TestAboutDialogs : public QObject {
    Q_OBJECT

private slots:
    void aboutTexts();
    void aboutCloses_data();
    void aboutCloses();
    void contactDialog();
    void contactCloses_data();
    void contactCloses();
};

void TestAboutDialogs::aboutTexts()
{
    CAboutDlg dlg;
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Info über Pilo"));
    const QList<QLabel*> lines = dlg.TextLines();
    QStringList texts;
    for (QLabel* line : lines)
        texts.append(line->text());
    QCOMPARE(texts,
        (QStringList {
            "Pilo, Version 1.11", "Ein Rechentrainer für Kinder.", "© 2026 Pilo-Team" }));
    QVERIFY(dlg.OkButton()->isDefault());
    QCOMPARE(dlg.OkButton()->text(), QStringLiteral("OK"));
    QVERIFY(!dlg.findChild<QLabel*>("icon")->pixmap().isNull());
    // At least the layout's 173 x 46 dialog units, and every text whole.
    QVERIFY(dlg.width() >= 260 && dlg.height() >= 75);
    for (QLabel* line : lines) {
        QVERIFY(dlg.rect().contains(line->geometry()));
        QVERIFY2(
            !line->geometry().intersects(dlg.OkButton()->geometry()), qPrintable(line->text()));
    }
}

void TestAboutDialogs::aboutCloses_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(QDialog::Accepted);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(QDialog::Accepted);
    QTest::newRow("Escape") << int(Qt::Key_Escape) << int(QDialog::Rejected);
    QTest::newRow("OK button") << 0 << int(QDialog::Accepted);
}

void TestAboutDialogs::aboutCloses()
{
    QFETCH(int, key);
    QFETCH(int, result);
    CAboutDlg dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    if (key)
        QTest::keyClick(&dlg, Qt::Key(key));
    else
        QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), result);
}

void TestAboutDialogs::contactDialog()
{
    CContactDlg dlg;
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Fragen und Probleme ?"));
    QCOMPARE(dlg.findChild<QGroupBox*>("adviceBox")->title(), QStringLiteral("Rat und Hilfe"));
    QVERIFY(!dlg.findChild<QGroupBox*>("adviceBox")->findChildren<QLabel*>().isEmpty());
    QCOMPARE(dlg.OkButton().accessibleName(), QStringLiteral("OK"));
    QVERIFY(dlg.OkButton().HasFaces());
    QVERIFY(!dlg.findChild<QLabel*>("picture")->pixmap().isNull());
}

void TestAboutDialogs::contactCloses_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(QDialog::Accepted);
    QTest::newRow("Space on the focused OK") << int(Qt::Key_Space) << int(QDialog::Accepted);
    QTest::newRow("Escape") << int(Qt::Key_Escape) << int(QDialog::Rejected);
}

void TestAboutDialogs::contactCloses()
{
    QFETCH(int, key);
    QFETCH(int, result);
    CContactDlg dlg;
    dlg.show();
    dlg.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &dlg, Qt::Key(key));
    QTRY_VERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), result);
}

QTEST_MAIN(TestAboutDialogs)
#include "test_about_dialogs.moc"
