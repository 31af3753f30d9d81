// The main menu, run for real and driven from a second thread.
#include <gtest/gtest.h>

#include <map>

#include "app/SystemCallSeam.h"
#include "app/DialogPicture.h"
#include "menu/SetupMenuDialog.h"
#include "res/resource.h"
#include "state/PathText.h"
#include "tests/support/Automation.h"
#include "tests/support/DialogTemplate.h"
#include "tests/support/DpiProcess.h"
#include "tests/support/FolderTest.h"
#include "tests/support/HeldWorker.h"
#include "tests/support/Player.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestRegistry.h"

namespace {

using Failures = std::vector<std::string>;

class Menu : public FolderTest {
protected:
    Menu() : FolderTest("D:\\menutest") {}

    INT_PTR runMenu(Automation::Script script, Failures& failures)
    {
        return Automation::runModal(menu, "IDD_SETUP_DLG", std::move(script), failures);
    }

    // Puts the stand-in program at path, creating its folders.
    void placeStandIn(const std::string& path)
    {
        TestFiles::makeFolders(path.substr(0, path.find_last_of('\\')));
        ASSERT_TRUE(CopyFileA((TestFiles::exeFolder() + "standin.exe").c_str(), path.c_str(), FALSE))
            << path;
    }

    // "program|working directory" of the stand-in's first start.
    std::string standInStart()
    {
        if (!TestFiles::waitForFile(logPath))
            return "<not started>";
        std::string log = TestFiles::read(logPath);
        return log.substr(0, log.find('\n'));
    }

    SetupMenuDialog menu;
};

} // namespace

TEST_F(Menu, WithoutARecordOffersInstallationAndDisablesPlay)
{
    Failures failures;
    EXPECT_EQ(runMenu([](Automation& a) {
        HWND window = a.waitForDialog(Expected::Menu.c_str(), IDC_INSTALL);
        if (!window)
            return;
        Player::expectMenu(a, window, false);
        RECT rect;
        GetWindowRect(window, &rect);
        int width = rect.right - rect.left;
        a.check(rect.left == GetSystemMetrics(SM_CXSCREEN) / 2 - width / 2, "menu not centred");
        // With the dialog font mapped, as on a Japanese Windows: the picture as it was drawn.
        Player::expectPictureClear(a, window, Player::PictureSize::AsDrawn);
        HWND note = GetDlgItem(window, -1);
        a.check(note != nullptr && (GetWindowLongA(note, GWL_STYLE) & SS_TYPEMASK) == SS_LEFT,
                "the note beside the picture lost its number");
        a.click(window, IDCANCEL);
    }, failures), DialogBase::Cancelled);
    EXPECT_EQ(failures, Failures{});
}

TEST_F(Menu, ARecordWithoutSetupTypeCountsAsNotInstalled)
{
    TestRegistry::putText("Current", "D:\\menutest\\");
    TestRegistry::putText("EXEC", "D:\\menutest\\TORLE.EXE");
    Failures failures;
    runMenu([](Automation& a) {
        HWND window = a.waitForDialog(Expected::Menu.c_str(), IDC_INSTALL);
        Player::expectMenu(a, window, false);
        a.click(window, IDCANCEL);
    }, failures);
    EXPECT_EQ(failures, Failures{});
}

TEST_F(Menu, PlayStartsTheRecordedGameInItsFolderAndCloses)
{
    placeStandIn(root + "\\TORLE.EXE");
    TestRegistry::putDword("SetupType", 0);
    TestRegistry::putText("Current", root + "\\");
    TestRegistry::putText("EXEC", root + "\\TORLE.EXE");
    Failures failures;
    EXPECT_EQ(runMenu([](Automation& a) {
        HWND window = a.waitForDialog(Expected::Menu.c_str(), IDC_INSTALL);
        a.check(Automation::itemText(window, IDC_INSTALL) == Expected::UninstallLabel, "uninstall label");
        a.click(window, IDC_PLAY);
        a.waitGone(window);
    }, failures), DialogBase::Cancelled);
    EXPECT_EQ(failures, Failures{});
    EXPECT_EQ(standInStart(), root + "\\TORLE.EXE|" + root);
}

TEST_F(Menu, PlayHoldsGamePathsOfTwoHundredFiftyNineCharactersWhole)
{
    std::string folder = root + "\\" + std::string(259 - root.size() - 11, 'v');
    std::string game = folder + "\\TORLE.EXE";
    ASSERT_EQ(game.size(), 259u);
    placeStandIn(game);
    TestRegistry::putDword("SetupType", 1);
    TestRegistry::putText("Current", folder + "\\");
    TestRegistry::putText("EXEC", game);
    Failures failures;
    runMenu([](Automation& a) {
        HWND window = a.waitForDialog(Expected::Menu.c_str(), IDC_INSTALL);
        a.click(window, IDC_PLAY);
        a.waitGone(window);
    }, failures);
    EXPECT_EQ(failures, Failures{});
    EXPECT_EQ(standInStart(), game + "|" + folder);
}

TEST_F(Menu, PlayWithoutAGamePathWarnsAndStaysOpen)
{
    TestRegistry::putDword("SetupType", 0);
    TestRegistry::putText("Current", root + "\\");
    Failures failures;
    EXPECT_EQ(runMenu([](Automation& a) {
        HWND window = a.waitForDialog(Expected::Menu.c_str(), IDC_INSTALL);
        a.check(IsWindowEnabled(GetDlgItem(window, IDC_PLAY)), "Play is disabled");
        a.click(window, IDC_PLAY);
        a.answer(Expected::PlayFailed);
        a.check(IsWindowVisible(window), "the menu closed");
        // A game that cannot be started gives the same message.
        TestRegistry::putText("EXEC", "D:\\menutest\\NOGAME.EXE");
        a.click(window, IDC_PLAY);
        a.answer(Expected::PlayFailed);
        a.click(window, IDCANCEL);
    }, failures), DialogBase::Cancelled);
    EXPECT_EQ(failures, Failures{});
}

namespace {
bool askedToShow, shownAnyway;

bool showsDialog(HWND window, UINT message, LPARAM lParam)
{
    char kind[16] = "";
    GetClassNameA(window, kind, sizeof kind);
    return message == WM_WINDOWPOSCHANGING && std::string(kind) == "#32770" &&
           (reinterpret_cast<WINDOWPOS*>(lParam)->flags & SWP_SHOWWINDOW) != 0;
}

// What the dialog manager asks of a dialog of this thread, and what is left of it once
// the dialog has handled it.
LRESULT CALLBACK beforeTheDialog(int code, WPARAM wParam, LPARAM lParam)
{
    auto* sent = reinterpret_cast<CWPSTRUCT*>(lParam);
    askedToShow = askedToShow || showsDialog(sent->hwnd, sent->message, sent->lParam);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK afterTheDialog(int code, WPARAM wParam, LPARAM lParam)
{
    auto* handled = reinterpret_cast<CWPRETSTRUCT*>(lParam);
    shownAnyway = shownAnyway || showsDialog(handled->hwnd, handled->message, handled->lParam);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
} // namespace

TEST_F(Menu, ARunningMenuKeepsASecondMenuFromOpening)
{
    HANDLE running = CreateMutexA(nullptr, FALSE, "Velnora_Running");
    // A flash of one frame is too short for a script to see: the show itself is watched.
    askedToShow = shownAnyway = false;
    HHOOK before = SetWindowsHookExA(WH_CALLWNDPROC, beforeTheDialog, nullptr, GetCurrentThreadId());
    HHOOK after = SetWindowsHookExA(WH_CALLWNDPROCRET, afterTheDialog, nullptr, GetCurrentThreadId());
    Failures failures;
    EXPECT_EQ(runMenu([](Automation& a) {
        a.check(a.staysWithoutWindows(500), "the menu was shown");
    }, failures), DialogBase::Cancelled);
    UnhookWindowsHookEx(before);
    UnhookWindowsHookEx(after);
    EXPECT_EQ(failures, Failures{});
    EXPECT_TRUE(askedToShow) << "the dialog manager never asked to show the ended menu";
    EXPECT_FALSE(shownAnyway) << "the ended menu let itself be shown";
    CloseHandle(running);
    // The menu's own handle was closed: nothing keeps the mutex alive any more.
    EXPECT_EQ(OpenMutexA(SYNCHRONIZE, FALSE, "Velnora_Running"), nullptr);
}

TEST_F(Menu, HoldsTheRunningMutexWhileOpenAndEscapeCloses)
{
    Failures failures;
    EXPECT_EQ(runMenu([](Automation& a) {
        HWND window = a.waitForDialog(Expected::Menu.c_str(), IDC_INSTALL);
        HANDLE running = OpenMutexA(SYNCHRONIZE, FALSE, "Velnora_Running");
        a.check(running != nullptr, "no running mutex while the menu is open");
        CloseHandle(running);
        PostMessageA(GetDlgItem(window, IDC_INSTALL), WM_KEYDOWN, VK_ESCAPE, 0);
        a.waitGone(window);
    }, failures), DialogBase::Cancelled);
    EXPECT_EQ(failures, Failures{});
    EXPECT_EQ(OpenMutexA(SYNCHRONIZE, FALSE, "Velnora_Running"), nullptr);
}

TEST_F(Menu, DirectXSetupStartsBelowTheCurrentDirectoryAndTheMenuStays)
{
    // A root, a folder, and a folder whose name ends in a character with a 0x5C byte.
    const std::string folders[] = {"D:\\", root + "\\GAME", root + "\\ソ"};
    for (const std::string& folder : folders) {
        SCOPED_TRACE(folder);
        std::string setupFolder =
            folder + (PathText::endsWithBackslash(folder.c_str()) ? "" : "\\") + "DirectX8a";
        placeStandIn(setupFolder + "\\dxsetup.exe");
        TestFiles::removeOnceClosed(logPath);
        ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
        Failures failures;
        runMenu([](Automation& a) {
            HWND window = a.waitForDialog(Expected::Menu.c_str(), IDC_INSTALL);
            a.click(window, IDC_DIRECTX);
            a.expectQuiet(500, "a message appeared");
            a.click(window, IDCANCEL);
        }, failures);
        EXPECT_EQ(failures, Failures{});
        EXPECT_EQ(standInStart(), setupFolder + "\\dxsetup.exe|" + setupFolder);
        TestFiles::removeTree(setupFolder);
    }
}

TEST_F(Menu, DirectXSetupThatCannotStartIsReported)
{
    ASSERT_TRUE(SetCurrentDirectoryA(root.c_str()));
    Failures failures;
    runMenu([](Automation& a) {
        HWND window = a.waitForDialog(Expected::Menu.c_str(), IDC_INSTALL);
        a.click(window, IDC_DIRECTX);
        a.answer(Expected::DirectXFailed);
        a.check(IsWindowVisible(window), "the menu closed");
        a.click(window, IDCANCEL);
    }, failures);
    EXPECT_EQ(failures, Failures{});
}

namespace {
int processStarts;
// Windows' answer to an unelevated CreateProcessA of a program that needs elevation,
// which Wine never gives.
BOOL WINAPI elevationRequired(LPCSTR, LPSTR, LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES, BOOL,
                              DWORD, LPVOID, LPCSTR, LPSTARTUPINFOA, LPPROCESS_INFORMATION)
{
    ++processStarts;
    SetLastError(740); // ERROR_ELEVATION_REQUIRED
    return FALSE;
}

// What the shell is asked: under Wine its start is over before it returns, whatever the flags.
struct ShellStart {
    ULONG flags;
    HWND owner;
    std::string folder;
};
std::vector<ShellStart> shellStarts;
BOOL WINAPI watchedShellStart(SHELLEXECUTEINFOA* start)
{
    shellStarts.push_back({start->fMask, start->hwnd, start->lpDirectory != nullptr ? start->lpDirectory : "<none>"});
    return ShellExecuteExA(start);
}

struct ProgramStart {
    std::string application, commandLine;
    DWORD flags;
    STARTUPINFOA startup;
};
std::vector<ProgramStart> programStarts;
BOOL WINAPI watchedStart(LPCSTR application, LPSTR commandLine, LPSECURITY_ATTRIBUTES process,
                         LPSECURITY_ATTRIBUTES thread, BOOL inherit, DWORD flags, LPVOID environment,
                         LPCSTR folder, LPSTARTUPINFOA startup, LPPROCESS_INFORMATION info)
{
    programStarts.push_back({application, commandLine != nullptr ? commandLine : "<none>", flags, *startup});
    return CreateProcessA(application, commandLine, process, thread, inherit, flags, environment, folder,
                          startup, info);
}

// What a parent that passed its C runtime's file table and its standard handles leaves in
// this program's start-up information, beside a show state and a title to carry over.
BYTE runtimeFileTable[16];
VOID WINAPI startedByAConsoleParent(LPSTARTUPINFOA startup)
{
    GetStartupInfoA(startup);
    startup->cbReserved2 = sizeof runtimeFileTable;
    startup->lpReserved2 = runtimeFileTable;
    startup->dwFlags |= STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup->hStdInput = startup->hStdOutput = startup->hStdError = reinterpret_cast<HANDLE>(0x44);
    startup->wShowWindow = SW_SHOWMINNOACTIVE;
    startup->lpTitle = const_cast<char*>("Velnora disc");
}
} // namespace

TEST_F(Menu, ProgramsStartInWindowsOwnErrorModeWithTheirQuotedPathAndNoHandlesOfThisProcess)
{
    const std::string game = root + "\\My Games\\Velnora\\TORLE.EXE", setupFolder = root + "\\DirectX8a";
    placeStandIn(game);
    placeStandIn(setupFolder + "\\dxsetup.exe");
    TestRegistry::putDword("SetupType", 0);
    TestRegistry::putText("Current", root + "\\My Games\\Velnora\\");
    TestRegistry::putText("EXEC", game);
    ASSERT_TRUE(SetCurrentDirectoryA(root.c_str()));
    SystemCallSeam::active().createProcess = watchedStart;
    SystemCallSeam::active().getStartupInfo = startedByAConsoleParent;
    programStarts.clear();
    Failures failures;
    runMenu([&](Automation& a) {
        HWND window = a.waitForDialog(Expected::Menu.c_str(), IDC_INSTALL);
        a.click(window, IDC_DIRECTX);
        a.check(standInStart() == setupFolder + "\\dxsetup.exe|" + setupFolder, "DirectX: " + standInStart());
        TestFiles::removeOnceClosed(logPath);
        a.click(window, IDC_PLAY);
        a.waitGone(window);
    }, failures);
    EXPECT_EQ(failures, Failures{});
    EXPECT_EQ(standInStart(), game + "|" + root + "\\My Games\\Velnora");
    ASSERT_EQ(programStarts.size(), 2u);
    EXPECT_EQ(programStarts[0].application, setupFolder + "\\dxsetup.exe");
    EXPECT_EQ(programStarts[1].application, game);
    for (const ProgramStart& start : programStarts) {
        SCOPED_TRACE(start.application);
        EXPECT_EQ(start.commandLine, "\"" + start.application + "\"");
        EXPECT_EQ(start.flags, static_cast<DWORD>(CREATE_DEFAULT_ERROR_MODE));
        EXPECT_EQ(start.startup.lpReserved2, nullptr);
        EXPECT_EQ(start.startup.cbReserved2, 0);
        EXPECT_EQ(start.startup.dwFlags & STARTF_USESTDHANDLES, 0u);
        EXPECT_EQ(start.startup.hStdOutput, nullptr);
        EXPECT_NE(start.startup.dwFlags & STARTF_USESHOWWINDOW, 0u);
        EXPECT_EQ(start.startup.wShowWindow, SW_SHOWMINNOACTIVE);
        EXPECT_STREQ(start.startup.lpTitle, "Velnora disc");
    }
}

TEST_F(Menu, AProgramThatNeedsElevationIsStartedThroughTheShell)
{
    std::string setupFolder = root + "\\DirectX8a";
    placeStandIn(setupFolder + "\\dxsetup.exe");
    placeStandIn(root + "\\TORLE.EXE");
    TestRegistry::putDword("SetupType", 0);
    TestRegistry::putText("Current", root + "\\");
    TestRegistry::putText("EXEC", root + "\\TORLE.EXE");
    ASSERT_TRUE(SetCurrentDirectoryA(root.c_str()));
    SystemCallSeam::active().createProcess = elevationRequired;
    SystemCallSeam::active().shellExecute = watchedShellStart;
    processStarts = 0;
    shellStarts.clear();
    HWND menuWindow = nullptr;
    Failures failures;
    runMenu([&](Automation& a) {
        HWND window = menuWindow = a.waitForDialog(Expected::Menu.c_str(), IDC_INSTALL);
        a.click(window, IDC_DIRECTX);
        a.check(standInStart() == setupFolder + "\\dxsetup.exe|" + setupFolder, "DirectX: " + standInStart());
        a.check(a.visibleDialogs().size() == 1, "a message appeared");
        // The shell cannot start a program that is missing, as when the prompt is refused.
        a.check(TestFiles::removeOnceClosed(setupFolder + "\\dxsetup.exe"), "dxsetup.exe stayed in use");
        a.click(window, IDC_DIRECTX);
        a.answer(Expected::DirectXFailed);
        TestFiles::removeOnceClosed(logPath);
        a.click(window, IDC_PLAY);
        a.waitGone(window);
    }, failures);
    EXPECT_EQ(failures, Failures{});
    EXPECT_EQ(processStarts, 3);
    EXPECT_EQ(standInStart(), root + "\\TORLE.EXE|" + root);
    // Each start waits until it is done (the menu may end next), owned by the menu, shows
    // no error box of the shell's own, and works in the program's folder.
    ASSERT_EQ(shellStarts.size(), 3u);
    const std::string folders[] = {setupFolder + "\\", setupFolder + "\\", root + "\\"};
    for (std::size_t i = 0; i < shellStarts.size(); ++i) {
        EXPECT_EQ(shellStarts[i].folder, folders[i]);
        EXPECT_EQ(shellStarts[i].flags, static_cast<ULONG>(SEE_MASK_FLAG_NO_UI | SEE_MASK_FLAG_DDEWAIT));
        EXPECT_EQ(shellStarts[i].owner, menuWindow);
    }
}

TEST_F(Menu, ACurrentDirectoryTooLongForTheSetupPathIsAFailedStart)
{
    // 238 characters: the setup program's path would need 261 bytes.
    std::string folder = root + "\\" + std::string(238 - root.size() - 1, 'd');
    ASSERT_EQ(folder.size(), 238u);
    ASSERT_TRUE(TestFiles::makeFolders(folder));
    ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
    Failures failures;
    runMenu([](Automation& a) {
        HWND window = a.waitForDialog(Expected::Menu.c_str(), IDC_INSTALL);
        a.click(window, IDC_DIRECTX);
        a.answer(Expected::DirectXFailed);
        a.click(window, IDCANCEL);
    }, failures);
    EXPECT_EQ(failures, Failures{});
}

TEST(MenuPictureSize, FollowsTheDpiInItsOwnProportionsAndShrinksWhereItDoesNotFit)
{
    auto size = [](SIZE size) { return std::to_string(size.cx) + " x " + std::to_string(size.cy); };
    EXPECT_EQ(size(DialogPicture::scaledSize({241, 320}, 96, {241, 320})), "241 x 320");
    EXPECT_EQ(size(DialogPicture::scaledSize({241, 320}, 96, {400, 500})), "241 x 320");
    EXPECT_EQ(size(DialogPicture::scaledSize({241, 320}, 96, {209, 350})), "209 x 277"); // the buttons' column
    EXPECT_EQ(size(DialogPicture::scaledSize({241, 320}, 96, {300, 160})), "120 x 160"); // the bottom
    EXPECT_EQ(size(DialogPicture::scaledSize({241, 320}, 96, {0, 350})), "0 x 0");
    EXPECT_EQ(size(DialogPicture::scaledSize({241, 320}, 120, {315, 428})), "301 x 400");
    EXPECT_EQ(size(DialogPicture::scaledSize({241, 320}, 144, {385, 535})), "362 x 480");
    EXPECT_EQ(size(DialogPicture::scaledSize({241, 320}, 144, {300, 535})), "300 x 398");
    EXPECT_EQ(size(DialogPicture::scaledSize({241, 320}, 144, {349, 484})), "349 x 463"); // not 462: 362 x 480 is rounded
}

namespace {
// Every control where the template places it, at the dialog's own units (its corner and its
// size each mapped, as the dialog manager does), and the dialog of the template's size; a
// picture keeps only its corner, as it takes its bitmap's size.
void expectAsTemplate(Automation& a, HWND dialog, const char* name)
{
    DialogTemplate layout;
    if (!loadDialogTemplate(name, layout))
        return a.fail(std::string("no template ") + name);
    RECT placed = {0, 0, layout.width, layout.height}, at;
    MapDialogRect(dialog, &placed);
    GetClientRect(dialog, &at);
    a.check(EqualRect(&placed, &at) != FALSE, std::string(name) + " is not of its template's size");
    HWND control = GetWindow(dialog, GW_CHILD);
    for (const TemplateControl& item : layout.controls) {
        SetRect(&placed, item.x, item.y, item.width, item.height);
        MapDialogRect(dialog, &placed);
        SetRect(&placed, placed.left, placed.top, placed.left + placed.right, placed.top + placed.bottom);
        GetWindowRect(control, &at);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&at), 2);
        bool picture = item.text[0] == '#';
        a.check(picture ? at.left == placed.left && at.top == placed.top : EqualRect(&placed, &at) != FALSE,
                std::string(name) + ": \"" + item.text + "\" is not where its template places it");
        control = GetWindow(control, GW_HWNDNEXT);
    }
}
} // namespace

// At 100, 125, 150 and 200 %: the picture grows with the dialog, and the menu fits a screen
// of that scale (1024 x 768, 1366 x 768, 1920 x 1080, a 4K laptop's 3840 x 2160), where every
// other dialog, smaller on both sides, fits too. Every text of every dialog on the way into
// a copy from the hard disk is whole, and no control covers another; at 96 DPI, with the
// real font's metrics, every control is where its template places it.
class MenuAtDpi : public Menu, public testing::WithParamInterface<int> {};

TEST_P(MenuAtDpi, ThePictureFillsItsRoomInItsProportionsAndEveryTextIsWhole)
{
    if (!DpiProcess::runsAt(GetParam()))
        return;
    const std::map<int, SIZE> screens = {{96, {1024, 768}}, {120, {1366, 768}}, {144, {1920, 1080}}, {192, {3840, 2160}}};
    SIZE screen = screens.at(GetParam());
    makeDiscs();
    discs->insert(1);
    ASSERT_TRUE(SetCurrentDirectoryA(root.c_str()));
    HeldWorker::hold();
    auto expectWhole = [](Automation& a, HWND dialog, const char* name) {
        a.expectLaidOutWhole(dialog);
        if (GetParam() == 96)
            expectAsTemplate(a, dialog, name);
    };
    Failures failures;
    runMenu([&](Automation& a) {
        HWND window = a.waitForDialog(Expected::Menu.c_str(), IDC_INSTALL);
        if (!window)
            return;
        Player::expectPictureClear(a, window, GetParam() == 96 ? Player::PictureSize::AsDrawn
                                                              : Player::PictureSize::FillingItsRoom);
        expectWhole(a, window, "IDD_SETUP_DLG");
        RECT frame;
        GetWindowRect(window, &frame);
        a.check(frame.right - frame.left <= screen.cx && frame.bottom - frame.top <= screen.cy,
                "the menu does not fit the screen");
        a.click(window, IDC_INSTALL);
        HWND install = a.waitForDialog(Expected::InstallDialog.c_str(), IDC_DESTINATION);
        expectWhole(a, install, "IDD_INST_DLG");
        a.click(install, IDOK);
        a.answer(Expected::InsertDisc1);
        a.expectLaidOutWhole(a.waitForFolderPicker()); // the drive picker
        a.answerFolderPicker("Q:\\");
        a.answer(Expected::CreateFolder, IDYES);
        HWND copy = a.waitForDialog(Expected::CopyDialog.c_str(), IDC_FILE_BAR);
        expectWhole(a, copy, "IDD_COPY_DLG");
        a.click(copy, IDCANCEL);
        HeldWorker::release();
        a.answer(Expected::CopyFailed);
        a.click(install, IDCANCEL);
        a.click(window, IDCANCEL);
    }, failures);
    HeldWorker::release();
    EXPECT_EQ(failures, Failures{});
}

INSTANTIATE_TEST_SUITE_P(Dpi, MenuAtDpi, testing::Values(96, 120, 144, 192));

TEST(DirectXPaths, ComposeWithinTheBufferOrNotAtAll)
{
    char folder[260] = "untouched", program[260] = "untouched";
    ASSERT_TRUE(SetupMenuDialog::composeDirectXPaths("D:\\", 3, folder, program));
    EXPECT_STREQ(folder, "D:\\DirectX8a\\");
    EXPECT_STREQ(program, "D:\\DirectX8a\\dxsetup.exe");
    ASSERT_TRUE(SetupMenuDialog::composeDirectXPaths("C:\\GAME", 7, folder, program));
    EXPECT_STREQ(program, "C:\\GAME\\DirectX8a\\dxsetup.exe");
    ASSERT_TRUE(SetupMenuDialog::composeDirectXPaths("C:\\表", 5, folder, program));
    EXPECT_STREQ(folder, "C:\\表\\DirectX8a\\");

    std::string fits = "C:\\" + std::string(234, 'x'); // 237 characters: program path of 259
    ASSERT_TRUE(SetupMenuDialog::composeDirectXPaths(fits.c_str(), 237, folder, program));
    EXPECT_EQ(std::string(program).size(), 259u);
    std::string tooLong = fits + "x";
    EXPECT_FALSE(SetupMenuDialog::composeDirectXPaths(tooLong.c_str(), 238, folder, program));
    // GetCurrentDirectoryA's answer for a directory longer than its buffer: the size it needs.
    EXPECT_FALSE(SetupMenuDialog::composeDirectXPaths("", 300, folder, program));
    EXPECT_FALSE(SetupMenuDialog::composeDirectXPaths("", 260, folder, program));
}
