// Launcher: the whole run of setup.exe, from the DLL search to the menu's end.
#pragma once
#include <windows.h>

class Launcher {
public:
    static const char InstallerMutexName[];
    // The whole run of the program; returns the process exit code.
    static int run(HINSTANCE instance);
};
