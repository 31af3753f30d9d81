// UninstallWorker: removes what the registry record says was installed, and the record.
#pragma once
#include <windows.h>

#include "app/InstallState.h"
#include "state/PathText.h"

enum class UninstallResult : LONG {
    Running = 0,          // the worker has not finished
    NoSetupType = 1,      // the setup type could not be read; nothing was deleted
    NoInstallFolder = 2,  // the install folder could not be read; nothing was deleted
    RecordNotDeleted = 3, // the game files went, the registry key stayed
    Finished = 4,         // files, record and (on request) saved games deleted
    FileLeft = 5,         // a game file could not be deleted; the record and saves stayed
};

// The first game file that is still there after the deletion, and the error of the first
// deletion that failed (ERROR_SUCCESS when the deletions said they were done).
struct LeftFile {
    char path[PathText::Size];
    DWORD error;
};

class UninstallDialog;

class UninstallWorker {
public:
    static DWORD WINAPI threadMain(void* dialog);
    // The whole removal, on the calling thread; left is filled in after FileLeft.
    static UninstallResult removeInstallation(InstallState& state, bool deleteSaves,
                                              LeftFile& left);
};
