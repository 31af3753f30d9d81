// InstallManifest: what each setup type copies from which disc, and the player's files.
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
    // The first file of the disc's list, which every copy of that disc needs first; "" for
    // an index out of range.
    static const char* firstFile(std::int32_t discIndex);
    // The standard figure for 0, the maximum one for anything else.
    static DWORD requiredBytes(std::int32_t setupType);
    static DWORD progressTotal(std::int32_t setupType);
    // The longest name of every file list and of the saved-game list.
    static std::size_t longestName();
    // The longest install folder that leaves room for every file the game puts there:
    // the folder, a backslash and the longest name in a 260-byte path.
    static std::size_t longestInstallFolder();

    // The one walk of the tables. For each disc that the setup type copies, in order:
    // visit(discIndex, name) for each of its files, then visit(discIndex, nullptr) at the
    // end of its list. A visit that returns false stops the walk. False when the walk
    // was stopped or the type has no rows.
    template <typename Visit> static bool walkDiscs(std::int32_t setupType, Visit visit)
    {
        const DiskEntry* rows = diskEntries(setupType);
        if (rows == nullptr)
            return false;
        for (int row = 0; row < DiscCount; ++row) {
            if (rows[row].copy != 1)
                continue;
            int disc = rows[row].discIndex;
            auto file = [&](const char* name) { return visit(disc, name); };
            if (!forEachIn(rows[row].files, file) || !visit(disc, nullptr))
                return false;
        }
        return true;
    }

    // visit(name) for each file that the setup type installs, disc by disc.
    template <typename Visit> static bool forEachGameFile(std::int32_t setupType, Visit visit)
    {
        return walkDiscs(setupType,
                         [&](int, const char* name) { return name == nullptr || visit(name); });
    }

    // visit(name) for each file of the install folder that belongs to the player.
    template <typename Visit> static bool forEachSaveFile(Visit visit)
    {
        return forEachIn(saveDataList(), visit);
    }

private:
    static const char* const* saveDataList();
    static bool isEnd(const char* entry);

    template <typename Visit> static bool forEachIn(const char* const* names, Visit visit)
    {
        for (; !isEnd(*names); ++names)
            if (!visit(*names))
                return false;
        return true;
    }
};
