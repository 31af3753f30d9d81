// Process start and end: the single-instance guard and the menu's run.
#include "Launcher.h"

#include <commctrl.h>

#include "../menu/SetupMenuDialog.h"

const char Launcher::InstallerMutexName[] = "DrosselinInstプログラム";

int Launcher::run(HINSTANCE instance)
{
    HANDLE installerMutex = CreateMutexA(nullptr, FALSE, InstallerMutexName);
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(installerMutex);
        return 0;
    }
    InitCommonControls();
    {
        SetupMenuDialog menu;
        menu.showModal(instance, "IDD_SETUP_DLG", nullptr);
        if (installerMutex != nullptr)
            CloseHandle(installerMutex);
    }
    return 0;
}
