#include "feedback/Art.h"
#include "feedback/CBitmapButton.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QtTest>

class BitmapButtonTest : public QObject {
    Q_OBJECT
private slots:
    void wordOnFace_data();
    void wordOnFace();
    void takesFaceSize_data();
    void takesFaceSize();
    void missingFaceKeepsSizeAndWord();
    void keys_data();
    void keys();
    void switchingFacesKeepsSize();
    void focusMarkIsVisible();
    void pressedFaceDiffers();
};

void BitmapButtonTest::wordOnFace_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("word");
    QTest::newRow("OK") << "OK"
                        << "OK";
    QTest::newRow("NEXT") << "NEXT"
                          << "Weiter";
    QTest::newRow("CANCEL") << "CANCEL"
                            << "Ende";
    QTest::newRow("HELPBUTTON") << "HELPBUTTON"
                                << "Hilfe";
    QTest::newRow("LOESEN") << "LOESEN"
                            << "Lösen";
    QTest::newRow("NOCHMALS") << "NOCHMALS"
                              << "Nochmal";
    QTest::newRow("OK2") << "OK2"
                         << "Ok";
    QTest::newRow("CANCEL2") << "CANCEL2"
                             << "Ende";
}

void BitmapButtonTest::wordOnFace()
{
    QFETCH(QString, caption);
    QFETCH(QString, word);
    CBitmapButton button;
    button.AutoLoad(caption);
    QCOMPARE(button.accessibleName(), word);
    QCOMPARE(button.text(), word);
    QCOMPARE(button.Caption(), caption);
    // A screen reader meets it as a push button named by that word.
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(&button);
    QVERIFY(access);
    QCOMPARE(access->role(), QAccessible::Button);
    QCOMPARE(access->text(QAccessible::Name), word);
}

void BitmapButtonTest::takesFaceSize_data()
{
    wordOnFace_data();
}

void BitmapButtonTest::takesFaceSize()
{
    QFETCH(QString, caption);
    const QSize face = Art::Size(caption + "U");
    if (!face.isValid())
        QSKIP("button faces are not built in");
    QVERIFY(Art::Size(caption + "D").isValid());
    QWidget dialog;
    CBitmapButton button(&dialog);
    button.setGeometry(30, 40, 75, 23);
    QVERIFY(button.AutoLoad(caption));
    QCOMPARE(button.size(), face);
    QCOMPARE(button.pos(), QPoint(30, 40));
    QCOMPARE(button.sizeHint(), face);
}

void BitmapButtonTest::missingFaceKeepsSizeAndWord()
{
    QWidget dialog;
    CBitmapButton button(&dialog);
    button.setGeometry(30, 40, 75, 23);
    QVERIFY(!button.AutoLoad("NOSUCHFACE", "Los"));
    QCOMPARE(button.geometry(), QRect(30, 40, 75, 23));
    QCOMPARE(button.accessibleName(), QString("Los"));
    QVERIFY(!button.HasFaces());
}

void BitmapButtonTest::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("clicks");
    QTest::newRow("Space clicks") << int(Qt::Key_Space) << 0 << 1;
    QTest::newRow("Return clicks") << int(Qt::Key_Return) << 0 << 1;
    QTest::newRow("keypad Enter clicks") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 1;
    QTest::newRow("Escape does not click") << int(Qt::Key_Escape) << 0 << 0;
    QTest::newRow("a letter does not click") << int(Qt::Key_A) << 0 << 0;
}

void BitmapButtonTest::keys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, clicks);
    CBitmapButton button;
    button.AutoLoad("OK");
    QSignalSpy clicked(&button, &QAbstractButton::clicked);
    QTest::keyClick(&button, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(clicked.count(), clicks);
}

void BitmapButtonTest::switchingFacesKeepsSize()
{
    CBitmapButton button;
    button.resize(79, 44);
    button.AutoLoad("OK");
    const QSize before = button.size();
    button.AutoLoad("NEXT");
    QCOMPARE(button.size(), before);
    QCOMPARE(button.accessibleName(), QString("Weiter"));
    button.AutoLoad("OK");
    QCOMPARE(button.size(), before);
    QCOMPARE(button.accessibleName(), QString("OK"));
}

void BitmapButtonTest::focusMarkIsVisible()
{
    QWidget window;
    CBitmapButton button(&window);
    button.setGeometry(10, 10, 87, 44);
    button.AutoLoad("LOESEN");
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    button.setFocus();
    QTRY_VERIFY(button.hasFocus());
    const QImage focused = button.grab().toImage();
    button.clearFocus();
    QVERIFY(!button.hasFocus());
    const QImage unfocused = button.grab().toImage();
    QVERIFY(focused != unfocused);
}

void BitmapButtonTest::pressedFaceDiffers()
{
    if (!Art::Size("OKD").isValid())
        QSKIP("button faces are not built in");
    CBitmapButton button;
    button.AutoLoad("OK");
    const QImage up = button.grab().toImage();
    button.setDown(true);
    QVERIFY(button.grab().toImage() != up);
}

QTEST_MAIN(BitmapButtonTest)
#include "test_bitmap_button.moc"
