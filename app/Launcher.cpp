// The run: the error mode, the DLL search, the single-instance guard, COM and the menu.
#include "app/Launcher.h"

#include <objbase.h>

#include "app/NamedMutex.h"
#include "app/SystemLibraries.h"
#include "menu/SetupMenuDialog.h"

const char Launcher::InstallerMutexName[] = "DrosselinInstプログラム";

int Launcher::run(HINSTANCE instance)
{
    // The disc checks look at drives that may be empty or still spinning up: such a look
    // must fail quietly, not bring up Windows' own "no disk" box in front of the prompts.
    SetErrorMode(SEM_FAILCRITICALERRORS);
    SystemLibraries::restrictSearch();
    HANDLE installerMutex = nullptr;
    if (!NamedMutex::createFirst(InstallerMutexName, installerMutex))
        return 0;
    HMODULE commonControls = SystemLibraries::initCommonControls(); // the copy's progress bars
    // The folder picker and the shell's start of a program that needs elevation both
    // expect COM on the calling thread.
    bool comReady = SUCCEEDED(CoInitialize(nullptr));
    {
        SetupMenuDialog menu;
        menu.showModal(instance, "IDD_SETUP_DLG", nullptr);
        if (installerMutex != nullptr)
            CloseHandle(installerMutex);
    }
    if (comReady)
        CoUninitialize();
    if (commonControls != nullptr)
        FreeLibrary(commonControls);
    return 0;
}
