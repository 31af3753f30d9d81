// The uninstall dialog: the saved-games question, a note while the worker works, its errors.
#pragma once
#include <windows.h>

#include <atomic>

#include "app/DialogBase.h"
#include "app/DialogPicture.h"
#include "app/InstallState.h"
#include "uninstall/UninstallWorker.h"

class UninstallDialog : public DialogBase {
public:
    explicit UninstallDialog(InstallState* installState);

    INT_PTR dialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The worker's side: what it works on, and its one report.
    InstallState& state() { return *installState; }
    bool savesToDelete() const { return deleteSaves == 1; }
    void reportOutcome(UninstallResult outcome, const LeftFile& fileLeft);

    // The wait picture's room, from the rectangles of the client area, the picture and the
    // note beside it, as on the screen: up to the note and down to the bottom, keeping the
    // margin that the picture has to the left edge. Its bitmap stays whole at 96 DPI.
    static SIZE pictureRoom(const RECT& client, const RECT& shown, const RECT& note);

private:
    void onInitDialog();
    void fitPicture();
    UninstallResult takeOutcome();
    void onWorkerDone();
    void onDestroy();
    void failOnFileLeft();

    InstallState* installState;
    std::atomic<LONG> result;
    LONG deleteSaves;
    HANDLE workerThread;
    LeftFile fileLeft; // written by the worker before result
    DialogPicture picture;
};
