// The manifest's files joined to a folder, one at a time.
#include "InstalledFiles.h"

#include <windows.h>

#include "InstallManifest.h"
#include "PathText.h"

namespace {

bool deleteFile(const char* folder, const char* name)
{
    char path[PathText::Size];
    if (PathText::join(path, sizeof path, folder, name)) {
        SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path);
    }
    return true;
}

} // namespace

void InstalledFiles::deleteGameFiles(const char* folder, std::int32_t setupType)
{
    InstallManifest::forEachGameFile(setupType,
                                     [&](const char* name) { return deleteFile(folder, name); });
}

void InstalledFiles::deleteSaveFiles(const char* folder)
{
    InstallManifest::forEachSaveFile([&](const char* name) { return deleteFile(folder, name); });
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
