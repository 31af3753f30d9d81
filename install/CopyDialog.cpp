// The copy progress dialog: starts the worker, shows two progress bars and the file
// name, takes Cancel as an abort request and writes the install record on success.
#include "CopyDialog.h"

#include "InstallText.h"

CopyDialog::CopyDialog(InstallState* installState) : installState(installState) {}

INT_PTR CopyDialog::dialogProc(UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        onInitDialog();
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL)
            installState->job().requestAbort(); // the dialog closes on the worker's answer
        return TRUE;
    case WM_USER:
        onWorkerDone();
        return TRUE;
    }
    return FALSE;
}

void CopyDialog::onInitDialog()
{
    centreOnScreen(hwnd);
    if (!installState->job().startWorker(hwnd))
        fail(InstallText::CopyFailed); // no worker, so no answer would ever come
}

// WM_USER is also the dialog manager's DM_GETDEFID: without an outcome it does nothing.
void CopyDialog::onWorkerDone()
{
    CopyJob& job = installState->job();
    switch (job.getStatus()) {
    case CopyStatus::Done:
        job.clearStatus();
        if (installState->writeInstallRecord(job.jobSetupType(), job.jobInstallFolder(),
                                             job.jobSourceRoot())) {
            EndDialog(hwnd, 1);
            return;
        }
        MessageBoxA(hwnd, InstallText::RegistryFailed, InstallText::InstallErrorCaption,
                    MB_ICONWARNING);
        job.deleteInstalledFiles();
        EndDialog(hwnd, 2);
        return;
    case CopyStatus::Failed:
        job.clearStatus();
        fail(InstallText::CopyFailed);
        return;
    default:
        return;
    }
}

void CopyDialog::fail(const char* text)
{
    MessageBoxA(hwnd, text, InstallText::InstallErrorCaption, MB_ICONWARNING);
    EndDialog(hwnd, 2);
}
