// The uninstall worker: removes the installed files, the registry record and, on
// request, the saved games and the emptied folder, as the registry record says.
#include "UninstallWorker.h"

#include "../state/InstallManifest.h"
#include "../state/PathText.h"
#include "UninstallDialog.h"

DWORD WINAPI UninstallWorker::threadMain(void* dialog)
{
    auto* owner = static_cast<UninstallDialog*>(dialog);
    owner->report(removeInstallation(owner->state(), owner->savesToDelete()));
    return 0;
}

// A setup type without manifest rows, or a folder that is not an absolute path on a
// drive (an empty one would mean the root of the current drive), deletes nothing.
UninstallResult UninstallWorker::removeInstallation(InstallState& state, bool deleteSaves)
{
    std::int32_t setupType = -1;
    if (!state.readSetupType(setupType) || !InstallManifest::isSetupType(setupType))
        return UninstallResult::NoSetupType;
    char folder[PathText::Size];
    if (!state.readInstallFolder(folder, sizeof folder) || !PathText::isDriveAbsolute(folder))
        return UninstallResult::NoInstallFolder;

    CopyJob& job = state.job();
    job.setSetupType(setupType);
    job.setInstallFolder(folder);
    job.deleteInstalledFiles();
    if (!state.deleteInstallRecord())
        return UninstallResult::RecordNotDeleted;
    if (deleteSaves)
        deleteSaveData(folder);
    RemoveDirectoryA(folder); // goes only when nothing is left in it
    return UninstallResult::Finished;
}

void UninstallWorker::deleteSaveData(const char* folder)
{
    for (const char* const* name = InstallManifest::saveDataList(); !InstallManifest::isEnd(*name);
         ++name) {
        char path[PathText::Size];
        if (!PathText::join(path, sizeof path, folder, *name))
            continue;
        SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path);
    }
}
