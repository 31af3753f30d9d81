// The install record in the real registry of the Wine prefix.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "state/InstallRegistry.h"
#include "tests/support/TestRegistry.h"

namespace {

std::string valueOf(const char* name, DWORD expectedType = REG_SZ)
{
    DWORD type = 0;
    std::string bytes;
    if (!TestRegistry::read(name, type, bytes))
        return "<missing>";
    EXPECT_EQ(type, expectedType) << name;
    return bytes;
}

std::string withZero(const std::string& text)
{
    return std::string(text.c_str(), text.size() + 1);
}

} // namespace

using InstallRecord = RegistryTest;

TEST_F(InstallRecord, NoKeyOrNoSetupTypeMeansNotInstalled)
{
    InstallRegistry registry;
    EXPECT_FALSE(registry.isInstalled());

    TestRegistry::putText("Current", "C:\\Velnora\\");
    TestRegistry::putText("EXEC", "C:\\Velnora\\TORLE.EXE");
    EXPECT_FALSE(registry.isInstalled());

    // Only the presence of SetupType counts, whatever its type and size.
    TestRegistry::putRaw("SetupType", "not a number");
    EXPECT_TRUE(registry.isInstalled());
}

TEST_F(InstallRecord, WritesTheFourValuesWithTheirTerminatingZero)
{
    InstallRegistry registry;
    ASSERT_TRUE(registry.writeInstallRecord(1, "C:\\Velnora", "Q:\\"));

    std::string type = valueOf("SetupType", REG_DWORD);
    ASSERT_EQ(type.size(), 4u);
    EXPECT_EQ(*reinterpret_cast<const DWORD*>(type.data()), 1u);
    EXPECT_EQ(valueOf("Current"), withZero("C:\\Velnora\\"));     // 12 bytes
    EXPECT_EQ(valueOf("CDDrive"), withZero("Q:\\"));              // 4 bytes
    EXPECT_EQ(valueOf("EXEC"), withZero("C:\\Velnora\\TORLE.EXE"));

    std::int32_t readType = -1;
    char folder[260], game[260];
    EXPECT_TRUE(registry.isInstalled());
    EXPECT_TRUE(registry.readSetupType(readType));
    EXPECT_EQ(readType, 1);
    EXPECT_TRUE(registry.readInstallFolder(folder, sizeof folder));
    EXPECT_STREQ(folder, "C:\\Velnora\\");
    EXPECT_TRUE(registry.readGamePath(game, sizeof game));
    EXPECT_STREQ(game, "C:\\Velnora\\TORLE.EXE");
}

TEST_F(InstallRecord, AFolderEndingInADoubleByteCharacterKeepsItsBackslash)
{
    InstallRegistry registry;
    ASSERT_TRUE(registry.writeInstallRecord(0, "D:\\ゲーム\\ソ", "Q:\\"));
    EXPECT_EQ(valueOf("Current"), withZero("D:\\ゲーム\\ソ\\"));
    EXPECT_EQ(valueOf("EXEC"), withZero("D:\\ゲーム\\ソ\\TORLE.EXE"));
    EXPECT_EQ(valueOf("CDDrive"), withZero("Q:\\"));
}

TEST_F(InstallRecord, ComposedPathValuesDropOnlyADoubledFinalBackslash)
{
    const RegistryPathEntry* rows = InstallRegistry::pathTable(0);
    char text[260];
    DWORD bytes = 0;
    ASSERT_TRUE(InstallRegistry::composePathValue(rows[0], "C:\\Velnora", "Q:\\", text, bytes));
    EXPECT_STREQ(text, "C:\\Velnora\\");
    EXPECT_EQ(bytes, 12u);
    ASSERT_TRUE(InstallRegistry::composePathValue(rows[1], "C:\\Velnora", "Q:\\", text, bytes));
    EXPECT_STREQ(text, "Q:\\");
    EXPECT_EQ(bytes, 4u);
    ASSERT_TRUE(InstallRegistry::composePathValue(rows[2], "C:\\Velnora", "Q:\\", text, bytes));
    EXPECT_STREQ(text, "C:\\Velnora\\TORLE.EXE");
    EXPECT_EQ(bytes, 21u);
    EXPECT_STREQ(rows[3].valueName, "NULL");
    EXPECT_STREQ(InstallRegistry::pathTable(1)[2].valueName, "EXEC");
}

TEST_F(InstallRecord, AFolderTooLongForTheGamePathFailsWithoutClaimingAnInstallation)
{
    InstallRegistry registry;
    // 250 characters: "folder\" fits in 260 bytes, "folder\TORLE.EXE" does not.
    std::string folder = "C:\\" + std::string(247, 'a');
    ASSERT_EQ(folder.size(), 250u);
    EXPECT_FALSE(registry.writeInstallRecord(0, folder.c_str(), "Q:\\"));
    EXPECT_EQ(valueOf("Current"), withZero(folder + "\\"));
    EXPECT_EQ(valueOf("CDDrive"), withZero("Q:\\"));
    EXPECT_EQ(valueOf("EXEC"), "<missing>");
    EXPECT_EQ(valueOf("SetupType", REG_DWORD), "<missing>");
    EXPECT_FALSE(registry.isInstalled());

    std::string longest = "C:\\" + std::string(246, 'a'); // 249 + 10 = 259 characters
    EXPECT_TRUE(registry.writeInstallRecord(0, longest.c_str(), "Q:\\"));
    EXPECT_EQ(valueOf("EXEC"), withZero(longest + "\\TORLE.EXE"));
}

TEST_F(InstallRecord, ReadsValuesStoredWithoutATerminatingZero)
{
    InstallRegistry registry;
    TestRegistry::putRaw("Current", "C:\\Velnora\\");
    TestRegistry::putRaw("EXEC", "C:\\Velnora\\TORLE.EXE");
    char text[260];
    EXPECT_TRUE(registry.readInstallFolder(text, sizeof text));
    EXPECT_STREQ(text, "C:\\Velnora\\");
    EXPECT_TRUE(registry.readGamePath(text, sizeof text));
    EXPECT_STREQ(text, "C:\\Velnora\\TORLE.EXE");
}

TEST_F(InstallRecord, PathValuesOfTwoHundredSixtyBytesOrMoreAreUnreadable)
{
    InstallRegistry registry;
    char text[260];
    std::string longest = "C:\\" + std::string(256, 'x'); // 259 characters
    TestRegistry::putText("Current", longest);
    EXPECT_TRUE(registry.readInstallFolder(text, sizeof text));
    EXPECT_EQ(std::string(text), longest);

    TestRegistry::putRaw("Current", longest + "y"); // 260 bytes, no zero
    std::memset(text, 'k', sizeof text);
    text[0] = '\0';
    EXPECT_FALSE(registry.readInstallFolder(text, sizeof text));

    TestRegistry::putText("EXEC", longest + "y"); // 261 bytes
    EXPECT_FALSE(registry.readGamePath(text, sizeof text));

    // A caller's smaller buffer is never overrun.
    TestRegistry::putText("EXEC", "C:\\Velnora\\TORLE.EXE");
    char small[10];
    EXPECT_FALSE(registry.readGamePath(small, sizeof small));
}

TEST_F(InstallRecord, ReadsFailWithoutTheKeyOrTheValue)
{
    InstallRegistry registry;
    std::int32_t type = 7;
    char text[260];
    EXPECT_FALSE(registry.readSetupType(type));
    EXPECT_FALSE(registry.readInstallFolder(text, sizeof text));
    TestRegistry::putDword("SetupType", 0);
    EXPECT_TRUE(registry.readSetupType(type));
    EXPECT_EQ(type, 0);
    EXPECT_FALSE(registry.readGamePath(text, sizeof text));
}

TEST_F(InstallRecord, DeleteRemovesOnlyTheProductKey)
{
    InstallRegistry registry;
    ASSERT_TRUE(registry.writeInstallRecord(0, "C:\\Velnora", "Q:\\"));
    EXPECT_TRUE(registry.deleteInstallRecord());
    EXPECT_FALSE(TestRegistry::keyExists());
    HKEY maker;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "software\\Quennet", 0, KEY_READ, &maker),
              ERROR_SUCCESS);
    RegCloseKey(maker);
    EXPECT_FALSE(registry.deleteInstallRecord());
}

TEST_F(InstallRecord, AKeyWithASubkeyCannotBeDeleted)
{
    InstallRegistry registry;
    ASSERT_TRUE(registry.writeInstallRecord(0, "C:\\Velnora", "Q:\\"));
    TestRegistry::addSubkey();
    EXPECT_FALSE(registry.deleteInstallRecord());
    EXPECT_TRUE(registry.isInstalled());
}

TEST_F(InstallRecord, AWriteProtectedKeyFailsTheRecordAtTheFirstValue)
{
    InstallRegistry registry;
    TestRegistry::denyWrites();
    EXPECT_FALSE(registry.writeInstallRecord(0, "C:\\Velnora", "Q:\\"));
    EXPECT_FALSE(registry.isInstalled());
}
