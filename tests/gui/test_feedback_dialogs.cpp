#include "TestSupport.h"
#include "feedback/CSoundDlg.h"
#include "feedback/CWrongAnswerDlg.h"

#include <QCheckBox>
#include <QLabel>
#include <QtTest>

// Ways of ending a dialog, as the child or parent would.
enum class Close {
    FirstButton,
    SecondButton,
    EnterAtStart,
    SpaceAtStart,
    EnterAfterTab,
    Escape,
    CloseBox
};
Q_DECLARE_METATYPE(Close)

class FeedbackDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void wrongAnswerLayout();
    void wrongAnswerPictures_data();
    void wrongAnswerPictures();
    void wrongAnswerResult_data();
    void wrongAnswerResult();
    void wrongAnswerStartsOnSolveAndTabs();
    void centredOverOpener();

    void soundLayout();
    void soundPreset_data();
    void soundPreset();
    void soundResult_data();
    void soundResult();
    void soundWriteFailureIsTold();
};

namespace {

void Show(CDialog& dlg)
{
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
}

// Closes dlg the given way; first and second are the buttons in tab order.
void CloseDialog(CDialog& dlg, QAbstractButton& first, QAbstractButton& second, Close how)
{
    switch (how) {
    case Close::FirstButton:
        QTest::mouseClick(&first, Qt::LeftButton);
        break;
    case Close::SecondButton:
        QTest::mouseClick(&second, Qt::LeftButton);
        break;
    case Close::EnterAtStart:
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        break;
    case Close::SpaceAtStart:
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        break;
    case Close::EnterAfterTab:
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        break;
    case Close::Escape:
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        break;
    case Close::CloseBox:
        dlg.close();
        break;
    }
}

void AddCloseRows(int firstResult, int secondResult)
{
    QTest::newRow("first button") << Close::FirstButton << firstResult;
    QTest::newRow("second button") << Close::SecondButton << secondResult;
    QTest::newRow("Enter at start") << Close::EnterAtStart << firstResult;
    QTest::newRow("Space at start") << Close::SpaceAtStart << firstResult;
    QTest::newRow("Enter on the second button") << Close::EnterAfterTab << secondResult;
    QTest::newRow("Escape") << Close::Escape << int(QDialog::Rejected);
    QTest::newRow("close box") << Close::CloseBox << int(QDialog::Rejected);
}

} // namespace

void FeedbackDialogsTest::wrongAnswerLayout()
{
    CWrongAnswerDlg dlg;
    QCOMPARE(dlg.windowTitle(), QString("Oh! Oooooh!"));
    QCOMPARE(dlg.size(), QSize(387, 218));
    QCOMPARE(dlg.minimumSize(), dlg.maximumSize());
    QCOMPARE(dlg.SolveButton().pos(), QPoint(113, 146));
    QCOMPARE(dlg.TryAgainButton().pos(), QPoint(15, 146));
    QCOMPARE(dlg.SolveButton().accessibleName(), QString("Lösen"));
    QCOMPARE(dlg.TryAgainButton().accessibleName(), QString("Nochmal"));
    if (dlg.SolveButton().HasFaces()) {
        QCOMPARE(dlg.SolveButton().size(), QSize(87, 44));
        QCOMPARE(dlg.TryAgainButton().size(), QSize(87, 44));
    }
    // The try-again button lies left of the solve button without touching it.
    QVERIFY(dlg.TryAgainButton().geometry().right() < dlg.SolveButton().x());
}

void FeedbackDialogsTest::wrongAnswerPictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("words");
    QTest::newRow("girl") << "bitmap137" << QRect(203, 8, 178, 198) << "";
    QTest::newRow("not quite right")
        << "bitmap149" << QRect(23, 8, 194, 62) << "Das ist leider nicht ganz richtig !";
    QTest::newRow("try again") << "bitmap150" << QRect(15, 73, 196, 26)
                               << "Willst es nochmals versuchen";
    QTest::newRow("or solve") << "bitmap148" << QRect(38, 98, 141, 29) << "oder soll ich lösen ?";
}

void FeedbackDialogsTest::wrongAnswerPictures()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, words);
    CWrongAnswerDlg dlg;
    auto* picture = dlg.findChild<QLabel*>(name);
    QVERIFY(picture);
    QCOMPARE(picture->geometry(), geometry);
    QVERIFY(dlg.rect().contains(picture->geometry()));
    // Whatever is shown, the words reach a screen reader.
    if (picture->pixmap().isNull())
        QCOMPARE(picture->text(), words);
    else
        QCOMPARE(picture->accessibleName(), words);
}

void FeedbackDialogsTest::wrongAnswerResult_data()
{
    QTest::addColumn<Close>("how");
    QTest::addColumn<int>("result");
    AddCloseRows(int(QDialog::Accepted), int(QDialog::Rejected));
}

void FeedbackDialogsTest::wrongAnswerResult()
{
    QFETCH(Close, how);
    QFETCH(int, result);
    CWrongAnswerDlg dlg;
    Show(dlg);
    CloseDialog(dlg, dlg.SolveButton(), dlg.TryAgainButton(), how);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), result);
}

void FeedbackDialogsTest::wrongAnswerStartsOnSolveAndTabs()
{
    CWrongAnswerDlg dlg;
    Show(dlg);
    QCOMPARE(QApplication::focusWidget(), &dlg.SolveButton());
    QTest::keyClick(&dlg.SolveButton(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &dlg.TryAgainButton());
    QTest::keyClick(&dlg.TryAgainButton(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &dlg.SolveButton());
}

void FeedbackDialogsTest::centredOverOpener()
{
    QWidget opener;
    opener.setGeometry(200, 150, 700, 500);
    opener.show();
    QVERIFY(QTest::qWaitForWindowExposed(&opener));
    CWrongAnswerDlg dlg;
    dlg.CenterOver(&opener);
    Show(dlg);
    const QPoint offset = dlg.frameGeometry().center() - opener.frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 4,
        qPrintable(QString("off by %1, %2").arg(offset.x()).arg(offset.y())));
}

void FeedbackDialogsTest::soundLayout()
{
    TestApp app;
    CSoundDlg dlg(app);
    QCOMPARE(dlg.windowTitle(), QString("Sound"));
    QCOMPARE(dlg.size(), QSize(258, 107));
    QCOMPARE(dlg.findChild<QCheckBox*>("soundBox")->text(), QString("Einschalten/Ausschalten"));
    QCOMPARE(dlg.findChild<QCheckBox*>("soundBox")->geometry(), QRect(42, 16, 173, 16));
    QCOMPARE(dlg.OkButton().pos(), QPoint(23, 49));
    QCOMPARE(dlg.CancelButton().pos(), QPoint(150, 49));
    QCOMPARE(dlg.OkButton().accessibleName(), QString("Ok"));
    QCOMPARE(dlg.CancelButton().accessibleName(), QString("Ende"));
    for (QWidget* w :
        { static_cast<QWidget*>(&dlg.OkButton()), static_cast<QWidget*>(&dlg.CancelButton()) })
        QVERIFY(dlg.rect().contains(w->geometry()));
    Show(dlg);
    QCOMPARE(QApplication::focusWidget(), &dlg.OkButton());
}

void FeedbackDialogsTest::soundPreset_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("checked");
    QTest::newRow("fresh profile") << QString() << false;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("1") << "1" << true;
    QTest::newRow("other non-zero") << "7" << true;
    QTest::newRow("negative") << "-1" << true;
    QTest::newRow("no digits") << "ja" << false;
}

void FeedbackDialogsTest::soundPreset()
{
    QFETCH(QString, stored);
    QFETCH(bool, checked);
    TestApp app;
    if (!stored.isNull())
        app.profile.Set("Parameter", "Sound", stored.toStdString());
    CSoundDlg dlg(app);
    QCOMPARE(dlg.findChild<QCheckBox*>("soundBox")->isChecked(), checked);
    QVERIFY(app.profile.Writes().empty());
}

void FeedbackDialogsTest::soundResult_data()
{
    QTest::addColumn<Close>("how");
    QTest::addColumn<int>("result");
    AddCloseRows(int(QDialog::Accepted), int(QDialog::Rejected));
}

void FeedbackDialogsTest::soundResult()
{
    QFETCH(Close, how);
    QFETCH(int, result);
    for (const bool tick : { false, true }) {
        TestApp app;
        app.profile.Set("Parameter", "Sound", tick ? "0" : "1");
        CSoundDlg dlg(app);
        Show(dlg);
        dlg.findChild<QCheckBox*>("soundBox")->setChecked(tick);
        CloseDialog(dlg, dlg.OkButton(), dlg.CancelButton(), how);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), result);
        std::vector<MemoryProfile::Write> expected;
        if (result == 1)
            expected.push_back({ "Parameter", "Sound", tick ? "1" : "0" });
        QCOMPARE(app.profile.Writes(), expected);
    }
}

// "Ok" with a profile that cannot be written says so, as the other
// dialogs that store settings do, and still closes.
void FeedbackDialogsTest::soundWriteFailureIsTold()
{
    ReadOnlyApp app;
    NoticeLog notices;
    CSoundDlg dlg(app);
    dlg.SetFailureNotice(notices.Recorder());
    Show(dlg);
    QTest::mouseClick(&dlg.OkButton(), Qt::LeftButton);
    QCOMPARE(int(app.profile.attempts.size()), 1);
    QCOMPARE(notices.texts, QStringList { kReadOnlyFailure });
    QVERIFY(!dlg.isVisible());
}

QTEST_MAIN(FeedbackDialogsTest)
#include "test_feedback_dialogs.moc"
