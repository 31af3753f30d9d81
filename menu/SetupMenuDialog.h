// The main menu: install or uninstall, play, DirectX setup, cancel.
#pragma once
#include <windows.h>

#include <cstdint>

#include "app/DialogBase.h"
#include "app/DialogPicture.h"
#include "app/InstallState.h"

class InstallDialog;
class UninstallDialog;

class SetupMenuDialog : public DialogBase {
public:
    SetupMenuDialog();
    ~SetupMenuDialog() override;

    INT_PTR dialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // 1 when the process was created; the program is not waited for. One that needs
    // elevation is started through the shell, whose prompt the owner window owns.
    static int launchProgram(HWND owner, const char* applicationPath,
                             const char* workingDirectory);
    // The DirectX setup folder (ending in a backslash) and program below the current
    // directory, as GetCurrentDirectoryA gave it; false when they would not fit.
    static bool composeDirectXPaths(const char* currentDirectory, DWORD length, char* folder,
                                    char* program);

private:
    void onInitDialog();
    void keepHiddenWhenEnding(WINDOWPOS* position);
    void onDestroy();
    void onCommand(WORD id);
    void onInstallOrUninstall();
    void onPlay();
    void onDirectX();
    void refreshInstallState();
    static void startupInfoToPassOn(STARTUPINFOA& startup);
    static int launchThroughShell(HWND owner, const char* applicationPath,
                                  const char* workingDirectory);

    HWND playButton;
    std::int32_t notInstalled;
    InstallState installState;
    HANDLE runningMutex;
    InstallDialog* installDialog;
    UninstallDialog* uninstallDialog;
    bool endingUnseen;
    DialogPicture picture;
};
