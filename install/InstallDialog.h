// The install dialog: folder, setup type, source disc and checks, the copy, disc 1 back.
#pragma once
#include <windows.h>

#include <cstdint>

#include "app/DialogBase.h"
#include "app/InstallState.h"
#include "install/FolderPicker.h"
#include "state/PathText.h"

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

private:
    void onInitDialog();
    void onCommand(WORD id);
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

    FolderPicker picker;
    char destination[PathText::Size];
    char sourceRoot[PathText::Size];
    InstallState* installState;
    CopyDialog* copyDialog;
};
