// The install dialog's handlers and the checks that guard the start of a copy.
#include "install/InstallDialog.h"

#include <cstring>
#include <new>

#include "app/SystemError.h"
#include "app/TextFit.h"
#include "install/CopyDialog.h"
#include "install/DiscMarker.h"
#include "install/DiskSpace.h"
#include "install/InstallText.h"
#include "res/resource.h"
#include "state/InstallManifest.h"

InstallDialog::InstallDialog(InstallState* installState)
    : destination{}, sourceRoot{}, installState(installState), copyDialog(nullptr)
{
    copyDialog = new (std::nothrow) CopyDialog(installState);
}

InstallDialog::~InstallDialog()
{
    delete copyDialog;
}

INT_PTR InstallDialog::dialogProc(UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        onInitDialog();
        return TRUE;
    case WM_COMMAND:
        onCommand(LOWORD(wParam));
        return FALSE;
    }
    return FALSE;
}

// Every opening proposes C:\Velnora and the standard type again.
void InstallDialog::onInitDialog()
{
    composeDestination("C:\\", destination);
    SetDlgItemTextA(hwnd, IDC_DESTINATION, destination);
    SendDlgItemMessageA(hwnd, IDC_STANDARD, BM_SETCHECK, BST_CHECKED, 0);
    SendDlgItemMessageA(hwnd, IDC_MAXIMUM, BM_SETCHECK, BST_UNCHECKED, 0);
    TextFit::growToFit(hwnd);
    centreOnScreen(hwnd);
}

void InstallDialog::onCommand(WORD id)
{
    switch (id) {
    case IDOK:
        onStart();
        break;
    case IDCANCEL:
        EndDialog(hwnd, Cancelled);
        break;
    case IDC_CHANGE:
        onChangeFolder();
        break;
    }
}

void InstallDialog::onChangeFolder()
{
    if (!picker.browseForFolder(hwnd, "", InstallText::ChangeFolderTitle))
        return;
    char composed[PathText::Size];
    if (!composeDestination(picker.path(), composed)) {
        say(InstallText::PathTooLong);
        return;
    }
    PathText::copy(destination, sizeof destination, composed);
    SetDlgItemTextA(hwnd, IDC_DESTINATION, destination);
}

// Each check that fails has told the user why and leaves the dialog open.
void InstallDialog::onStart()
{
    if (!settleSource() || !checkDriveType(Drive::Destination) ||
        !checkFreeSpace(InstallManifest::requiredBytes(selectedSetupType())) ||
        !ensureDestinationFolder())
        return;
    CopyJob& job = installState->job();
    job.setSetupType(selectedSetupType());
    job.setInstallFolder(destination);
    job.setSourceRoot(sourceRoot);
    if (!runCopy())
        return;
    if (selectedSetupType() == InstallManifest::Standard)
        askForDiscOneBack();
    say(InstallText::Installed);
    EndDialog(hwnd, Completed);
}

// From a hard disk the disc drive is asked for; from any other drive it is the source.
bool InstallDialog::settleSource()
{
    char current[PathText::Size];
    if (!PathText::currentDirectory(current)) {
        say(InstallText::NoCurrentDirectory);
        return false;
    }
    PathText::driveRootOf(sourceRoot, current);
    if (GetDriveTypeA(sourceRoot) != DRIVE_FIXED)
        return true;

    bool hasCdrom = false;
    for (char letter = 'A'; letter <= 'Z' && !hasCdrom; ++letter) {
        char root[] = {letter, ':', '\\', '\0'};
        hasCdrom = GetDriveTypeA(root) == DRIVE_CDROM;
    }
    if (!hasCdrom) {
        say(InstallText::NoCdromDrive);
        return false;
    }
    say(InstallText::InsertDisc1);
    if (!picker.browseForFolder(hwnd, "", InstallText::DiscDriveTitle))
        return false;
    PathText::driveRootOf(sourceRoot, picker.path());
    if (!checkDriveType(Drive::Source))
        return false;
    if (!discOnePresent()) {
        say(InstallText::Disc1Missing);
        return false;
    }
    return true;
}

bool InstallDialog::checkDriveType(Drive which)
{
    char root[PathText::Size];
    PathText::driveRootOf(root, which == Drive::Destination ? destination : sourceRoot);
    UINT type = GetDriveTypeA(root);
    if (which == Drive::Destination ? type == DRIVE_FIXED : type == DRIVE_CDROM)
        return true;
    say(which == Drive::Destination ? InstallText::WrongDestinationDrive
                                    : InstallText::WrongSourceDrive);
    return false;
}

bool InstallDialog::checkFreeSpace(DWORD required)
{
    char root[PathText::Size];
    PathText::driveRootOf(root, destination);
    ULONGLONG freeBytes = 0;
    if (!DiskSpace::freeBytes(root, freeBytes)) {
        say(InstallText::DiskCheckFailed);
        return false;
    }
    if (DiskSpace::hasRoomFor(freeBytes, required))
        return true;
    sayFormatted(InstallText::NotEnoughSpace, root);
    return false;
}

// An existing folder is entered and left again; a missing one may be made, one level.
bool InstallDialog::ensureDestinationFolder()
{
    char saved[PathText::Size];
    if (!PathText::currentDirectory(saved)) {
        say(InstallText::CurrentDirectoryFailed);
        return false;
    }
    if (SetCurrentDirectoryA(destination)) {
        if (SetCurrentDirectoryA(saved))
            return true;
        say(InstallText::CurrentDirectoryMoveFailed);
        return false;
    }
    if (say(InstallText::CreateFolder, MB_YESNO) == IDNO)
        return false;
    if (CreateDirectoryA(destination, nullptr))
        return true;
    say(InstallText::CreateFolderFailed);
    return false;
}

// True when the copy completed; a failed or cancelled copy has reported itself.
bool InstallDialog::runCopy()
{
    INT_PTR result = NotCreated;
    DWORD code = ERROR_NOT_ENOUGH_MEMORY; // no copy dialog object could be made
    if (copyDialog != nullptr) {
        result = copyDialog->showModal(hInstance, "IDD_COPY_DLG", hwnd);
        code = GetLastError();
    }
    if (result != NotCreated)
        return result == Completed;
    char reason[Message::TextSize];
    SystemError::describe(code, InstallText::UnknownError, reason);
    sayFormatted(InstallText::CopyDialogError, reason, static_cast<int>(code));
    return false;
}

// At least once, then again after every OK while disc 1 is not in the drive.
void InstallDialog::askForDiscOneBack()
{
    while (say(InstallText::Disc1Back, MB_OKCANCEL) == IDOK &&
           !discOnePresent()) {
    }
}

bool InstallDialog::discOnePresent() const
{
    char marker[PathText::Size];
    return DiscMarker::compose(sourceRoot, 0, marker) && DiscMarker::isPresent(marker);
}

std::int32_t InstallDialog::selectedSetupType() const
{
    return SendDlgItemMessageA(hwnd, IDC_STANDARD, BM_GETCHECK, 0, 0) == 0 ? 1 : 0;
}

bool InstallDialog::composeDestination(const char* base, char* result)
{
    if (base[0] == '\0')
        return false;
    const char* separator = std::strlen(base) > 3 ? "\\" : "";
    char composed[PathText::Size];
    if (!PathText::concat(composed, sizeof composed, base, separator, InstallText::ProductFolder) ||
        std::strlen(composed) > InstallManifest::longestInstallFolder())
        return false;
    return PathText::copy(result, PathText::Size, composed);
}
