// The files that the manifest names, in an install folder: deleted, or looked for.
#pragma once
#include <cstddef>
#include <cstdint>

class InstalledFiles {
public:
    // Each file is deleted after its attributes are cleared, so read-only ones go too.
    // Files that are missing or cannot be deleted, and names whose path would not fit,
    // are passed over.
    static void deleteGameFiles(const char* folder, std::int32_t setupType);
    static void deleteSaveFiles(const char* folder);
    // The path of the first file of the setup type that is still in the folder; false
    // when none is.
    static bool findGameFileLeft(const char* folder, std::int32_t setupType, char* path,
                                 std::size_t size);
};
