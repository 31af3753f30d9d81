// The install dialog: simulated drives and discs, the real folder picker, the real
// copy, driven as a user would; and the whole road from the menu.
#include <gtest/gtest.h>

#include "app/InstallState.h"
#include "app/SystemError.h"
#include "install/DiskSpace.h"
#include "install/InstallDialog.h"
#include "menu/SetupMenuDialog.h"
#include "state/InstallManifest.h"
#include "state/PathText.h"
#include "res/resource.h"
#include "support/Automation.h"
#include "support/DiscSet.h"
#include "support/TestFiles.h"
#include "support/TestRegistry.h"

namespace {

using Failures = std::vector<std::string>;

const char Caption[] = "インストール";
const char DestinationError[] = "インストール先のエラー";
const char SourceError[] = "インストール元のエラー";
const char WrongDrive[] = "ドライブ名指定が正しくありません。再入力してください。";
const char DiscRequest[] = "ディスクの要求";
const char InsertDisc1[] = "ＣＤ－ＲＯＭドライブにディスク１を入れてください。";
const char Disc1Missing[] = "ＣＤ－ＲＯＭドライブにディスク１が入っていません。";
const char DiscChange[] = "ディスクの交換";
const char Disc1Back[] = "ＣＤ－ＲＯＭの中のディスクをディスク１に交換してください。";
const char CreateCaption[] = "ディレクトリ作成";
const char CreateQuestion[] = "指定されたディレクトリは存在しません。ディレクトリを作成しますか？";
const char InstalledCaption[] = "インストールの終了";
const char Installed[] = "正常にインストールしました。";
const char CopyFailed[] = "ファイルのコピーに失敗しました。";

std::string discPrompt(int disc)
{
    return "ＣＤ－ＲＯＭの中のディスクをディスク " + std::to_string(disc) + " に交換してください";
}

} // namespace

class Install : public RegistryTest {
protected:
    void SetUp() override
    {
        RegistryTest::SetUp();
        savedDirectory = TestFiles::currentDirectory();
        TestFiles::removeTree(root);
        TestFiles::makeFolders(root);
        discs.reset(new DiscSet(root + "\\discs"));
    }

    void TearDown() override
    {
        SetCurrentDirectoryA(savedDirectory.c_str());
        discs.reset();
        TestFiles::removeTree(root);
        TestFiles::removeTree("C:\\Velnora");
        RegistryTest::TearDown();
    }

    INT_PTR runInstall(Automation::Script script, Failures& failures)
    {
        Automation user(std::move(script));
        INT_PTR result = dialog.showModal(GetModuleHandleA(nullptr), "IDD_INST_DLG", nullptr);
        failures = user.finish();
        return result;
    }

    // Chooses another parent folder for the installation.
    static void changeFolder(Automation& a, HWND window, const char* parent)
    {
        a.click(window, IDC_CHANGE);
        a.answerFolderPicker(parent);
    }

    // Chooses root as the parent folder and the type, then presses the start button.
    void startInRoot(Automation& a, bool maximum = false)
    {
        HWND window = a.waitForDialog(Caption, IDC_DESTINATION);
        changeFolder(a, window, root.c_str());
        if (maximum)
            a.click(window, IDC_MAXIMUM);
        a.click(window, IDOK);
    }

    void swapDisc(Automation& a, int disc)
    {
        if (a.waitForMessageBox(DiscChange) == nullptr)
            return;
        discs->insert(disc);
        a.answerMessageBox(DiscChange, discPrompt(disc).c_str(), IDI_WARNING, IDOK);
    }

    std::string root = "D:\\insttest";
    std::string savedDirectory;
    std::unique_ptr<DiscSet> discs;
    InstallState state;
    InstallDialog dialog{&state};
};

TEST_F(Install, EveryOpeningProposesCVelnoraAndTheStandardType)
{
    TestFiles::makeFolders("D:\\insttest\\Games");
    for (int opening = 0; opening < 2; ++opening) {
        Failures failures;
        INT_PTR result = runInstall([&](Automation& a) {
            HWND window = a.waitForDialog(Caption, IDC_DESTINATION);
            HWND edit = GetDlgItem(window, IDC_DESTINATION);
            a.check(Automation::textOf(edit) == "C:\\Velnora", "proposed folder");
            a.check(SendDlgItemMessageA(window, IDC_STANDARD, BM_GETCHECK, 0, 0) == BST_CHECKED, "standard");
            a.check(SendDlgItemMessageA(window, IDC_MAXIMUM, BM_GETCHECK, 0, 0) == BST_UNCHECKED, "maximum");
            // Nothing can be typed into the folder box.
            PostMessageA(edit, WM_CHAR, 'x', 0);
            PostMessageA(edit, WM_PASTE, 0, 0);
            Sleep(100);
            a.check(Automation::textOf(edit) == "C:\\Velnora", "the folder box took typing");
            changeFolder(a, window, "D:\\insttest\\Games");
            a.waitUntil([&] { return Automation::textOf(edit) == "D:\\insttest\\Games\\Velnora"; });
            a.check(Automation::textOf(edit) == "D:\\insttest\\Games\\Velnora", "changed folder");
            a.click(window, IDC_MAXIMUM);
            if (opening == 0)
                a.click(window, IDCANCEL);
            else
                PostMessageA(GetDlgItem(window, IDOK), WM_KEYDOWN, VK_ESCAPE, 0);
            a.waitGone(window);
        }, failures);
        EXPECT_EQ(result, 2);
        EXPECT_EQ(failures, Failures{});
    }
}

TEST_F(Install, ChangeAlwaysAppendsTheProductFolder)
{
    TestFiles::makeFolders("D:\\insttest\\Games\\Velnora");
    std::string tooLong = root + "\\" + std::string(240 - root.size() - 1, 'L');
    TestFiles::makeFolders(tooLong);
    Failures failures;
    runInstall([&](Automation& a) {
        HWND window = a.waitForDialog(Caption, IDC_DESTINATION);
        auto shown = [&] { return Automation::itemText(window, IDC_DESTINATION); };
        const std::pair<const char*, const char*> choices[] = {
            {"D:\\", "D:\\Velnora"},
            {"D:\\insttest\\Games", "D:\\insttest\\Games\\Velnora"},
            {"D:\\insttest\\Games\\Velnora", "D:\\insttest\\Games\\Velnora\\Velnora"},
        };
        for (const auto& choice : choices) {
            changeFolder(a, window, choice.first);
            a.waitUntil([&] { return shown() == choice.second; }, 3000);
            a.check(shown() == choice.second, std::string("choosing ") + choice.first + " shows " + shown());
        }
        changeFolder(a, window, nullptr); // cancelled: nothing changes, nothing is said
        Sleep(200);
        a.check(shown() == "D:\\insttest\\Games\\Velnora\\Velnora", "a cancelled picker changed the folder");
        a.check(a.visibleDialogs().size() == 1, "a message appeared");
        changeFolder(a, window, tooLong.c_str());
        a.answerMessageBox(DestinationError, "インストール先のパスが長すぎます。もっと短いフォルダを指定してください。",
                           IDI_WARNING, IDOK);
        a.check(shown() == "D:\\insttest\\Games\\Velnora\\Velnora", "a too long folder was taken");
        a.click(window, IDCANCEL);
    }, failures);
    EXPECT_EQ(failures, Failures{});
}

TEST(InstallFolder, ComposedWithinTheRoomTheInstallationNeeds)
{
    char result[260] = "unchanged";
    EXPECT_FALSE(InstallDialog::composeDestination("", result));
    EXPECT_STREQ(result, "unchanged");
    ASSERT_TRUE(InstallDialog::composeDestination("C:\\", result));
    EXPECT_STREQ(result, "C:\\Velnora");
    ASSERT_TRUE(InstallDialog::composeDestination("D:\\ゲーム\\ソ", result));
    EXPECT_STREQ(result, "D:\\ゲーム\\ソ\\Velnora");
    // The longest saved-game name is 12 characters: the folder may have 246.
    EXPECT_EQ(InstallManifest::longestInstallFolder(), 246u);
    std::string base = "D:\\" + std::string(235, 'b'); // + "\Velnora" = 246
    ASSERT_TRUE(InstallDialog::composeDestination(base.c_str(), result));
    EXPECT_EQ(std::string(result).size(), 246u);
    std::string longer = base + "b";
    EXPECT_FALSE(InstallDialog::composeDestination(longer.c_str(), result));
    std::string huge(300, 'h');
    EXPECT_FALSE(InstallDialog::composeDestination(huge.c_str(), result));

    char root[4];
    PathText::driveRootOf(root, "Q:\\DirectX8a\\sub");
    EXPECT_STREQ(root, "Q:\\");
    PathText::driveRootOf(root, "\\\\server\\share");
    EXPECT_STREQ(root, "\\:\\");
}

TEST(FreeSpace, ComparesAllSixtyFourBits)
{
    EXPECT_TRUE(DiskSpace::hasRoomFor(812370359, 812370359));
    EXPECT_FALSE(DiskSpace::hasRoomFor(812370358, 812370359));
    EXPECT_TRUE(DiskSpace::hasRoomFor(1372389359, 1372389359));
    EXPECT_FALSE(DiskSpace::hasRoomFor(1372389358, 1372389359));
    EXPECT_TRUE(DiskSpace::hasRoomFor((1ULL << 32) + 5, 1372389359)); // low bits small
    EXPECT_TRUE(DiskSpace::hasRoomFor(100ULL << 32, 812370359));
}

TEST(CopyDialogError, NamesTheCodeWithOrWithoutASystemText)
{
    char text[SystemError::TextSize];
    SystemError::describe(ERROR_RESOURCE_NAME_NOT_FOUND, "%s ( Error Code=%d )", "不明なエラーです。", text);
    std::string known = text;
    EXPECT_NE(known.find(" ( Error Code=1814 )"), std::string::npos) << known;
    EXPECT_GT(known.find(" ( Error Code="), 0u);
    SystemError::describe(0x20001234, "%s ( Error Code=%d )", "不明なエラーです。", text);
    EXPECT_EQ(std::string(text), "不明なエラーです。 ( Error Code=536875572 )");
}

TEST_F(Install, FromTheDiscTheDestinationIsCheckedFirst)
{
    discs->insert(1);
    ASSERT_TRUE(SetCurrentDirectoryA("Q:\\"));
    Failures failures;
    runInstall([&](Automation& a) {
        HWND window = a.waitForDialog(Caption, IDC_DESTINATION);
        for (const char* drive : {"R:\\", "N:\\", "Q:\\"}) {
            changeFolder(a, window, drive);
            a.click(window, IDOK);
            // No disc request and no picker first: straight to the destination's drive type.
            a.answerMessageBox(DestinationError, WrongDrive, IDI_WARNING, IDOK);
        }
        a.click(window, IDCANCEL);
    }, failures);
    EXPECT_EQ(failures, Failures{});
}

TEST_F(Install, ASmallDriveIsRefusedNamingItsRoot)
{
    ULARGE_INTEGER available, total, free;
    if (!GetDiskFreeSpaceExA("E:\\", &available, &total, &free) || total.QuadPart > (64u << 20))
        GTEST_SKIP() << "no small drive E: (mounting a tmpfs needs root)";
    discs->insert(1);
    ASSERT_TRUE(SetCurrentDirectoryA("Q:\\"));
    Failures failures;
    runInstall([&](Automation& a) {
        HWND window = a.waitForDialog(Caption, IDC_DESTINATION);
        changeFolder(a, window, "E:\\");
        a.click(window, IDOK);
        a.answerMessageBox(DestinationError, "E:\\ ドライブに十分な空き容量がありません。", IDI_WARNING, IDOK);
        a.click(window, IDC_MAXIMUM);
        a.click(window, IDOK);
        a.answerMessageBox(DestinationError, "E:\\ ドライブに十分な空き容量がありません。", IDI_WARNING, IDOK);
        a.click(window, IDCANCEL);
    }, failures);
    EXPECT_EQ(failures, Failures{});
    EXPECT_FALSE(TestFiles::exists("E:\\Velnora"));
}

TEST_F(Install, AMissingFolderIsMadeOnlyWhenTheUserAgrees)
{
    // Disc 2 waits in the drive, so that each copy stops at once at the disc prompt.
    discs->insert(2);
    ASSERT_TRUE(SetCurrentDirectoryA("Q:\\"));
    std::string folder = root + "\\Velnora";
    TestFiles::makeFolders(root + "\\gone");
    Failures failures;
    INT_PTR result = runInstall([&](Automation& a) {
        HWND window = a.waitForDialog(Caption, IDC_DESTINATION);
        changeFolder(a, window, root.c_str());
        a.click(window, IDOK);
        a.answerMessageBox(CreateCaption, CreateQuestion, IDI_QUESTION, IDNO);
        Sleep(200);
        a.check(a.visibleDialogs().size() == 1 && !TestFiles::exists(folder), "No did not end it silently");

        a.click(window, IDOK);
        a.answerMessageBox(CreateCaption, CreateQuestion, IDI_QUESTION, IDYES);
        a.answerMessageBox(DiscChange, discPrompt(1).c_str(), IDI_WARNING, IDCANCEL);
        a.answerMessageBox("インストールエラー", CopyFailed, IDI_WARNING, IDOK);
        a.check(TestFiles::isDirectory(folder), "the folder was not made");

        // Now the folder exists: no question; a failed copy leaves the dialog open and silent.
        a.click(window, IDOK);
        a.answerMessageBox(DiscChange, discPrompt(1).c_str(), IDI_WARNING, IDCANCEL);
        a.answerMessageBox("インストールエラー", CopyFailed, IDI_WARNING, IDOK);
        Sleep(200);
        a.check(a.visibleDialogs().size() == 1 && IsWindowVisible(window), "the dialog did not stay alone");

        // A folder whose parent went away cannot be made.
        changeFolder(a, window, (root + "\\gone").c_str());
        RemoveDirectoryA((root + "\\gone").c_str());
        a.click(window, IDOK);
        a.answerMessageBox(CreateCaption, CreateQuestion, IDI_QUESTION, IDYES);
        a.answerMessageBox("ディレクトリ作成のエラー", "ディレクトリの作成に失敗しました。", IDI_WARNING, IDOK);
        a.click(window, IDCANCEL);
    }, failures);
    EXPECT_EQ(result, 2);
    EXPECT_EQ(failures, Failures{});
    EXPECT_EQ(TestFiles::currentDirectory(), "Q:\\");
    EXPECT_FALSE(TestRegistry::keyExists());
}

TEST_F(Install, FromAHardDiskTheDiscIsRequestedAndItsDriveChosen)
{
    ASSERT_TRUE(SetCurrentDirectoryA(root.c_str()));
    discs->insert(2);
    Failures failures;
    runInstall([&](Automation& a) {
        HWND window = a.waitForDialog(Caption, IDC_DESTINATION);
        // The picker cancelled: nothing more is said.
        a.click(window, IDOK);
        a.answerMessageBox(DiscRequest, InsertDisc1, IDI_INFORMATION, IDOK);
        a.answerFolderPicker(nullptr);
        Sleep(200);
        a.check(a.visibleDialogs().size() == 1, "something followed a cancelled picker");
        // A folder on a hard disk is no disc drive.
        a.click(window, IDOK);
        a.answerMessageBox(DiscRequest, InsertDisc1, IDI_INFORMATION, IDOK);
        a.answerFolderPicker("D:\\insttest");
        a.answerMessageBox(SourceError, WrongDrive, IDI_WARNING, IDOK);
        // Disc 2 in the drive is not disc 1.
        a.click(window, IDOK);
        a.answerMessageBox(DiscRequest, InsertDisc1, IDI_INFORMATION, IDOK);
        a.answerFolderPicker("Q:\\");
        a.answerMessageBox(DiscRequest, Disc1Missing, IDI_WARNING, IDOK);
        a.click(window, IDCANCEL);
    }, failures);
    EXPECT_EQ(failures, Failures{});
}

TEST_F(Install, StandardInstallationAsksForDiscOneBackUntilItIsThere)
{
    ASSERT_TRUE(SetCurrentDirectoryA(root.c_str()));
    discs->insert(1);
    TestFiles::makeFolders("Q:\\DirectX8a");
    Failures failures;
    INT_PTR result = runInstall([&](Automation& a) {
        startInRoot(a);
        a.answerMessageBox(DiscRequest, InsertDisc1, IDI_INFORMATION, IDOK);
        a.answerFolderPicker("Q:\\DirectX8a"); // any folder on the disc selects its drive
        a.answerMessageBox(CreateCaption, CreateQuestion, IDI_QUESTION, IDYES);
        swapDisc(a, 2);
        a.answerMessageBox(DiscChange, Disc1Back, IDI_WARNING, IDOK); // disc 2 still in
        a.answerMessageBox(DiscChange, Disc1Back, IDI_WARNING, IDOK); // and again
        discs->insert(1);
        a.answerMessageBox(DiscChange, Disc1Back, IDI_WARNING, IDOK);
        a.answerMessageBox(InstalledCaption, Installed, IDI_INFORMATION, IDOK);
    }, failures);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(failures, Failures{});
    char folder[260];
    ASSERT_TRUE(state.readInstallFolder(folder, sizeof folder));
    EXPECT_STREQ(folder, "D:\\insttest\\Velnora\\");
    DWORD type;
    std::string drive;
    ASSERT_TRUE(TestRegistry::read("CDDrive", type, drive));
    EXPECT_EQ(drive, std::string("Q:\\", 4));
    EXPECT_TRUE(TestFiles::exists(root + "\\Velnora\\VO3.ARC"));
}

TEST_F(Install, DiscOneBackIsAskedForOnceCancelStillSucceedsAndMaximumNeverAsks)
{
    // Disc 1 already in the drive (with the others): one request, then the success.
    discs->insertEvery();
    ASSERT_TRUE(SetCurrentDirectoryA("Q:\\"));
    TestFiles::makeFolders(root + "\\Velnora");
    Failures failures;
    INT_PTR result = runInstall([&](Automation& a) {
        startInRoot(a);
        a.answerMessageBox(DiscChange, Disc1Back, IDI_WARNING, IDOK);
        a.answerMessageBox(InstalledCaption, Installed, IDI_INFORMATION, IDOK);
    }, failures);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(failures, Failures{});

    TestRegistry::clear();
    discs->insert(1);
    result = runInstall([&](Automation& a) {
        startInRoot(a);
        swapDisc(a, 2);
        a.answerMessageBox(DiscChange, Disc1Back, IDI_WARNING, IDCANCEL);
        a.answerMessageBox(InstalledCaption, Installed, IDI_INFORMATION, IDOK);
    }, failures);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(failures, Failures{});

    TestRegistry::clear();
    discs->insert(1);
    result = runInstall([&](Automation& a) {
        startInRoot(a, true);
        swapDisc(a, 2);
        swapDisc(a, 3);
        // With disc 3 in the drive, the maximum type goes straight to success.
        a.answerMessageBox(InstalledCaption, Installed, IDI_INFORMATION, IDOK);
    }, failures);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(failures, Failures{});
    std::int32_t type = -1;
    EXPECT_TRUE(state.readSetupType(type));
    EXPECT_EQ(type, 1);
    EXPECT_TRUE(TestFiles::exists(root + "\\Velnora\\VO2.ARC"));
}

TEST_F(Install, TheWholeRoadFromTheMenuAndBack)
{
    discs->insert(1);
    ASSERT_TRUE(SetCurrentDirectoryA("Q:\\"));
    TestFiles::makeFolders(root + "\\Velnora");
    SetupMenuDialog menu;
    Automation user([&](Automation& a) {
        HWND window = a.waitForDialog("Velnora", IDC_INSTALL);
        // A cancelled installation leaves the menu offering installation.
        a.click(window, IDC_INSTALL);
        HWND install = a.waitForDialog(Caption, IDC_DESTINATION);
        a.click(install, IDCANCEL);
        a.waitGone(install);
        a.check(Automation::itemText(window, IDC_INSTALL) == "ｲﾝｽﾄｰﾙ", "label after a cancel");
        a.check(!IsWindowEnabled(GetDlgItem(window, IDC_PLAY)), "Play after a cancel");

        a.click(window, IDC_INSTALL);
        install = a.waitForDialog(Caption, IDC_DESTINATION);
        changeFolder(a, install, root.c_str());
        a.click(install, IDOK);
        swapDisc(a, 2);
        a.waitForMessage(DiscChange, Disc1Back); // disc 2 is copied: now it may come out
        discs->insert(1);
        a.answerMessageBox(DiscChange, Disc1Back, IDI_WARNING, IDOK);
        a.answerMessageBox(InstalledCaption, Installed, IDI_INFORMATION, IDOK);
        a.waitGone(install);
        a.waitUntil([&] { return Automation::itemText(window, IDC_INSTALL) == "ｱﾝｲﾝｽﾄｰﾙ"; });
        a.check(Automation::itemText(window, IDC_INSTALL) == "ｱﾝｲﾝｽﾄｰﾙ", "label after installing");
        a.check(IsWindowEnabled(GetDlgItem(window, IDC_PLAY)) != FALSE, "Play after installing");
        a.click(window, IDCANCEL);
    });
    EXPECT_EQ(menu.showModal(GetModuleHandleA(nullptr), "IDD_SETUP_DLG", nullptr), IDCANCEL);
    EXPECT_EQ(user.finish(), Failures{});
    EXPECT_TRUE(state.isInstalled());
}
