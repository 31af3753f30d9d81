// The copy progress dialog: two bars, the file name, Cancel, and the record written on success.
#pragma once
#include "app/DialogBase.h"
#include "app/InstallState.h"

class CopyDialog : public DialogBase {
public:
    explicit CopyDialog(InstallState* installState);

    INT_PTR dialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void onInitDialog();
    void onCancel();
    void onWorkerDone();
    void onCopied();

    InstallState* installState;
};
