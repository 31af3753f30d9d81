// UninstallWorker: removes what the registry record says was installed, and the record.
#pragma once
#include <windows.h>

#include "../app/InstallState.h"

enum class UninstallResult : LONG {
    Running = 0,          // the worker has not finished
    NoSetupType = 1,      // the setup type could not be read; nothing was deleted
    NoInstallFolder = 2,  // the install folder could not be read; nothing was deleted
    RecordNotDeleted = 3, // the game files went, the registry key stayed
    Finished = 4,         // files, record and (on request) saved games deleted
    FileLeft = 5,         // a game file could not be deleted; the record and saves stayed
};

class UninstallDialog;

class UninstallWorker {
public:
    static DWORD WINAPI threadMain(void* dialog);
    // The whole removal, on the calling thread. After FileLeft, fileLeft (260 bytes)
    // holds the path of the first game file that is still there.
    static UninstallResult removeInstallation(InstallState& state, bool deleteSaves,
                                              char* fileLeft);
};
