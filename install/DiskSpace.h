// How much room a drive has, and whether it is enough for an installation.
#pragma once
#include <windows.h>

class DiskSpace {
public:
    // The free bytes of the drive at root, through GetDiskFreeSpaceExA where Windows has
    // it (beyond 2 GB) and GetDiskFreeSpaceA elsewhere; false when the drive cannot tell.
    static bool freeBytes(const char* root, ULONGLONG& bytes);
    // Free bytes against required: an unsigned 64-bit comparison.
    static bool hasRoomFor(ULONGLONG freeBytes, DWORD required);
};
