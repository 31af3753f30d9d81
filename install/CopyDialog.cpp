// The copy dialog's handlers: the worker's start, Cancel, and the worker's outcome.
#include "install/CopyDialog.h"

#include "app/TextFit.h"
#include "install/InstallText.h"

CopyDialog::CopyDialog(InstallState* installState) : installState(installState) {}

INT_PTR CopyDialog::dialogProc(UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        onInitDialog();
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL)
            onCancel();
        return TRUE;
    case WorkerDone:
        onWorkerDone();
        return TRUE;
    }
    return FALSE;
}

void CopyDialog::onInitDialog()
{
    TextFit::growToFit(hwnd);
    centreOnScreen(hwnd);
    if (!installState->job().startWorker(hwnd))
        endWith(InstallText::CopyFailed); // no worker, so no answer would ever come
}

// The dialog closes on the worker's answer, which deletes what was copied.
void CopyDialog::onCancel()
{
    installState->job().requestAbort();
}

void CopyDialog::onWorkerDone()
{
    switch (installState->job().takeOutcome()) {
    case CopyStatus::Done:
        onCopied();
        break;
    case CopyStatus::Failed:
        endWith(InstallText::CopyFailed);
        break;
    default:
        break;
    }
}

void CopyDialog::onCopied()
{
    CopyJob& job = installState->job();
    if (installState->writeInstallRecord(job.jobSetupType(), job.jobInstallFolder(),
                                         job.jobSourceRoot())) {
        EndDialog(hwnd, Completed);
        return;
    }
    say(InstallText::RegistryFailed);
    job.deleteInstalledFiles();
    EndDialog(hwnd, Cancelled);
}
