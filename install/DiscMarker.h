// DiscMarker: whether a game disc is in a drive, told by its marker file, and which
// CD-ROM drive holds it.
#pragma once
#include "state/PathText.h"

class DiscMarker {
public:
    // The marker of the disc (0 for disc 1) under the source root; false when the path
    // would not fit.
    static bool compose(const char* sourceRoot, int discIndex, char (&path)[PathText::Size]);
    // Whether the file opens (a marker: the disc is in the drive). It is opened without
    // access and closed at once, through the seam, where the tests watch every disc test.
    static bool isPresent(const char* path);
    // Whether a drive holds the disc: first the one where it was last found (root), by its
    // marker, then every other CD-ROM drive, A: to Z:, by its marker and the first file of
    // its list; no other kind of drive is touched. root becomes the drive that holds the
    // disc; false, and root as it was, when none does.
    static bool locate(int discIndex, char (&root)[PathText::Size]);
};
