// The disc test: the marker is opened without access and closed at once.
#include "install/DiscMarker.h"

#include <windows.h>

#include "app/SystemCallSeam.h"
#include "state/InstallManifest.h"

namespace {

bool holdsDisc(const char* root, int discIndex)
{
    char marker[PathText::Size];
    return DiscMarker::compose(root, discIndex, marker) && DiscMarker::isPresent(marker);
}

// Another game's disc may carry a marker of the same name, but not this game's files.
bool holdsGameDisc(const char* root, int discIndex)
{
    char file[PathText::Size];
    return holdsDisc(root, discIndex) &&
           PathText::concat(file, sizeof file, root, InstallManifest::firstFile(discIndex)) &&
           DiscMarker::isPresent(file);
}

// letter in upper case; the root's letter in either.
bool isDriveOf(char letter, const char* root)
{
    return PathText::isDriveAbsolute(root) && (root[0] & ~0x20) == letter;
}

} // namespace

bool DiscMarker::compose(const char* sourceRoot, int discIndex, char (&path)[PathText::Size])
{
    return PathText::concat(path, sizeof path, sourceRoot, InstallManifest::diskMarker(discIndex));
}

bool DiscMarker::isPresent(const char* path)
{
    HANDLE file = SystemCallSeam::active().createFile(path, 0, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

// Disc images mounted side by side, or a second drive. An empty drive fails its test
// quietly: the program runs with critical-error boxes off.
bool DiscMarker::locate(int discIndex, char (&root)[PathText::Size])
{
    if (holdsDisc(root, discIndex))
        return true;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        char drive[] = {letter, ':', '\\', '\0'};
        if (!isDriveOf(letter, root) && GetDriveTypeA(drive) == DRIVE_CDROM && holdsGameDisc(drive, discIndex))
            return PathText::copy(root, sizeof root, drive);
    }
    return false;
}
