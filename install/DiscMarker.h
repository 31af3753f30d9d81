// DiscMarker: whether a game disc is in the drive, told by its marker file.
#pragma once
#include "state/PathText.h"

class DiscMarker {
public:
    // The marker of the disc (0 for disc 1) under the source root; false when the path
    // would not fit.
    static bool compose(const char* sourceRoot, int discIndex, char (&path)[PathText::Size]);
    // Whether the marker opens, that is, the disc is in the drive. The open goes through
    // the seam, where the tests watch every disc test.
    static bool isPresent(const char* markerPath);
};
