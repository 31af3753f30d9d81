// The dialog framework and the program's start: routing, centring, single instance.
#include <gtest/gtest.h>

#include <objbase.h>
#include <vector>

#include "app/DialogBase.h"
#include "app/Launcher.h"
#include "app/SystemCallSeam.h"
#include "tests/support/Automation.h"
#include "tests/support/SeamStandIns.h"
#include "tests/support/TestRegistry.h"

namespace {

class RecordingDialog : public DialogBase {
public:
    std::vector<UINT> messages;
    HWND seenOnInit = nullptr;

    INT_PTR dialogProc(UINT message, WPARAM, LPARAM) override
    {
        messages.push_back(message);
        if (message == WM_INITDIALOG) {
            seenOnInit = hwnd;
            PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
            return TRUE;
        }
        if (message == WM_COMMAND) {
            EndDialog(hwnd, 7);
            return TRUE;
        }
        return FALSE;
    }
};

} // namespace

TEST(DialogFramework, RoutesFromInitDialogOnAndReturnsTheEndDialogValue)
{
    RecordingDialog dialog;
    INT_PTR result = dialog.showModal(GetModuleHandleA(nullptr), "IDD_SETUP_DLG", nullptr);
    EXPECT_EQ(result, 7);
    ASSERT_FALSE(dialog.messages.empty());
    // WM_SETFONT and friends arrive before WM_INITDIALOG and must not reach the object.
    EXPECT_EQ(dialog.messages.front(), static_cast<UINT>(WM_INITDIALOG));
    EXPECT_NE(dialog.seenOnInit, nullptr);
    EXPECT_EQ(dialog.window(), dialog.seenOnInit);
}

TEST(DialogFramework, TheResultsKeepTheirValuesAndAMissingTemplateGivesMinusOne)
{
    // The tests compare results by name; these are the values behind the names.
    EXPECT_EQ(DialogBase::Completed, 1);
    EXPECT_EQ(DialogBase::Cancelled, IDCANCEL);
    RecordingDialog dialog;
    EXPECT_EQ(dialog.showModal(GetModuleHandleA(nullptr), "IDD_NO_SUCH_DLG", nullptr), DialogBase::NotCreated);
    EXPECT_EQ(DialogBase::NotCreated, -1);
    EXPECT_TRUE(dialog.messages.empty());
}

TEST(DialogFramework, CentresWithoutClampingEvenWhenLargerThanTheScreen)
{
    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    HWND small = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 301, 201, nullptr, nullptr, nullptr, nullptr);
    HWND large = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, screenWidth + 401, screenHeight + 301,
                                 nullptr, nullptr, nullptr, nullptr);
    DialogBase::centreOnScreen(small);
    DialogBase::centreOnScreen(large);
    RECT rect;
    GetWindowRect(small, &rect);
    EXPECT_EQ(rect.left, screenWidth / 2 - 301 / 2);
    EXPECT_EQ(rect.top, screenHeight / 2 - 201 / 2);
    EXPECT_EQ(rect.right - rect.left, 301);
    GetWindowRect(large, &rect);
    EXPECT_EQ(rect.left, screenWidth / 2 - (screenWidth + 401) / 2);
    EXPECT_LT(rect.left, 0);
    EXPECT_LT(rect.top, 0);
    DestroyWindow(small);
    DestroyWindow(large);
}

using Launch = RegistryTest;

TEST_F(Launch, ASecondStartEndsSilentlyWithZero)
{
    HANDLE first = CreateMutexA(nullptr, FALSE, Launcher::InstallerMutexName);
    ASSERT_NE(first, nullptr);
    Automation user([](Automation& a) { a.check(a.staysWithoutWindows(500), "a window appeared"); });
    EXPECT_EQ(Launcher::run(GetModuleHandleA(nullptr)), 0);
    EXPECT_EQ(user.finish(), std::vector<std::string>{});
    // The first copy's mutex is still there and still its own.
    HANDLE again = OpenMutexA(SYNCHRONIZE, FALSE, Launcher::InstallerMutexName);
    EXPECT_NE(again, nullptr);
    CloseHandle(again);
    CloseHandle(first);
}

TEST_F(Launch, RunsTheMenuAndReleasesTheMutexesAfterwards)
{
    Automation user([](Automation& a) {
        HWND menu = a.waitForDialog("Velnora", 1008);
        HANDLE installer = OpenMutexA(SYNCHRONIZE, FALSE, Launcher::InstallerMutexName);
        a.check(installer != nullptr, "no installer mutex while the menu is open");
        CloseHandle(installer);
        a.click(menu, IDCANCEL);
        a.waitGone(menu);
    });
    EXPECT_EQ(Launcher::run(GetModuleHandleA(nullptr)), 0);
    EXPECT_EQ(user.finish(), std::vector<std::string>{});
    EXPECT_EQ(OpenMutexA(SYNCHRONIZE, FALSE, Launcher::InstallerMutexName), nullptr);
    EXPECT_EQ(OpenMutexA(SYNCHRONIZE, FALSE, "Velnora_Running"), nullptr);
}

namespace {
UINT errorMode()
{
    UINT mode = SetErrorMode(0);
    SetErrorMode(mode);
    return mode;
}

HRESULT comAtTheStart = E_FAIL;
UINT errorModeAtTheStart = 0;
// Starts nothing: looks at the menu's thread at the moment it would start a program.
BOOL WINAPI probingStart(LPCSTR, LPSTR, LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES, BOOL, DWORD, LPVOID,
                         LPCSTR, LPSTARTUPINFOA, LPPROCESS_INFORMATION)
{
    comAtTheStart = CoInitialize(nullptr); // S_FALSE: the thread has COM in its own apartment
    if (SUCCEEDED(comAtTheStart))
        CoUninitialize();
    errorModeAtTheStart = errorMode();
    SetLastError(ERROR_FILE_NOT_FOUND);
    return FALSE;
}
} // namespace

// The menu appears before any drive is looked at, and the folder picker and the shell's
// start run on its thread. As on the first Windows 95, whose DLL search cannot be
// restricted: the system DLLs loaded first by full path leave the error mode as it was.
TEST_F(Launch, DriveErrorsFailQuietlyFromTheStartAndTheMenusThreadHasCom)
{
    UINT before = SetErrorMode(0);
    SeamStandIns::lookUpAsWindows95();
    SystemCallSeam::active().createProcess = probingStart;
    UINT modeWithTheMenu = 0;
    Automation user([&](Automation& a) {
        HWND menu = a.waitForDialog("Velnora", 1008);
        modeWithTheMenu = errorMode();
        a.click(menu, 1011); // DirectX
        a.answer(Expected::DirectXFailed);
        a.click(menu, IDCANCEL);
        a.waitGone(menu);
    });
    EXPECT_EQ(Launcher::run(GetModuleHandleA(nullptr)), 0);
    EXPECT_EQ(user.finish(), std::vector<std::string>{});
    SystemCallSeam::active() = SystemCallSeam();
    SetErrorMode(before);
    EXPECT_EQ(SeamStandIns::lateLookUps(), 2); // the DLL search's two
    EXPECT_EQ(modeWithTheMenu, static_cast<UINT>(SEM_FAILCRITICALERRORS));
    EXPECT_EQ(errorModeAtTheStart, static_cast<UINT>(SEM_FAILCRITICALERRORS));
    EXPECT_EQ(comAtTheStart, S_FALSE);
}

TEST(TestAutomation, TellsTheStandardIconsApart)
{
    // The message box checks compare icons by their bits when the handles differ.
    const LPCSTR icons[] = {IDI_WARNING, IDI_ERROR, IDI_INFORMATION, IDI_QUESTION};
    for (LPCSTR a : icons) {
        for (LPCSTR b : icons) {
            if (a != b) {
                EXPECT_NE(LoadIconA(nullptr, a), LoadIconA(nullptr, b));
            }
        }
    }
}
