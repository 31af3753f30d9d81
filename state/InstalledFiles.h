// The files that the manifest names, in an install folder: deleted, or looked for.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>

class InstalledFiles {
public:
    using DeleteCall = BOOL(WINAPI*)(LPCSTR path); // DeleteFileA, or a test's stand-in

    // Each file is deleted (with remove) after its attributes are cleared, so read-only
    // ones go too. Files that are missing or cannot be deleted, and names whose path would
    // not fit, are passed over. The error of the first deletion that failed, other than
    // for a missing file; ERROR_SUCCESS when none did.
    static DWORD deleteGameFiles(const char* folder, std::int32_t setupType,
                                 DeleteCall remove);
    static void deleteSaveFiles(const char* folder);
    // The path of the first file of the setup type that is still in the folder; false
    // when none is.
    static bool findGameFileLeft(const char* folder, std::int32_t setupType, char* path,
                                 std::size_t size);
};
