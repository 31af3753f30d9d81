// Process start and end: the single-instance guard and the menu's run.
#pragma once
#include <windows.h>

class Launcher {
public:
    static const char InstallerMutexName[];
    // The whole run of the program; returns the process exit code.
    static int run(HINSTANCE instance);
};
