#include "app/CTrainerApp.h"
#include "app/CommandLine.h"

int main(int argc, char** argv)
{
    // Before the application object, which needs a display.
    if (const std::optional<int> status = AnswerCommandLine(argc, argv))
        return *status;
    CTrainerApp app(argc, argv);
    if (!app.InitInstance())
        return 0;
    return app.exec();
}
