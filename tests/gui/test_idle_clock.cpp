// The status-bar clock while nothing else happens: each tick repaints the
// panes whose text changed and nothing else of the window.
#include "TestSupport.h"
#include "app/CMainFrame.h"

#include <QLabel>
#include <QPaintEvent>
#include <QStatusBar>
#include <QtTest>

namespace {

// Records every widget of a window that paints, with the region it painted.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget& window)
    {
        window.installEventFilter(this);
        for (QWidget* child : window.findChildren<QWidget*>())
            child->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted.append(
                { static_cast<QWidget*>(watched), static_cast<QPaintEvent*>(event)->region() });
        return false;
    }
    struct Paint {
        QWidget* widget;
        QRegion region;
    };
    QList<Paint> painted;
};

} // namespace

class IdleClockTest : public QObject {
    Q_OBJECT
private slots:
    void tickRepaintsOnlyChangedPanes_data();
    void tickRepaintsOnlyChangedPanes();
};

void IdleClockTest::tickRepaintsOnlyChangedPanes_data()
{
    QTest::addColumn<QDateTime>("before");
    QTest::addColumn<bool>("dateChanges");
    const QDate day(2026, 12, 8);
    QTest::newRow("second") << QDateTime(day, QTime(14, 5, 9)) << false;
    QTest::newRow("minute") << QDateTime(day, QTime(14, 5, 59)) << false;
    QTest::newRow("midnight") << QDateTime(day, QTime(23, 59, 59)) << true;
}

void IdleClockTest::tickRepaintsOnlyChangedPanes()
{
    QFETCH(QDateTime, before);
    QFETCH(bool, dateChanges);
    TestApp app;
    CMainFrame frame(app);
    frame.SetLockReader([] { return LockState {}; });
    QDateTime now = before.addSecs(-1);
    frame.SetClock([&now] { return now; });
    frame.resize(620, 440);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QLabel* timePane = frame.PaneLabel(CMainFrame::TimePane);
    QLabel* datePane = frame.PaneLabel(CMainFrame::DatePane);
    QTRY_VERIFY(timePane->isVisible() && timePane->height() > 0);
    // The first tick after the window appears holds the panes' heights.
    now = before;
    frame.SetClock([&now] { return now; });
    QTRY_COMPARE(timePane->minimumHeight(), timePane->maximumHeight());
    QCoreApplication::processEvents();

    const QRect oldTime = timePane->geometry();
    const QRect oldDate = datePane->geometry();
    PaintWatch watch(frame);
    now = before.addSecs(1);
    frame.SetClock([&now] { return now; }); // one tick, as the timer gives it
    QTRY_VERIFY(!watch.painted.isEmpty());
    QCoreApplication::processEvents();

    QCOMPARE(timePane->geometry(), oldTime);
    QCOMPARE(datePane->geometry(), oldDate);
    // Panes in the window's coordinates; what lies behind them (bar, window)
    // may paint there and nowhere else.
    const auto inWindow = [&frame](QWidget* w, const QRegion& r) {
        return r.translated(w->mapTo(&frame, QPoint()));
    };
    QRegion allowed = inWindow(timePane, timePane->rect());
    QSet<QWidget*> expected { timePane };
    if (dateChanges) {
        allowed += inWindow(datePane, datePane->rect());
        expected.insert(datePane);
    }
    QSet<QWidget*> panes;
    for (const PaintWatch::Paint& p : watch.painted) {
        const QRegion painted = inWindow(p.widget, p.region);
        QVERIFY2((allowed & painted) == painted,
            qPrintable(
                p.widget->objectName() + QStringLiteral(" painted beyond the changed panes")));
        if (qobject_cast<QLabel*>(p.widget))
            panes.insert(p.widget);
    }
    QCOMPARE(panes, expected);
}

QTEST_MAIN(IdleClockTest)
#include "test_idle_clock.moc"
