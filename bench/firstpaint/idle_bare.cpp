// The least a Qt program needs for the main window's idle work: a main
// window with the six menu titles and a status bar of the same six panes,
// whose date and time panes a one-second timer keeps current.  tools/bench.sh
// measures its CPU time while idle against the real program's.
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare clock"));
    for (const char* title : { "Plus", "Minus", "Vergleiche", "Eigene", "Optionen", "&Hilfe" })
        window.menuBar()->addMenu(QString::fromUtf8(title));
    window.setCentralWidget(new QWidget);
    QStatusBar* bar = window.statusBar();
    bar->addWidget(new QLabel(QStringLiteral("Drücken Sie F1, um Hilfe zu erhalten.")), 1);
    for (int i = 0; i < 3; ++i)
        bar->addPermanentWidget(new QLabel);
    auto* date = new QLabel;
    auto* time = new QLabel;
    bar->addPermanentWidget(date);
    bar->addPermanentWidget(time);
    QTimer clock;
    const auto tick = [date, time] {
        const QDateTime now = QDateTime::currentDateTime();
        date->setText(now.toString(QStringLiteral("dd. MM. yyyy ")));
        time->setText(now.toString(QStringLiteral("HH:mm:ss")));
    };
    QObject::connect(&clock, &QTimer::timeout, tick);
    clock.start(1000);
    tick();
    window.resize(620, 440);
    window.showMaximized();
    return app.exec();
}
