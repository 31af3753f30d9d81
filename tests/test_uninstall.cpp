// The uninstaller: real files and the real registry record, the dialog driven as a
// user would, and the menu around it.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/DialogPicture.h"
#include "app/InstallState.h"
#include "app/SystemCallSeam.h"
#include "menu/SetupMenuDialog.h"
#include "res/resource.h"
#include "state/InstalledFiles.h"
#include "tests/support/Automation.h"
#include "tests/support/DpiProcess.h"
#include "tests/support/FolderTest.h"
#include "tests/support/HeldWorker.h"
#include "tests/support/Player.h"
#include "tests/support/SeamStandIns.h"
#include "tests/support/TestFiles.h"
#include "uninstall/UninstallDialog.h"

namespace {

using Failures = std::vector<std::string>;
using Names = std::vector<std::string>;

// The game's files and the saved games, as the tests know them.
Names gameFiles(int setupType)
{
    Names names = DiscSet::files(1);
    for (int disc = 2; disc <= (setupType == 1 ? 3 : 2); ++disc)
        names.insert(names.end(), DiscSet::files(disc).begin(), DiscSet::files(disc).end());
    return names;
}

Names saveFiles()
{
    Names names = {"ENV.INI", "FTT.GID"};
    for (int n = 1; n <= 40; ++n)
        names.push_back((n < 10 ? "SAVE000" : "SAVE00") + std::to_string(n) + ".DAT");
    return names;
}

// The hidden uninstall dialog of this process, if it exists.
HWND hiddenUninstallDialog()
{
    for (HWND window = nullptr;
         (window = FindWindowExA(nullptr, window, "#32770", Expected::UninstallDialog.c_str())) != nullptr;) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == GetCurrentProcessId() && !Automation::isMessageBox(window))
            return window;
    }
    return nullptr;
}

class Uninstall : public FolderTest {
protected:
    Uninstall() : FolderTest("D:\\uninsttest", true) {}

    // An installed game of the type, with every saved-game file beside it, recorded
    // as an installation records it.
    void install(std::int32_t type, bool readOnly = false, bool saves = true)
    {
        for (const std::string& name : gameFiles(1))
            TestFiles::write(folder + "\\" + name, "game");
        for (const std::string& name : saves ? saveFiles() : Names{})
            TestFiles::write(folder + "\\" + name, "save");
        if (readOnly)
            for (const char* name : {"TORLE.EXE", "VO2.ARC", "ENV.INI", "SAVE0040.DAT"})
                SetFileAttributesA((folder + "\\" + name).c_str(), FILE_ATTRIBUTE_READONLY);
        ASSERT_TRUE(state.writeInstallRecord(type, folder.c_str(), TestFiles::CdromRoot));
    }

    Names present(const Names& names, const std::string& in = "")
    {
        Names found;
        for (const std::string& name : names)
            if (TestFiles::exists((in.empty() ? folder : in) + "\\" + name))
                found.push_back(name);
        return found;
    }

    INT_PTR runUninstall(Automation::Script script, Failures& failures)
    {
        return Automation::runModal(dialog, "IDD_UNINST_DLG", std::move(script), failures);
    }

    static Automation::Script answer(int savesAnswer, const ExpectedBox* error = nullptr)
    {
        return [=](Automation& a) {
            a.answer(Expected::DeleteSaves, savesAnswer);
            if (error != nullptr)
                a.answer(*error);
        };
    }

    std::string& folder = gameFolder;
    InstallState state;
    UninstallDialog dialog{&state};
};

} // namespace

TEST_F(Uninstall, KeepingTheSavesLeavesThemAndTheFolder)
{
    install(1);
    Failures failures;
    EXPECT_EQ(runUninstall(answer(IDNO), failures), DialogBase::Completed);
    EXPECT_EQ(failures, Failures{});
    EXPECT_EQ(present(gameFiles(1)), Names{});
    EXPECT_EQ(present(saveFiles()), saveFiles());
    EXPECT_TRUE(TestFiles::isDirectory(folder));
    EXPECT_FALSE(TestRegistry::keyExists());

    // Without saved games in it, the folder goes all the same.
    for (const std::string& name : saveFiles())
        DeleteFileA((folder + "\\" + name).c_str());
    install(1, false, false);
    EXPECT_EQ(runUninstall(answer(IDNO), failures), DialogBase::Completed);
    EXPECT_EQ(failures, Failures{});
    EXPECT_FALSE(TestFiles::exists(folder));
}

TEST_F(Uninstall, DeletingTheSavesRemovesTheEmptiedFolder)
{
    install(1, true);
    DeleteFileA((folder + "\\VO3.ARC").c_str()); // a listed file already gone is no failure
    Failures failures;
    EXPECT_EQ(runUninstall(answer(IDYES), failures), DialogBase::Completed);
    EXPECT_EQ(failures, Failures{});
    EXPECT_FALSE(TestFiles::exists(folder));
    EXPECT_FALSE(TestRegistry::keyExists());
}

TEST_F(Uninstall, AFolderWithAnUnlistedFileStaysWithThatFile)
{
    install(1);
    TestFiles::write(folder + "\\MEMO.TXT", "the player's notes");
    TestFiles::makeFolders(folder + "\\SCREENSHOTS");
    Failures failures;
    EXPECT_EQ(runUninstall(answer(IDYES), failures), DialogBase::Completed);
    EXPECT_EQ(failures, Failures{});
    EXPECT_EQ(present(gameFiles(1)), Names{});
    EXPECT_EQ(present(saveFiles()), Names{});
    EXPECT_EQ(TestFiles::read(folder + "\\MEMO.TXT"), "the player's notes");
    EXPECT_TRUE(TestFiles::isDirectory(folder + "\\SCREENSHOTS"));
}

TEST_F(Uninstall, TheStandardTypeNeverDeletesTheThirdDiscsFile)
{
    install(0, true);
    Failures failures;
    EXPECT_EQ(runUninstall(answer(IDYES), failures), DialogBase::Completed);
    EXPECT_EQ(failures, Failures{});
    EXPECT_EQ(present(gameFiles(1)), Names{"VO2.ARC"});
    EXPECT_EQ(present(saveFiles()), Names{});
    EXPECT_TRUE(TestFiles::isDirectory(folder));
}

TEST_F(Uninstall, AnUnreadableOrUnusableRecordDeletesNothing)
{
    struct Case {
        const char* what;
        std::function<void()> spoil;
        const ExpectedBox* message;
    };
    const ExpectedBox* noFolder = &Expected::NoInstallFolder;
    const ExpectedBox* noType = &Expected::NoSetupType;
    // An empty or relative folder would name the current drive's root or directory.
    TestFiles::makeFolders(root + "\\cwd\\Velnora");
    TestFiles::write(root + "\\cwd\\Velnora\\TORLE.EXE", "another program's file");
    TestFiles::write(root + "\\cwd\\TORLE.EXE", "another program's file");
    SetCurrentDirectoryA((root + "\\cwd").c_str());
    const Case cases[] = {
        {"no Current", [] { TestRegistry::remove("Current"); }, noFolder},
        {"empty Current", [] { TestRegistry::putText("Current", ""); }, noFolder},
        {"relative Current", [] { TestRegistry::putText("Current", "Velnora\\"); }, noFolder},
        {"root-relative Current", [] { TestRegistry::putText("Current", "\\uninsttest\\cwd\\"); }, noFolder},
        {"unknown SetupType", [] { TestRegistry::putDword("SetupType", 7); }, noType},
        {"no SetupType", [] { TestRegistry::remove("SetupType"); }, noType},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        install(1);
        c.spoil();
        Failures failures;
        EXPECT_EQ(runUninstall(answer(IDYES, c.message), failures), DialogBase::Cancelled);
        EXPECT_EQ(failures, Failures{});
        EXPECT_EQ(present(gameFiles(1)), gameFiles(1));
        EXPECT_EQ(present(saveFiles()), saveFiles());
        EXPECT_TRUE(TestRegistry::keyExists());
        EXPECT_TRUE(TestFiles::exists(root + "\\cwd\\Velnora\\TORLE.EXE"));
        EXPECT_TRUE(TestFiles::exists(root + "\\cwd\\TORLE.EXE"));
    }
}

TEST_F(Uninstall, ARecordThatCannotBeDeletedKeepsSavesAndFolderAndCanBeRetried)
{
    install(1);
    TestRegistry::addSubkey();
    Failures failures;
    EXPECT_EQ(runUninstall(answer(IDYES, &Expected::RecordNotDeleted), failures), DialogBase::Cancelled);
    EXPECT_EQ(failures, Failures{});
    EXPECT_EQ(present(gameFiles(1)), Names{});
    EXPECT_EQ(present(saveFiles()), saveFiles());
    EXPECT_TRUE(TestRegistry::keyExists());

    RegDeleteKeyA(HKEY_CURRENT_USER, (std::string(TestRegistry::Key) + "\\Locked").c_str());
    EXPECT_EQ(runUninstall(answer(IDYES), failures), DialogBase::Completed);
    EXPECT_EQ(failures, Failures{});
    EXPECT_FALSE(TestRegistry::keyExists());
    EXPECT_FALSE(TestFiles::exists(folder));
}

TEST_F(Uninstall, AsksBeforeShowingItselfAndIgnoresEscapeWhileItWorks)
{
    // The worker is held back (through the thread-start seam) so that the open dialog
    // can be looked at and pressed; it then runs for real.
    install(1);
    Failures failures;
    for (int run = 0; run < 2; ++run) {
        HeldWorker::hold();
        install(1);
        INT_PTR result = runUninstall([](Automation& a) {
            a.waitFor(Expected::DeleteSaves);
            HWND hidden = hiddenUninstallDialog();
            a.check(hidden != nullptr && !IsWindowVisible(hidden), "the dialog showed before the question");
            a.answer(Expected::DeleteSaves, IDNO);
            HWND shown = a.waitForDialog(Expected::UninstallDialog.c_str());
            PostMessageA(shown, WM_COMMAND, IDCANCEL, 0);
            PostMessageA(shown, WM_KEYDOWN, VK_ESCAPE, 0);
            PostMessageA(shown, WM_COMMAND, IDOK, 0);
            a.check(a.holdsFor(300, [&] { return IsWindowVisible(shown) != FALSE; }), "Escape closed the dialog");
            HeldWorker::release();
            a.waitGone(shown);
        }, failures);
        EXPECT_EQ(result, DialogBase::Completed);
        EXPECT_EQ(failures, Failures{});
        EXPECT_EQ(present(gameFiles(1)), Names{});
    }
}

// The wait picture keeps its own size where it fits, as at 96 DPI whatever the dialog font
// (here a narrower one), and grows with the DPI (150 %), beside its note with its margin
// kept. So each time the dialog opens: twice in one process, as after an uninstall that left
// a file, the second time as on Windows 95, 98 and ME, which refuse the smooth drawing mode.
struct PictureSetting {
    int dpi;
    const char* dialogFont; // "": as the prefix maps it
};
class UninstallPicture : public Uninstall, public testing::WithParamInterface<PictureSetting> {};

TEST_P(UninstallPicture, KeepsItsSizeWhereItFitsAndGrowsWithTheDpiEachTime)
{
    if (!DpiProcess::runsAt(GetParam().dpi, GetParam().dialogFont))
        return;
    const LONG side = MulDiv(32, GetParam().dpi, 96);
    for (int run = 0; run < 2; ++run) {
        install(1);
        if (run == 1)
            SeamStandIns::refuseHalftone();
        HeldWorker::hold();
        Failures failures;
        EXPECT_EQ(runUninstall([&](Automation& a) {
            a.answer(Expected::DeleteSaves, IDNO);
            HWND shown = a.waitForDialog(Expected::UninstallDialog.c_str());
            HWND control = DialogPicture::find(shown);
            RECT picture, note, client = DialogPicture::clientOnScreen(shown);
            GetWindowRect(control, &picture);
            GetWindowRect(GetWindow(shown, GW_CHILD), &note); // the note comes first
            BITMAP bitmap = {};
            GetObjectA(reinterpret_cast<HBITMAP>(SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0)), sizeof bitmap, &bitmap);
            std::string size = std::to_string(bitmap.bmWidth) + " x " + std::to_string(bitmap.bmHeight);
            a.check(picture.right - picture.left == side && picture.bottom - picture.top == side &&
                        bitmap.bmWidth == side && bitmap.bmHeight == side,
                    "run " + std::to_string(run) + ": the picture shows " + size + ", not " + std::to_string(side) + " square");
            LONG margin = picture.left - client.left;
            a.check(picture.right + margin <= note.left && picture.bottom + margin <= client.bottom,
                    "the picture is nearer the note or the bottom than its left margin");
            a.expectLaidOutWhole(shown);
            HeldWorker::release();
            a.waitGone(shown);
        }, failures), DialogBase::Completed);
        EXPECT_EQ(failures, Failures{});
    }
    // Drawn anew only where it grows: then with the nearest pixel's colour, where HALFTONE is refused.
    EXPECT_EQ(SeamStandIns::stretchModes(), side == 32 ? std::vector<int>{} : std::vector<int>{COLORONCOLOR});
}

INSTANTIATE_TEST_SUITE_P(Settings, UninstallPicture, testing::Values(PictureSetting{96, DpiProcess::NarrowDialogFont},
                                                                        PictureSetting{144, ""}));

// The room of the wait picture as the dialog is laid out on a Japanese Windows at 96 DPI,
// whose dialog font gives base units of 7 x 12: the 32 x 32 bitmap stays whole.
TEST(UninstallPictureRoom, HoldsTheBitmapWholeWithTheUnitsOfATwelvePixelFont)
{
    auto px = [](int units, int base, int per) { return MulDiv(units, base, per); };
    RECT client = {100, 200, 100 + px(166, 7, 4), 200 + px(35, 12, 8)};
    RECT picture = {100 + px(4, 7, 4), 200 + px(8, 12, 8), 100 + px(24, 7, 4), 200 + px(28, 12, 8)};
    RECT note = {100 + px(32, 7, 4), 200 + px(8, 12, 8), 100 + px(156, 7, 4), 200 + px(28, 12, 8)};
    SIZE room = UninstallDialog::pictureRoom(client, picture, note);
    EXPECT_EQ(room.cx, 42);
    EXPECT_EQ(room.cy, 34);
    SIZE shown = DialogPicture::scaledSize({32, 32}, 96, room);
    EXPECT_EQ(shown.cx, 32);
    EXPECT_EQ(shown.cy, 32);
}

TEST_F(Uninstall, AWorkerThatCannotStartEndsTheDialogWithAnError)
{
    // Stands in for a process out of threads or memory.
    install(1);
    SeamStandIns::refuseThreads();
    Failures failures;
    EXPECT_EQ(runUninstall(answer(IDYES, &Expected::CannotStartUninstall), failures), DialogBase::Cancelled);
    EXPECT_EQ(failures, Failures{});
    EXPECT_EQ(present(gameFiles(1)), gameFiles(1));
    EXPECT_TRUE(TestRegistry::keyExists());
}

namespace {
DWORD refusal; // what the deletion of VO1.ARC says
// Stands in for deletions that Windows refuses for reasons that Wine cannot give here (a
// file in use by a program that locked it, a protected folder, a write-protected disk),
// and for Wine's own success on a read-only file system: VO1.ARC stays, and the deletion
// says refusal; every other file is deleted for real.
BOOL WINAPI refusingDelete(LPCSTR path)
{
    std::string name = path;
    if (name.size() < 8 || name.compare(name.size() - 8, 8, "\\VO1.ARC") != 0)
        return DeleteFileA(path);
    SetLastError(refusal);
    return refusal == ERROR_SUCCESS;
}

std::string systemText(DWORD code)
{
    char text[1024] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                   MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), text, sizeof text, nullptr);
    return text;
}
} // namespace

TEST_F(Uninstall, AFileThatStaysIsReportedWithWhyItsDeletionFailed)
{
    SystemCallSeam::active().deleteFile = refusingDelete;
    const std::string path = folder + "\\VO1.ARC";
    const std::pair<DWORD, ExpectedBox> reasons[] = {
        {ERROR_SHARING_VIOLATION, Expected::fileLeft(path)},
        {ERROR_LOCK_VIOLATION, Expected::fileLeft(path)},
        {ERROR_ACCESS_DENIED, Expected::fileProtected(path)},
        {ERROR_WRITE_PROTECT, Expected::fileNotDeleted(path, systemText(ERROR_WRITE_PROTECT) + " ( Error Code=19 )")},
        {ERROR_SUCCESS, Expected::fileNotDeleted(path, "不明なエラーです。")},
    };
    ASSERT_NE(systemText(ERROR_WRITE_PROTECT), "");
    for (const auto& reason : reasons) {
        SCOPED_TRACE(reason.first);
        install(0);
        refusal = reason.first;
        Failures failures;
        EXPECT_EQ(runUninstall(answer(IDYES, &reason.second), failures), DialogBase::Cancelled);
        EXPECT_EQ(failures, Failures{});
        EXPECT_EQ(present(gameFiles(0)), Names{"VO1.ARC"});
        EXPECT_EQ(present(saveFiles()), saveFiles());
        EXPECT_TRUE(TestRegistry::keyExists());
    }
}

TEST_F(Uninstall, AnErrorIsShownOnceHoweverOftenTheDialogGetsWmUser)
{
    // WM_USER is also the dialog manager's DM_GETDEFID: more of them while the error box
    // is up must not open another box.
    install(1);
    TestRegistry::remove("Current");
    Failures failures;
    EXPECT_EQ(runUninstall([](Automation& a) {
        a.answer(Expected::DeleteSaves, IDYES);
        a.waitFor(Expected::NoInstallFolder);
        for (int i = 0; i < 3; ++i)
            PostMessageA(hiddenUninstallDialog(), WM_USER, 0, 0);
        a.check(a.holdsFor(300, [&] {
            std::vector<HWND> open = a.visibleDialogs();
            return std::count_if(open.begin(), open.end(), Automation::isMessageBox) == 1;
        }), "more than one box");
        a.answer(Expected::NoInstallFolder);
    }, failures), DialogBase::Cancelled);
    EXPECT_EQ(failures, Failures{});
}

TEST_F(Uninstall, TheLongestInstallFolderGoesCompletelyAndLongerSavePathsAreSkipped)
{
    // 246 characters, the longest folder the install dialog accepts; the record holds it
    // with a backslash, and "folder\SAVE0001.DAT" takes 259 characters.
    folder = root + "\\" + std::string(246 - root.size() - 1, 's');
    ASSERT_TRUE(TestFiles::makeFolders(folder));
    install(1, true);
    Failures failures;
    EXPECT_EQ(runUninstall(answer(IDYES), failures), DialogBase::Completed);
    EXPECT_EQ(failures, Failures{});
    EXPECT_FALSE(TestFiles::exists(folder));

    // A hand-made record 2 characters longer: the SAVE paths (261) no longer fit and
    // are passed over; ENV.INI still goes.
    std::string tooLong = root + "\\" + std::string(248 - root.size() - 1, 't') + "\\";
    ASSERT_TRUE(TestFiles::makeFolders(tooLong));
    TestFiles::write(tooLong + "ENV.INI", "x");
    InstalledFiles::deleteSaveFiles(tooLong.c_str());
    EXPECT_FALSE(TestFiles::exists(tooLong + "ENV.INI"));
}

class UninstallFromMenu : public Uninstall {
protected:
    // The menu run on this thread; the script gets its window.
    void runMenu(const std::function<void(Automation&, HWND)>& script)
    {
        SetupMenuDialog menu;
        Failures failures;
        Automation::runModal(menu, "IDD_SETUP_DLG", [&](Automation& a) {
            script(a, a.waitForDialog(Expected::Menu.c_str(), IDC_INSTALL));
        }, failures);
        EXPECT_EQ(failures, Failures{});
    }
};

TEST_F(UninstallFromMenu, NoToTheConfirmationDoesNothingAndReadsNothing)
{
    install(0);
    runMenu([](Automation& a, HWND window) {
        TestRegistry::clear(); // would relabel the menu if it were read again
        a.click(window, IDC_INSTALL);
        a.answer(Expected::ConfirmUninstall, IDNO);
        a.expectQuiet(200, "something opened");
        a.check(Automation::itemText(window, IDC_INSTALL) == Expected::UninstallLabel, "the menu relabelled itself");
        a.click(window, IDCANCEL);
    });
    EXPECT_EQ(present(gameFiles(0)), gameFiles(0));
}

TEST_F(UninstallFromMenu, ASuccessfulUninstallIsReportedAndOffersInstallationAgain)
{
    install(0);
    runMenu([](Automation& a, HWND window) {
        Player::startUninstall(a, window, IDNO);
        a.answer(Expected::Uninstalled);
        Player::expectMenu(a, window, false);
        a.click(window, IDCANCEL);
    });
    EXPECT_EQ(present(gameFiles(0)), Names{});
    EXPECT_EQ(present(saveFiles()), saveFiles());
}

namespace {
// Refuses to create the uninstall dialog, so that its modal run gives -1, and only that
// window: the boxes of the same caption have a window menu, the dialog has none.
LRESULT CALLBACK refuseTheUninstallDialog(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTA* window = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        if ((window->style & (WS_CHILD | WS_SYSMENU)) == 0 && window->lpszName != nullptr &&
            !IS_INTRESOURCE(window->lpszName) && Expected::UninstallDialog == window->lpszName)
            return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
} // namespace

TEST_F(UninstallFromMenu, AnUninstallDialogThatCannotBeMadeIsNoSuccess)
{
    install(0);
    HHOOK refusal = SetWindowsHookExA(WH_CBT, refuseTheUninstallDialog, nullptr, GetCurrentThreadId());
    runMenu([](Automation& a, HWND window) {
        a.click(window, IDC_INSTALL);
        a.answer(Expected::ConfirmUninstall, IDYES);
        a.expectQuiet(300, "a success message or another window appeared");
        Player::expectMenu(a, window, true);
        a.click(window, IDCANCEL);
    });
    UnhookWindowsHookEx(refusal);
    EXPECT_EQ(present(gameFiles(0)), gameFiles(0));
    EXPECT_TRUE(TestRegistry::keyExists());
}

TEST_F(UninstallFromMenu, AFailedUninstallShowsNoSuccessAndTheMenuFollowsTheRecord)
{
    install(0);
    TestRegistry::remove("Current");
    runMenu([](Automation& a, HWND window) {
        Player::startUninstall(a, window, IDYES);
        a.answer(Expected::NoInstallFolder);
        a.expectQuiet(300, "a success message or another window appeared");
        Player::expectMenu(a, window, true);
        a.click(window, IDCANCEL);
    });
    EXPECT_EQ(present(gameFiles(0)), gameFiles(0));
    EXPECT_TRUE(TestRegistry::keyExists());
}
