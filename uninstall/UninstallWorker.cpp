// The removal: game files, the check for files left, the record, saved games, the folder.
#include "uninstall/UninstallWorker.h"

#include "state/InstallManifest.h"
#include "state/InstalledFiles.h"
#include "uninstall/UninstallDialog.h"

DWORD WINAPI UninstallWorker::threadMain(void* dialog)
{
    auto* owner = static_cast<UninstallDialog*>(dialog);
    LeftFile left = {};
    owner->reportOutcome(removeInstallation(owner->state(), owner->savesToDelete(), left), left);
    return 0;
}

// A setup type without manifest rows, or a folder that is not an absolute path on a
// drive (an empty one would mean the root of the current drive), deletes nothing. A game
// file that another program holds open keeps the record, so that the uninstall can be
// run again once that program has ended.
UninstallResult UninstallWorker::removeInstallation(InstallState& state, bool deleteSaves,
                                                    LeftFile& left)
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
    DWORD deletionError = job.deleteInstalledFiles();
    if (InstalledFiles::findGameFileLeft(folder, setupType, left.path, sizeof left.path)) {
        left.error = deletionError;
        return UninstallResult::FileLeft;
    }
    if (!state.deleteInstallRecord())
        return UninstallResult::RecordNotDeleted;
    if (deleteSaves)
        InstalledFiles::deleteSaveFiles(folder);
    RemoveDirectoryA(folder); // goes only when nothing is left in it
    return UninstallResult::Finished;
}
