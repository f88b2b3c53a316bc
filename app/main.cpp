#include <cstdio>

int main()
{
    std::fprintf(stderr, "Pilo: the main window is not built yet.\n");
    return 1;
}
