#include "app/CTrainerApp.h"

int main(int argc, char** argv)
{
    CTrainerApp app(argc, argv);
    if (!app.InitInstance())
        return 0;
    return app.exec();
}
