// Entry point of setup.exe; the command line is not read.
#include <windows.h>

#include "Launcher.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return Launcher::run(instance);
}
