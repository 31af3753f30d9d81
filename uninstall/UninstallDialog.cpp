// The uninstall dialog: asks about the saved games, shows a note while the worker
// removes the game, and reports what went wrong.
#include "UninstallDialog.h"

#include "../app/SystemCallSeam.h"
#include "UninstallText.h"

UninstallDialog::UninstallDialog(InstallState* installState)
    : installState(installState), result(static_cast<LONG>(UninstallResult::Running)),
      deleteSaves(0), workerThread(nullptr), fileLeft{}
{
}

// No buttons and no close box: Escape and Enter (WM_COMMAND) do nothing.
INT_PTR UninstallDialog::dialogProc(UINT message, WPARAM, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        onInitDialog();
        return 1;
    case WM_USER:
        onWorkerDone();
        return 1;
    case WM_DESTROY:
        onDestroy();
        return 1;
    }
    return 0;
}

// The question comes while the dialog is still hidden; it shows once its loop runs.
void UninstallDialog::onInitDialog()
{
    deleteSaves = MessageBoxA(hwnd, UninstallText::DeleteSavesQuestion, UninstallText::Caption,
                              MB_YESNO | MB_ICONQUESTION) == IDYES
                      ? 1
                      : 0;
    result.store(static_cast<LONG>(UninstallResult::Running));
    workerThread = SystemCallSeam::active().createThread(nullptr, 0, UninstallWorker::threadMain,
                                                          this, 0, nullptr);
    centreOnScreen(hwnd);
    if (workerThread == nullptr)
        fail(UninstallText::CannotStart); // no worker, so no report would ever come
}

void UninstallDialog::report(UninstallResult outcome, const char* leftPath)
{
    if (!PathText::copy(fileLeft, sizeof fileLeft, leftPath))
        fileLeft[0] = '\0';
    result.store(static_cast<LONG>(outcome));
    SendMessageA(hwnd, WM_USER, 0, 0);
}

// WM_USER is also the dialog manager's DM_GETDEFID: while the worker runs it does
// nothing, and the report is taken once, so a second WM_USER during an error box
// cannot open another.
void UninstallDialog::onWorkerDone()
{
    switch (static_cast<UninstallResult>(result.exchange(static_cast<LONG>(UninstallResult::Running)))) {
    case UninstallResult::NoSetupType:
        fail(UninstallText::NoSetupType);
        break;
    case UninstallResult::NoInstallFolder:
        fail(UninstallText::NoInstallFolder);
        break;
    case UninstallResult::RecordNotDeleted:
        fail(UninstallText::RecordNotDeleted);
        break;
    case UninstallResult::FileLeft: {
        char text[1024];
        wsprintfA(text, UninstallText::FileLeft, fileLeft);
        fail(text);
        break;
    }
    case UninstallResult::Finished:
        EndDialog(hwnd, 1);
        break;
    default:
        break;
    }
}

void UninstallDialog::onDestroy()
{
    if (workerThread != nullptr) {
        CloseHandle(workerThread);
        workerThread = nullptr;
    }
}

void UninstallDialog::fail(const char* text)
{
    MessageBoxA(hwnd, text, UninstallText::ErrorCaption, MB_ICONWARNING);
    EndDialog(hwnd, 2);
}
