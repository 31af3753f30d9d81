// Entry point of setup.exe; the command line is not read.
#include <windows.h>

#include "app/Launcher.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return Launcher::run(instance);
}
