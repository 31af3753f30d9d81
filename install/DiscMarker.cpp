// The disc test: the marker is opened without access and closed at once.
#include "install/DiscMarker.h"

#include "app/SystemCallSeam.h"
#include "state/InstallManifest.h"

bool DiscMarker::compose(const char* sourceRoot, int discIndex, char (&path)[PathText::Size])
{
    return PathText::concat(path, sizeof path, sourceRoot, InstallManifest::diskMarker(discIndex));
}

bool DiscMarker::isPresent(const char* markerPath)
{
    HANDLE marker = SystemCallSeam::active().createFile(markerPath, 0, 0, nullptr, OPEN_EXISTING,
                                                        0, nullptr);
    if (marker == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(marker);
    return true;
}
