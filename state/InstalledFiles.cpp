// The manifest's files joined to a folder, one at a time.
#include "state/InstalledFiles.h"

#include "state/InstallManifest.h"
#include "state/PathText.h"

namespace {

// What the deletion of one file said; a file that is not there is no failure.
DWORD deleteFile(const char* folder, const char* name, InstalledFiles::DeleteCall remove)
{
    char path[PathText::Size];
    if (!PathText::join(path, sizeof path, folder, name))
        return ERROR_SUCCESS;
    SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    if (remove(path))
        return ERROR_SUCCESS;
    DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? ERROR_SUCCESS : error;
}

} // namespace

DWORD InstalledFiles::deleteGameFiles(const char* folder, std::int32_t setupType,
                                      DeleteCall remove)
{
    DWORD firstError = ERROR_SUCCESS;
    InstallManifest::forEachGameFile(setupType, [&](const char* name) {
        DWORD error = deleteFile(folder, name, remove);
        if (firstError == ERROR_SUCCESS)
            firstError = error;
        return true;
    });
    return firstError;
}

void InstalledFiles::deleteSaveFiles(const char* folder)
{
    InstallManifest::forEachSaveFile([&](const char* name) {
        deleteFile(folder, name, DeleteFileA);
        return true;
    });
}

bool InstalledFiles::findGameFileLeft(const char* folder, std::int32_t setupType, char* path,
                                      std::size_t size)
{
    bool found = false;
    InstallManifest::forEachGameFile(setupType, [&](const char* name) {
        found = PathText::join(path, size, folder, name) &&
                GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
        return !found;
    });
    return found;
}
