// The install manifest's tables and lookups.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "state/InstallManifest.h"

namespace {
std::vector<std::string> names(const char* const* list)
{
    std::vector<std::string> result;
    for (; !InstallManifest::isEnd(*list); ++list)
        result.push_back(*list);
    return result;
}
} // namespace

TEST(Manifest, StandardCopiesDiscsOneAndTwoMaximumAllThree)
{
    const DiskEntry* standard = InstallManifest::diskEntries(0);
    const DiskEntry* maximum = InstallManifest::diskEntries(1);
    ASSERT_NE(standard, nullptr);
    ASSERT_NE(maximum, nullptr);
    int copied[2] = {};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(standard[row].discIndex, row);
        EXPECT_EQ(maximum[row].discIndex, row);
        EXPECT_EQ(standard[row].files, maximum[row].files);
        if (standard[row].copy == 1) copied[0] += static_cast<int>(names(standard[row].files).size());
        if (maximum[row].copy == 1) copied[1] += static_cast<int>(names(maximum[row].files).size());
    }
    EXPECT_EQ(standard[2].copy, 0);
    EXPECT_EQ(copied[0], 12);
    EXPECT_EQ(copied[1], 13);
    EXPECT_EQ(names(maximum[2].files), std::vector<std::string>{"VO2.ARC"});
    EXPECT_EQ(names(standard[0].files),
              (std::vector<std::string>{"VELN.CNT", "VELN.HLP", "TORLE.EXE", "SCR.ARC", "CG_.ARC", "MID.ARC",
                                        "WAV.ARC", "VO1.ARC", "TBLSTR.ARC"}));
    EXPECT_EQ(names(standard[1].files), (std::vector<std::string>{"SP_.ARC", "BG_.ARC", "VO3.ARC"}));
}

TEST(Manifest, OtherSetupTypesHaveNoRows)
{
    EXPECT_EQ(InstallManifest::diskEntries(2), nullptr);
    EXPECT_EQ(InstallManifest::diskEntries(-1), nullptr);
    EXPECT_FALSE(InstallManifest::isSetupType(2));
    EXPECT_EQ(InstallManifest::progressTotal(5), 1351417839u);
}

TEST(Manifest, MarkersAndByteCounts)
{
    EXPECT_STREQ(InstallManifest::diskMarker(0), "DISK1");
    EXPECT_STREQ(InstallManifest::diskMarker(1), "DISK2");
    EXPECT_STREQ(InstallManifest::diskMarker(2), "DISK3");
    EXPECT_EQ(InstallManifest::progressTotal(0), 791398839u);
    EXPECT_EQ(InstallManifest::progressTotal(1), 1351417839u);
    EXPECT_EQ(InstallManifest::requiredBytes(0), 812370359u);
    EXPECT_EQ(InstallManifest::requiredBytes(1), 1372389359u);
}

TEST(Manifest, SavedGamesAreFortyTwoNamesApartFromTheGameFiles)
{
    std::vector<std::string> saves = names(InstallManifest::saveDataList());
    ASSERT_EQ(saves.size(), 42u);
    EXPECT_EQ(saves[0], "ENV.INI");
    EXPECT_EQ(saves[1], "FTT.GID");
    EXPECT_EQ(saves[2], "SAVE0001.DAT");
    EXPECT_EQ(saves[10], "SAVE0009.DAT");
    EXPECT_EQ(saves[41], "SAVE0040.DAT");
    std::set<std::string> unique(saves.begin(), saves.end());
    EXPECT_EQ(unique.size(), 42u);
    for (int row = 0; row < 3; ++row)
        for (const std::string& game : names(InstallManifest::diskEntries(1)[row].files))
            EXPECT_EQ(unique.count(game), 0u) << game;
    EXPECT_EQ(InstallManifest::longestName(), 12u); // "SAVE0001.DAT"
}
