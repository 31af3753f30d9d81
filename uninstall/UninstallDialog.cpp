// The uninstall dialog's handlers: the saved-games question, the worker's start and its report.
#include "uninstall/UninstallDialog.h"

#include "app/SystemCallSeam.h"
#include "app/SystemError.h"
#include "app/TextFit.h"
#include "uninstall/UninstallText.h"

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
        return TRUE;
    case WorkerDone:
        onWorkerDone();
        return TRUE;
    case WM_DESTROY:
        onDestroy();
        return TRUE;
    }
    return FALSE;
}

// The question comes while the dialog is still hidden; it shows once its loop runs.
void UninstallDialog::onInitDialog()
{
    TextFit::growToFit(hwnd);
    fitPicture();
    deleteSaves = say(UninstallText::DeleteSaves, MB_YESNO) == IDYES ? 1 : 0;
    result.store(static_cast<LONG>(UninstallResult::Running));
    DWORD threadId = 0; // Windows 98 and ME fail the start without somewhere to put it
    workerThread = SystemCallSeam::active().createThread(nullptr, 0, UninstallWorker::threadMain,
                                                         this, 0, &threadId);
    centreOnScreen(hwnd);
    if (workerThread == nullptr)
        endWith(UninstallText::CannotStart); // no worker, so no report would ever come
}

SIZE UninstallDialog::pictureRoom(const RECT& client, const RECT& shown, const RECT& note)
{
    LONG margin = shown.left - client.left;
    return DialogPicture::roomBeside(shown, note.left, client.bottom, SIZE{margin, margin});
}

// The note is the dialog's other control.
void UninstallDialog::fitPicture()
{
    HWND shown = DialogPicture::find(hwnd);
    HWND note = GetWindow(hwnd, GW_CHILD);
    if (note == shown)
        note = GetWindow(note, GW_HWNDNEXT);
    if (shown == nullptr || note == nullptr)
        return;
    RECT pictureRect, noteRect;
    GetWindowRect(shown, &pictureRect);
    GetWindowRect(note, &noteRect);
    picture.fitInto(shown, pictureRoom(DialogPicture::clientOnScreen(hwnd), pictureRect, noteRect));
}

// The notification is sent, so the dialog has taken the result when it returns.
void UninstallDialog::reportOutcome(UninstallResult outcome, const LeftFile& left)
{
    fileLeft = left;
    result.store(static_cast<LONG>(outcome));
    SendMessageA(hwnd, WorkerDone, 0, 0);
}

UninstallResult UninstallDialog::takeOutcome()
{
    LONG running = static_cast<LONG>(UninstallResult::Running);
    return static_cast<UninstallResult>(result.exchange(running));
}

void UninstallDialog::onWorkerDone()
{
    switch (takeOutcome()) {
    case UninstallResult::NoSetupType:
        endWith(UninstallText::NoSetupType);
        break;
    case UninstallResult::NoInstallFolder:
        endWith(UninstallText::NoInstallFolder);
        break;
    case UninstallResult::RecordNotDeleted:
        endWith(UninstallText::RecordNotDeleted);
        break;
    case UninstallResult::FileLeft:
        failOnFileLeft();
        break;
    case UninstallResult::Finished:
        EndDialog(hwnd, Completed);
        break;
    default:
        break;
    }
}

void UninstallDialog::onDestroy()
{
    picture.release();
    if (workerThread != nullptr) {
        CloseHandle(workerThread);
        workerThread = nullptr;
    }
}

// Closing the program that holds the file helps only when one holds it.
void UninstallDialog::failOnFileLeft()
{
    char text[Message::TextSize];
    switch (fileLeft.error) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        endWith(UninstallText::FileInUse.formatted(text, fileLeft.path));
        return;
    case ERROR_ACCESS_DENIED:
        endWith(UninstallText::FileProtected.formatted(text, fileLeft.path));
        return;
    case ERROR_SUCCESS: // the deletion said it was done, yet the file is there
        endWith(UninstallText::FileNotDeletedUnexplained.formatted(text, fileLeft.path));
        return;
    }
    char reason[Message::TextSize];
    SystemError::describe(fileLeft.error, UninstallText::UnknownReason, reason);
    endWith(UninstallText::FileNotDeleted.formatted(text, fileLeft.path, reason,
                                                    static_cast<int>(fileLeft.error)));
}
