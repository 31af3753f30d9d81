// The copy progress dialog: starts the worker, shows two progress bars and the file
// name, takes Cancel as an abort request and writes the install record on success.
#pragma once
#include "../app/DialogBase.h"
#include "../app/InstallState.h"

class CopyDialog : public DialogBase {
public:
    explicit CopyDialog(InstallState* installState);

    INT_PTR dialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void onInitDialog();
    void onWorkerDone();
    void fail(const char* text);

    InstallState* installState;
};
