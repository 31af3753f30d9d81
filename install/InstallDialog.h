// The install dialog: folder and setup type, the source disc, the drive, space and
// folder checks, the copy, and the first disc asked back.
#pragma once
#include <windows.h>

#include <cstdint>

#include "../app/DialogBase.h"
#include "../app/InstallState.h"
#include "../state/PathText.h"
#include "FolderPicker.h"

class CopyDialog;

class InstallDialog : public DialogBase {
public:
    enum class Drive { Destination, Source };

    explicit InstallDialog(InstallState* installState);
    ~InstallDialog() override;

    INT_PTR dialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // base + "\" (unless base is a drive root such as "C:\") + "Velnora" into result;
    // false when base is empty or the install folder would be too long to install into.
    static bool composeDestination(const char* base, char* result);
    static void driveRootOf(char* target, const char* path);
    // Free bytes against required: an unsigned 64-bit comparison.
    static bool hasRoomFor(ULONGLONG freeBytes, DWORD required);
    // The longest install folder that leaves room for every file the game puts there.
    static std::size_t longestInstallFolder();
    // "<system text> ( Error Code=<code> )", also when the system has no text for it.
    static void describeError(DWORD code, char* text, std::size_t size);

    const char* destinationFolder() const { return destination; }

private:
    void onInitDialog();
    void onChangeFolder();
    void onStart();
    bool settleSource();
    bool checkDriveType(Drive which);
    bool checkFreeSpace(DWORD required);
    bool ensureDestinationFolder();
    bool runCopy();
    void askForDiscOneBack();
    bool discOnePresent() const;
    std::int32_t selectedSetupType() const;
    int say(const char* text, const char* caption, UINT style);

    FolderPicker picker;
    char destination[PathText::Size];
    char sourceRoot[PathText::Size];
    InstallState* installState;
    CopyDialog* copyDialog;
};
