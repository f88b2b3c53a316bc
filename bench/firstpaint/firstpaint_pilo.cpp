// The program's own start (as app/main.cpp), up to the first paint of the
// background.
#include "FirstPaint.h"

#include "app/BackgroundView.h"
#include "app/CMainFrame.h"
#include "app/CTrainerApp.h"

int main(int argc, char** argv)
{
    int appArgc = 1;
    CTrainerApp app(appArgc, argv);
    FirstPaint probe(argc > 1 ? argv[1] : nullptr);
    if (!app.InitInstance())
        return 1;
    app.MainFrame()->Background()->installEventFilter(&probe);
    return app.exec();
}
