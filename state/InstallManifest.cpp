// The manifest's constant tables: file lists, markers, byte counts and saved games.
#include "state/InstallManifest.h"

#include <cstring>

#include "state/PathText.h"

namespace {

const char* const Disc1Files[] = {"VELN.CNT", "VELN.HLP", "TORLE.EXE", "SCR.ARC", "CG_.ARC",
                                  "MID.ARC", "WAV.ARC", "VO1.ARC", "TBLSTR.ARC", "NULL"};
const char* const Disc2Files[] = {"SP_.ARC", "BG_.ARC", "VO3.ARC", "NULL"};
const char* const Disc3Files[] = {"VO2.ARC", "NULL"};

const DiskEntry Rows[2][InstallManifest::DiscCount] = {
    {{1, 0, Disc1Files}, {1, 1, Disc2Files}, {0, 2, Disc3Files}},
    {{1, 0, Disc1Files}, {1, 1, Disc2Files}, {1, 2, Disc3Files}},
};

const char* const Markers[InstallManifest::DiscCount] = {"DISK1", "DISK2", "DISK3"};

const DWORD ProgressTotals[2] = {791398839, 1351417839};
const DWORD SpareBytes = 20971520; // 20 MiB beyond what is copied

const char* const SaveData[] = {
    "ENV.INI", "FTT.GID",
    "SAVE0001.DAT", "SAVE0002.DAT", "SAVE0003.DAT", "SAVE0004.DAT", "SAVE0005.DAT",
    "SAVE0006.DAT", "SAVE0007.DAT", "SAVE0008.DAT", "SAVE0009.DAT", "SAVE0010.DAT",
    "SAVE0011.DAT", "SAVE0012.DAT", "SAVE0013.DAT", "SAVE0014.DAT", "SAVE0015.DAT",
    "SAVE0016.DAT", "SAVE0017.DAT", "SAVE0018.DAT", "SAVE0019.DAT", "SAVE0020.DAT",
    "SAVE0021.DAT", "SAVE0022.DAT", "SAVE0023.DAT", "SAVE0024.DAT", "SAVE0025.DAT",
    "SAVE0026.DAT", "SAVE0027.DAT", "SAVE0028.DAT", "SAVE0029.DAT", "SAVE0030.DAT",
    "SAVE0031.DAT", "SAVE0032.DAT", "SAVE0033.DAT", "SAVE0034.DAT", "SAVE0035.DAT",
    "SAVE0036.DAT", "SAVE0037.DAT", "SAVE0038.DAT", "SAVE0039.DAT", "SAVE0040.DAT",
    "NULL"};

} // namespace

bool InstallManifest::isSetupType(std::int32_t setupType)
{
    return setupType == Standard || setupType == Maximum;
}

const DiskEntry* InstallManifest::diskEntries(std::int32_t setupType)
{
    return isSetupType(setupType) ? Rows[setupType] : nullptr;
}

const char* InstallManifest::diskMarker(std::int32_t discIndex)
{
    return discIndex >= 0 && discIndex < DiscCount ? Markers[discIndex] : "";
}

// The maximum type copies every disc, each in its own row.
const char* InstallManifest::firstFile(std::int32_t discIndex)
{
    return discIndex >= 0 && discIndex < DiscCount ? Rows[Maximum][discIndex].files[0] : "";
}

DWORD InstallManifest::requiredBytes(std::int32_t setupType)
{
    return progressTotal(setupType) + SpareBytes;
}

DWORD InstallManifest::progressTotal(std::int32_t setupType)
{
    return ProgressTotals[setupType == Standard ? 0 : 1];
}

const char* const* InstallManifest::saveDataList()
{
    return SaveData;
}

bool InstallManifest::isEnd(const char* entry)
{
    return std::strcmp(entry, "NULL") == 0;
}

std::size_t InstallManifest::longestName()
{
    std::size_t longest = 0;
    auto measure = [&](const char* name) {
        longest = std::strlen(name) > longest ? std::strlen(name) : longest;
        return true;
    };
    forEachGameFile(Maximum, measure);
    forEachSaveFile(measure);
    return longest;
}

std::size_t InstallManifest::longestInstallFolder()
{
    return PathText::Size - 1 - 1 - longestName();
}
