// The least a Qt program with the same window needs: a main window with the
// six menu titles and an empty client area, shown the same way.
#include "FirstPaint.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char** argv)
{
    int appArgc = 1;
    QApplication app(appArgc, argv);
    FirstPaint probe(argc > 1 ? argv[1] : nullptr);
    QMainWindow window;
    for (const char* title : { "Plus", "Minus", "Vergleiche", "Eigene", "Optionen", "&Hilfe" })
        window.menuBar()->addMenu(QString::fromUtf8(title));
    auto* client = new QWidget;
    window.setCentralWidget(client);
    window.statusBar()->showMessage(QStringLiteral("Drücken Sie F1, um Hilfe zu erhalten."));
    client->installEventFilter(&probe);
    window.resize(620, 440);
    window.showMaximized();
    return app.exec();
}
