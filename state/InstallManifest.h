// What each setup type copies from which disc, how much room it needs, and which
// files of the install folder belong to the player: constant tables.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>

// One disc of a setup type: whether its files are copied, its marker, its files.
struct DiskEntry {
    std::int32_t copy;      // 1: this disc's files belong to the setup type
    std::int32_t discIndex; // 0, 1, 2: selects the marker "DISK1".."DISK3"
    const char* const* files; // ended by "NULL"
};

class InstallManifest {
public:
    static const std::int32_t Standard = 0;
    static const std::int32_t Maximum = 1;
    static const int DiscCount = 3;

    static bool isSetupType(std::int32_t setupType);
    // The three rows of the type, in order; nullptr for anything but 0 and 1.
    static const DiskEntry* diskEntries(std::int32_t setupType);
    static const char* diskMarker(std::int32_t discIndex);
    // The standard figure for 0, the maximum one for anything else.
    static DWORD requiredBytes(std::int32_t setupType);
    static DWORD progressTotal(std::int32_t setupType);
    static const char* const* saveDataList();
    static bool isEnd(const char* entry);
    // The longest name of every file list and of the saved-game list.
    static std::size_t longestName();
};
