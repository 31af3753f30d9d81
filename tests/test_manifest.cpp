// The install manifest's tables and lookups.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "state/InstallManifest.h"

namespace {
using Names = std::vector<std::string>;

// The walk as it goes: "disc:name" for each file, "disc:end" at the end of a disc's list.
Names walk(int setupType)
{
    Names steps;
    InstallManifest::walkDiscs(setupType, [&](int disc, const char* name) {
        steps.push_back(std::to_string(disc) + ":" + (name != nullptr ? name : "end"));
        return true;
    });
    return steps;
}

Names saves()
{
    Names names;
    InstallManifest::forEachSaveFile([&](const char* name) {
        names.push_back(name);
        return true;
    });
    return names;
}
} // namespace

TEST(Manifest, StandardCopiesDiscsOneAndTwoMaximumAllThree)
{
    const Names standard = {"0:VELN.CNT", "0:VELN.HLP", "0:TORLE.EXE", "0:SCR.ARC", "0:CG_.ARC",
                            "0:MID.ARC",  "0:WAV.ARC",  "0:VO1.ARC",   "0:TBLSTR.ARC", "0:end",
                            "1:SP_.ARC",  "1:BG_.ARC",  "1:VO3.ARC",   "1:end"};
    Names maximum = standard;
    maximum.insert(maximum.end(), {"2:VO2.ARC", "2:end"});
    EXPECT_EQ(walk(0), standard);
    EXPECT_EQ(walk(1), maximum);
    EXPECT_EQ(InstallManifest::diskEntries(0)[2].copy, 0);

    // A visit that says stop ends the walk there.
    int visits = 0;
    EXPECT_FALSE(InstallManifest::forEachGameFile(1, [&](const char*) { return ++visits < 3; }));
    EXPECT_EQ(visits, 3);
}

TEST(Manifest, OtherSetupTypesHaveNoRows)
{
    EXPECT_EQ(InstallManifest::diskEntries(2), nullptr);
    EXPECT_EQ(InstallManifest::diskEntries(-1), nullptr);
    EXPECT_EQ(walk(2), Names{});
    EXPECT_FALSE(InstallManifest::walkDiscs(-1, [](int, const char*) { return true; }));
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
    Names saves = ::saves();
    ASSERT_EQ(saves.size(), 42u);
    EXPECT_EQ(saves[0], "ENV.INI");
    EXPECT_EQ(saves[1], "FTT.GID");
    EXPECT_EQ(saves[2], "SAVE0001.DAT");
    EXPECT_EQ(saves[10], "SAVE0009.DAT");
    EXPECT_EQ(saves[41], "SAVE0040.DAT");
    std::set<std::string> unique(saves.begin(), saves.end());
    EXPECT_EQ(unique.size(), 42u);
    InstallManifest::forEachGameFile(1, [&](const char* game) {
        EXPECT_EQ(unique.count(game), 0u) << game;
        return true;
    });
    EXPECT_EQ(InstallManifest::longestName(), 12u); // "SAVE0001.DAT"
}
