// The install dialog: simulated drives and discs, the real folder picker, the real
// copy, driven as a user would; and the whole road from the menu.
#include <gtest/gtest.h>

#include "app/InstallState.h"
#include "app/SystemCallSeam.h"
#include "app/SystemError.h"
#include "install/DiscMarker.h"
#include "install/DiskSpace.h"
#include "install/InstallDialog.h"
#include "install/InstallText.h"
#include "menu/SetupMenuDialog.h"
#include "res/resource.h"
#include "state/InstallManifest.h"
#include "state/PathText.h"
#include "tests/support/Automation.h"
#include "tests/support/FolderTest.h"
#include "tests/support/Player.h"
#include "tests/support/SeamStandIns.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestRegistry.h"

using Failures = std::vector<std::string>;

class Install : public FolderTest {
protected:
    Install() : FolderTest("D:\\insttest") {}
    void SetUp() override
    {
        FolderTest::SetUp();
        makeDiscs();
    }

    INT_PTR runInstall(Automation::Script script, Failures& failures)
    {
        return Automation::runModal(dialog, "IDD_INST_DLG", std::move(script), failures);
    }

    // Chooses another parent folder for the installation.
    static void changeFolder(Automation& a, HWND window, const char* parent)
    {
        a.click(window, IDC_CHANGE);
        a.answerFolderPicker(parent);
    }

    // Chooses the parent folder and the type, then presses the start button; the dialog.
    HWND startIn(Automation& a, const std::string& parent, bool maximum = false)
    {
        HWND window = a.waitForDialog(Expected::InstallDialog.c_str(), IDC_DESTINATION);
        changeFolder(a, window, parent.c_str());
        if (maximum)
            a.click(window, IDC_MAXIMUM);
        a.click(window, IDOK);
        return window;
    }

    InstallState state;
    InstallDialog dialog{&state};
};

TEST_F(Install, EveryOpeningProposesCVelnoraAndTheStandardType)
{
    TestFiles::makeFolders("D:\\insttest\\Games");
    for (int opening = 0; opening < 2; ++opening) {
        Failures failures;
        INT_PTR result = runInstall([&](Automation& a) {
            HWND window = a.waitForDialog(Expected::InstallDialog.c_str(), IDC_DESTINATION);
            HWND edit = GetDlgItem(window, IDC_DESTINATION);
            a.check(Automation::textOf(edit) == "C:\\Velnora", "proposed folder");
            a.check(SendDlgItemMessageA(window, IDC_STANDARD, BM_GETCHECK, 0, 0) == BST_CHECKED, "standard");
            a.check(SendDlgItemMessageA(window, IDC_MAXIMUM, BM_GETCHECK, 0, 0) == BST_UNCHECKED, "maximum");
            // Nothing can be typed into the folder box.
            PostMessageA(edit, WM_CHAR, 'x', 0);
            PostMessageA(edit, WM_PASTE, 0, 0);
            a.check(a.holdsFor(100, [&] { return Automation::textOf(edit) == "C:\\Velnora"; }),
                    "the folder box took typing");
            changeFolder(a, window, "D:\\insttest\\Games");
            a.expectText(window, IDC_DESTINATION, "D:\\insttest\\Games\\Velnora");
            a.click(window, IDC_MAXIMUM);
            if (opening == 0)
                a.click(window, IDCANCEL);
            else
                PostMessageA(GetDlgItem(window, IDOK), WM_KEYDOWN, VK_ESCAPE, 0);
            a.waitGone(window);
        }, failures);
        EXPECT_EQ(result, DialogBase::Cancelled);
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
        HWND window = a.waitForDialog(Expected::InstallDialog.c_str(), IDC_DESTINATION);
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
        a.expectQuiet(200, "a message appeared");
        a.check(shown() == "D:\\insttest\\Games\\Velnora\\Velnora", "a cancelled picker changed the folder");
        changeFolder(a, window, tooLong.c_str());
        a.answer(Expected::PathTooLong);
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
    // As the install dialog composes it when the copy dialog cannot be made.
    auto shown = [](DWORD code) {
        char reason[Message::TextSize], text[Message::TextSize];
        SystemError::describe(code, InstallText::UnknownError, reason);
        return std::string(InstallText::CopyDialogError.formatted(text, reason, static_cast<int>(code)).text);
    };
    std::string known = shown(ERROR_RESOURCE_NAME_NOT_FOUND);
    EXPECT_NE(known.find(" ( Error Code=1814 )"), std::string::npos) << known;
    EXPECT_GT(known.find(" ( Error Code="), 0u);
    EXPECT_EQ(known.find("不明なエラーです。"), std::string::npos) << known;
    EXPECT_EQ(shown(0x20001234), "不明なエラーです。 ( Error Code=536875572 )");
    EXPECT_EQ(std::string(InstallText::CopyDialogError.caption), "コピーダイアログエラー");
    EXPECT_EQ(InstallText::CopyDialogError.icon, static_cast<UINT>(MB_ICONERROR));
}

TEST_F(Install, FromTheDiscTheDestinationIsCheckedFirst)
{
    discs->insert(1);
    ASSERT_TRUE(SetCurrentDirectoryA("Q:\\"));
    Failures failures;
    runInstall([&](Automation& a) {
        HWND window = a.waitForDialog(Expected::InstallDialog.c_str(), IDC_DESTINATION);
        for (const char* drive : {"R:\\", "N:\\", "Q:\\"}) {
            changeFolder(a, window, drive);
            a.click(window, IDOK);
            // No disc request and no picker first: straight to the destination's drive type.
            a.answer(Expected::WrongDestination);
        }
        a.click(window, IDCANCEL);
    }, failures);
    EXPECT_EQ(failures, Failures{});
}

namespace {
// The drive's whole size in MiB, 0 when it cannot be read.
ULONGLONG mebibytesOf(const char* root)
{
    ULARGE_INTEGER available, total, free;
    return GetDiskFreeSpaceExA(root, &available, &total, &free) ? total.QuadPart >> 20 : 0;
}
} // namespace

// A disc with a file held open cannot be ejected: every disc test, in the drive where the
// disc was last found and in the others, lets go of its marker. The count itself sees each
// handle opened in a row, up to values far beyond what these programs hold.
TEST_F(Install, TheDiscTestLetsGoOfEveryMarkerAndTheCountSeesEveryHandle)
{
    discs->insert(2, TestFiles::SecondCdromRoot);
    int before = Automation::handlesOf(GetCurrentProcess());
    for (int test = 0; test < 50; ++test) {
        char root[PathText::Size] = "Q:\\";
        ASSERT_TRUE(DiscMarker::locate(1, root));
        ASSERT_STREQ(root, TestFiles::SecondCdromRoot);
        ASSERT_FALSE(DiscMarker::locate(0, root));
    }
    EXPECT_EQ(Automation::handlesOf(GetCurrentProcess()), before);
    std::vector<HANDLE> events;
    for (int opened = 1; opened <= 6000; ++opened) {
        events.push_back(CreateEventA(nullptr, TRUE, FALSE, nullptr));
        if (opened <= 3 || opened == 6000) {
            EXPECT_EQ(Automation::handlesOf(GetCurrentProcess()), before + opened);
        }
    }
    for (HANDLE event : events)
        CloseHandle(event);
}

TEST_F(Install, OnTheFirstWindows95TheFreeSpaceComesFromTheOlderCall)
{
    const char* root = mebibytesOf("F:\\") != 0 && mebibytesOf("F:\\") <= 1024 ? "F:\\" : "E:\\";
    if (mebibytesOf(root) == 0 || mebibytesOf(root) > 1024)
        GTEST_SKIP() << "no small drive E: or F: (mounting a tmpfs needs root)";
    SeamStandIns::lookUpAsWindows95();
    std::string taken = std::string(root) + "taken.bin"; // so that free and total differ
    ASSERT_TRUE(TestFiles::write(taken, std::string(1 << 20, 'x')));
    ULARGE_INTEGER available, total, free;
    ASSERT_TRUE(GetDiskFreeSpaceExA(root, &available, &total, &free));
    ULONGLONG bytes = 0;
    EXPECT_TRUE(DiskSpace::freeBytes(root, bytes));
    DeleteFileA(taken.c_str());
    EXPECT_EQ(SeamStandIns::lateLookUps(), 1);
    EXPECT_EQ(bytes, free.QuadPart) << root;
}

TEST_F(Install, ASmallDriveIsRefusedNamingItsRoot)
{
    if (mebibytesOf("E:\\") == 0 || mebibytesOf("E:\\") > 64)
        GTEST_SKIP() << "no small drive E: (mounting a tmpfs needs root)";
    discs->insert(1);
    ASSERT_TRUE(SetCurrentDirectoryA("Q:\\"));
    Failures failures;
    runInstall([&](Automation& a) {
        HWND window = startIn(a, "E:\\");
        a.answer(Expected::notEnoughSpace("E:\\"));
        a.click(window, IDC_MAXIMUM);
        a.click(window, IDOK);
        a.answer(Expected::notEnoughSpace("E:\\"));
        a.click(window, IDCANCEL);
    }, failures);
    EXPECT_EQ(failures, Failures{});
    EXPECT_FALSE(TestFiles::exists("E:\\Velnora"));
}

// 1 GiB free: room for the standard type's 0.81 GB, not for the maximum type's 1.37 GB.
TEST_F(Install, EachSetupTypeIsMeasuredByItsOwnFigure)
{
    if (mebibytesOf("F:\\") < 900 || mebibytesOf("F:\\") > 1200)
        GTEST_SKIP() << "no 1 GiB drive F: (mounting a tmpfs needs root)";
    discs->insert(1);
    ASSERT_TRUE(SetCurrentDirectoryA("Q:\\"));
    Failures failures;
    runInstall([&](Automation& a) {
        HWND window = startIn(a, "F:\\", true);
        a.answer(Expected::notEnoughSpace("F:\\"));
        a.click(window, IDC_STANDARD);
        a.click(window, IDOK);
        a.answer(Expected::CreateFolder, IDNO);
        a.click(window, IDCANCEL);
    }, failures);
    EXPECT_EQ(failures, Failures{});
    EXPECT_FALSE(TestFiles::exists("F:\\Velnora"));
}

TEST_F(Install, AMissingFolderIsMadeOnlyWhenTheUserAgrees)
{
    // Disc 2 waits in the drive, so that each copy stops at once at the disc prompt.
    discs->insert(2);
    ASSERT_TRUE(SetCurrentDirectoryA("Q:\\"));
    std::string folder = root + "\\Velnora";
    TestFiles::makeFolders(root + "\\gone");
    Failures failures;
    EXPECT_EQ(runInstall([&](Automation& a) {
        HWND window = a.waitForDialog(Expected::InstallDialog.c_str(), IDC_DESTINATION);
        changeFolder(a, window, root.c_str());
        a.click(window, IDOK);
        a.answer(Expected::CreateFolder, IDNO);
        a.expectQuiet(200, "No did not end it silently");
        a.check(!TestFiles::exists(folder), "No made the folder");

        a.click(window, IDOK);
        a.answer(Expected::CreateFolder, IDYES);
        a.answer(Expected::discPrompt(1), IDCANCEL);
        a.answer(Expected::CopyFailed);
        a.check(TestFiles::isDirectory(folder), "the folder was not made");

        // Now the folder exists: no question; a failed copy leaves the dialog open and silent.
        a.click(window, IDOK);
        a.answer(Expected::discPrompt(1), IDCANCEL);
        a.answer(Expected::CopyFailed);
        a.expectQuiet(200, "the dialog did not stay alone");
        a.check(IsWindowVisible(window) != FALSE, "the dialog closed");

        // A folder whose parent went away cannot be made.
        changeFolder(a, window, (root + "\\gone").c_str());
        RemoveDirectoryA((root + "\\gone").c_str());
        a.click(window, IDOK);
        a.answer(Expected::CreateFolder, IDYES);
        a.answer(Expected::CreateFolderFailed);
        a.click(window, IDCANCEL);
    }, failures), DialogBase::Cancelled);
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
        HWND window = a.waitForDialog(Expected::InstallDialog.c_str(), IDC_DESTINATION);
        // The picker cancelled: nothing more is said.
        a.click(window, IDOK);
        a.answer(Expected::InsertDisc1);
        a.answerFolderPicker(nullptr);
        a.expectQuiet(200, "something followed a cancelled picker");
        // A folder on a hard disk is no disc drive.
        a.click(window, IDOK);
        a.answer(Expected::InsertDisc1);
        a.answerFolderPicker("D:\\insttest");
        a.answer(Expected::WrongSource);
        // Disc 2 in the drive is not disc 1.
        a.click(window, IDOK);
        a.answer(Expected::InsertDisc1);
        a.answerFolderPicker("Q:\\");
        a.answer(Expected::Disc1Missing);
        a.click(window, IDCANCEL);
    }, failures);
    EXPECT_EQ(failures, Failures{});
}

TEST_F(Install, StandardInstallationAsksForDiscOneBackUntilItIsThere)
{
    ASSERT_TRUE(SetCurrentDirectoryA(root.c_str()));
    discs->insert(1);
    TestFiles::makeFolders("Q:\\DirectX8a");
    SeamStandIns::watch(state.job());
    Failures failures;
    EXPECT_EQ(runInstall([&](Automation& a) {
        startIn(a, root);
        a.answer(Expected::InsertDisc1);
        a.answerFolderPicker("Q:\\DirectX8a"); // any folder on the disc selects its drive
        a.answer(Expected::CreateFolder, IDYES);
        Player::insertWhenAsked(a, *discs, 2);
        a.answer(Expected::Disc1Back); // disc 2 still in
        a.answer(Expected::Disc1Back); // and again
        a.waitFor(Expected::Disc1Back); // asked once more: only now does disc 1 go in
        discs->insert(1);
        a.answer(Expected::Disc1Back);
        a.answer(Expected::Installed);
    }, failures), DialogBase::Completed);
    EXPECT_EQ(failures, Failures{});
    char folder[260];
    ASSERT_TRUE(state.readInstallFolder(folder, sizeof folder));
    EXPECT_STREQ(folder, "D:\\insttest\\Velnora\\");
    DWORD type;
    std::string drive;
    ASSERT_TRUE(TestRegistry::read("CDDrive", type, drive));
    EXPECT_EQ(drive, std::string("Q:\\", 4));
    EXPECT_TRUE(TestFiles::exists(root + "\\Velnora\\VO3.ARC"));
    // Disc 1 is tested by the dialog once before the copy and after each of the three
    // OKs, beside the copy's own tests, and all through the one probe that the seam sees;
    // disc 1 back is looked for in Q: alone, while the copy looks for disc 2 in O: too.
    EXPECT_EQ(SeamStandIns::markerTests(),
              (std::map<std::string, int>{{"Q:\\DISK1", 1 + 10 + 3}, {"Q:\\DISK2", 1 + 4}, {"O:\\DISK2", 1}}));
}

TEST_F(Install, DiscOneBackIsAskedForOnceCancelStillSucceedsAndMaximumNeverAsks)
{
    // Disc 1 already in the drive (with the others): one request, then the success.
    discs->insertEvery();
    ASSERT_TRUE(SetCurrentDirectoryA("Q:\\"));
    TestFiles::makeFolders(root + "\\Velnora");
    const Automation::Script runs[] = {
        [&](Automation& a) {
            startIn(a, root);
            a.answer(Expected::Disc1Back);
            a.answer(Expected::Installed);
        },
        [&](Automation& a) {
            startIn(a, root);
            Player::insertWhenAsked(a, *discs, 2);
            a.answer(Expected::Disc1Back, IDCANCEL);
            a.answer(Expected::Installed);
        },
        [&](Automation& a) { // with disc 3 in the drive, the maximum type goes straight to success
            startIn(a, root, true);
            Player::insertWhenAsked(a, *discs, 2);
            Player::insertWhenAsked(a, *discs, 3);
            a.answer(Expected::Installed);
        },
    };
    for (const Automation::Script& run : runs) {
        TestRegistry::clear();
        Failures failures;
        EXPECT_EQ(runInstall(run, failures), DialogBase::Completed);
        EXPECT_EQ(failures, Failures{});
        discs->insert(1);
    }
    std::int32_t type = -1;
    EXPECT_TRUE(state.readSetupType(type));
    EXPECT_EQ(type, 1);
    EXPECT_TRUE(TestFiles::exists(root + "\\Velnora\\VO2.ARC"));
}

namespace {
int startsWithAnId;
// Windows 98 and ME refuse to start a thread without somewhere to put its id.
HANDLE WINAPI startAsWindows98(LPSECURITY_ATTRIBUTES security, SIZE_T stack,
                               LPTHREAD_START_ROUTINE start, LPVOID parameter, DWORD flags, LPDWORD id)
{
    if (id == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    ++startsWithAnId;
    return CreateThread(security, stack, start, parameter, flags, id);
}
} // namespace

// Both workers, the copy's and the uninstaller's, start on a Windows 98 thread start.
TEST_F(Install, TheWholeRoadFromTheMenuAndBack)
{
    SystemCallSeam::active().createThread = startAsWindows98;
    startsWithAnId = 0;
    discs->insert(1);
    ASSERT_TRUE(SetCurrentDirectoryA("Q:\\"));
    TestFiles::makeFolders(root + "\\Velnora");
    SetupMenuDialog menu;
    Failures failures;
    EXPECT_EQ(Automation::runModal(menu, "IDD_SETUP_DLG", [&](Automation& a) {
        HWND window = a.waitForDialog(Expected::Menu.c_str(), IDC_INSTALL);
        // A cancelled installation leaves the menu offering installation.
        a.click(window, IDC_INSTALL);
        HWND install = a.waitForDialog(Expected::InstallDialog.c_str(), IDC_DESTINATION);
        a.click(install, IDCANCEL);
        a.waitGone(install);
        Player::expectMenu(a, window, false);

        a.click(window, IDC_INSTALL);
        install = a.waitForDialog(Expected::InstallDialog.c_str(), IDC_DESTINATION);
        changeFolder(a, install, root.c_str());
        a.click(install, IDOK);
        Player::completeStandardCopy(a, *discs);
        a.waitGone(install);
        Player::expectMenu(a, window, true);
        a.check(state.isInstalled(), "not recorded as installed");

        Player::startUninstall(a, window, IDNO);
        a.answer(Expected::Uninstalled);
        Player::expectMenu(a, window, false);
        a.click(window, IDCANCEL);
    }, failures), DialogBase::Cancelled);
    EXPECT_EQ(failures, Failures{});
    EXPECT_FALSE(state.isInstalled());
    EXPECT_EQ(startsWithAnId, 2);
}
