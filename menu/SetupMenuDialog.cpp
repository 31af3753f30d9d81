// The main menu's handlers, and the start of the game and of the DirectX setup.
#include "menu/SetupMenuDialog.h"

#include <new>
#include <shellapi.h>

#include "app/NamedMutex.h"
#include "app/SystemCallSeam.h"
#include "app/TextFit.h"
#include "install/InstallDialog.h"
#include "menu/MenuPicture.h"
#include "menu/MenuText.h"
#include "res/resource.h"
#include "state/PathText.h"
#include "uninstall/UninstallDialog.h"

namespace {
const DWORD ErrorElevationRequired = 740; // ERROR_ELEVATION_REQUIRED, Vista and later
} // namespace

SetupMenuDialog::SetupMenuDialog()
    : playButton(nullptr), notInstalled(1), runningMutex(nullptr), installDialog(nullptr),
      uninstallDialog(nullptr), endingUnseen(false)
{
    installDialog = new (std::nothrow) InstallDialog(&installState);
    uninstallDialog = new (std::nothrow) UninstallDialog(&installState);
}

SetupMenuDialog::~SetupMenuDialog()
{
    delete installDialog;
    delete uninstallDialog;
}

INT_PTR SetupMenuDialog::dialogProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_WINDOWPOSCHANGING:
        keepHiddenWhenEnding(reinterpret_cast<WINDOWPOS*>(lParam));
        return FALSE;
    case WM_INITDIALOG:
        onInitDialog();
        return TRUE;
    case WM_DESTROY:
        onDestroy();
        return TRUE;
    case WM_COMMAND:
        onCommand(LOWORD(wParam));
        return FALSE;
    }
    return FALSE;
}

// A menu that finds the running mutex already there ends before it is ever shown.
void SetupMenuDialog::onInitDialog()
{
    if (!NamedMutex::createFirst(MenuText::RunningMutexName, runningMutex)) {
        endingUnseen = true;
        EndDialog(hwnd, Cancelled);
        return;
    }
    endingUnseen = false;
    playButton = GetDlgItem(hwnd, IDC_PLAY);
    refreshInstallState();
    TextFit::growToFit(hwnd);
    HWND shown = DialogPicture::find(hwnd), column = GetDlgItem(hwnd, IDC_DIRECTX);
    if (shown != nullptr && column != nullptr)
        picture.fitInto(shown, MenuPicture::roomBeside(hwnd, shown, column));
    centreOnScreen(hwnd);
}

// The dialog manager shows a visible template after WM_INITDIALOG even when the
// dialog has already ended; a menu that ends there must not flash up.
void SetupMenuDialog::keepHiddenWhenEnding(WINDOWPOS* position)
{
    if (endingUnseen)
        position->flags &= ~SWP_SHOWWINDOW;
}

void SetupMenuDialog::onDestroy()
{
    picture.release();
    if (runningMutex != nullptr) {
        CloseHandle(runningMutex);
        runningMutex = nullptr;
    }
}

void SetupMenuDialog::onCommand(WORD id)
{
    switch (id) {
    case IDC_INSTALL:
        onInstallOrUninstall();
        break;
    case IDC_PLAY:
        onPlay();
        break;
    case IDC_DIRECTX:
        onDirectX();
        break;
    case IDCANCEL:
        EndDialog(hwnd, Cancelled);
        break;
    }
}

// The branch follows the state of the last refresh; the registry is not read again
// first. A dialog object that could not be made leaves the button without effect.
void SetupMenuDialog::onInstallOrUninstall()
{
    if (notInstalled == 1) {
        if (installDialog == nullptr)
            return;
        // The install and copy dialogs report every outcome themselves.
        installDialog->showModal(hInstance, "IDD_INST_DLG", hwnd);
    } else {
        if (uninstallDialog == nullptr)
            return;
        if (say(MenuText::ConfirmUninstall, MB_YESNO) == IDNO)
            return;
        if (uninstallDialog->showModal(hInstance, "IDD_UNINST_DLG", hwnd) == Completed)
            say(MenuText::Uninstalled);
    }
    refreshInstallState();
}

void SetupMenuDialog::onPlay()
{
    char gamePath[PathText::Size];
    char installFolder[PathText::Size];
    if (installState.readGamePath(gamePath, sizeof gamePath) &&
        installState.readInstallFolder(installFolder, sizeof installFolder) &&
        launchProgram(hwnd, gamePath, installFolder)) {
        EndDialog(hwnd, Cancelled);
        return;
    }
    say(MenuText::PlayFailed);
}

void SetupMenuDialog::onDirectX()
{
    char currentDirectory[PathText::Size];
    DWORD length = GetCurrentDirectoryA(sizeof currentDirectory, currentDirectory);
    if (length == 0) {
        say(MenuText::NoCurrentDirectory);
        return;
    }
    char folder[PathText::Size];
    char program[PathText::Size];
    if (!composeDirectXPaths(currentDirectory, length, folder, program) ||
        !launchProgram(hwnd, program, folder))
        say(MenuText::DirectXFailed);
}

void SetupMenuDialog::refreshInstallState()
{
    bool installed = installState.isInstalled();
    SetDlgItemTextA(hwnd, IDC_INSTALL, installed ? MenuText::Uninstall : MenuText::Install);
    notInstalled = installed ? 0 : 1;
    EnableWindow(playButton, installed ? TRUE : FALSE);
}

// A program that asks for elevation (by its manifest, or by a name that Windows takes
// for an installer's, such as dxsetup.exe) cannot be created by this unelevated program;
// the shell starts it instead, after the elevation prompt. The program gets Windows' own
// error mode, not this one's, and its path in quotes as its command line, so that a
// folder with a space in its name stays one argument.
int SetupMenuDialog::launchProgram(HWND owner, const char* applicationPath,
                                   const char* workingDirectory)
{
    char commandLine[PathText::Size + 2];
    if (!PathText::concat(commandLine, sizeof commandLine, "\"", applicationPath, "\""))
        return 0;
    STARTUPINFOA startup;
    startupInfoToPassOn(startup);
    PROCESS_INFORMATION process;
    if (!SystemCallSeam::active().createProcess(applicationPath, commandLine, nullptr, nullptr,
                                                FALSE, CREATE_DEFAULT_ERROR_MODE, nullptr,
                                                workingDirectory, &startup, &process))
        return GetLastError() == ErrorElevationRequired
                   ? launchThroughShell(owner, applicationPath, workingDirectory)
                   : 0;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 1;
}

// This program's own start-up information, so that the show state and the title carry
// over, without what only means something in this process: the C runtime's file table
// that a parent may pass, and standard handles, which are not inherited.
void SetupMenuDialog::startupInfoToPassOn(STARTUPINFOA& startup)
{
    SystemCallSeam::active().getStartupInfo(&startup);
    startup.cbReserved2 = 0;
    startup.lpReserved2 = nullptr;
    startup.dwFlags &= ~STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = nullptr;
    startup.hStdError = nullptr;
}

// A refused prompt fails like any other start. The call returns only once the start is
// done, as the menu may end right after it.
int SetupMenuDialog::launchThroughShell(HWND owner, const char* applicationPath,
                                        const char* workingDirectory)
{
    SHELLEXECUTEINFOA execute = {};
    execute.cbSize = sizeof execute;
    execute.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_FLAG_DDEWAIT;
    execute.hwnd = owner;
    execute.lpFile = applicationPath;
    execute.lpDirectory = workingDirectory;
    execute.nShow = SW_SHOWNORMAL;
    return SystemCallSeam::active().shellExecute(&execute) ? 1 : 0;
}

// A length of the buffer's size or more is GetCurrentDirectoryA asking for a larger buffer.
bool SetupMenuDialog::composeDirectXPaths(const char* currentDirectory, DWORD length,
                                          char* folder, char* program)
{
    if (length == 0 || length >= PathText::Size)
        return false;
    const char* separator = PathText::endsWithBackslash(currentDirectory) ? "" : "\\";
    return PathText::concat(folder, PathText::Size, currentDirectory, separator,
                            MenuText::DirectXFolder) &&
           PathText::concat(program, PathText::Size, folder, MenuText::DirectXProgram);
}
