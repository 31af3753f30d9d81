// The copy job record that the installer, the copy worker and the uninstaller share.
#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>

#include "state/PathText.h"

enum class CopyStatus : LONG {
    Idle = 0,   // the job runs, or there is nothing to report
    Done = 1,   // every file of the job has been copied
    Failed = 2, // the job ended without success
    Abort = 3,  // stop copying and delete what the job installs
};

class CopyJob {
public:
    CopyJob();
    ~CopyJob();
    CopyJob(const CopyJob&) = delete;
    CopyJob& operator=(const CopyJob&) = delete;

    void setSetupType(std::int32_t type);
    bool setInstallFolder(const char* path);
    bool setSourceRoot(const char* path);

    CopyStatus getStatus() const;
    void clearStatus();
    // Asks the worker to stop. Only a running job (Idle) takes the request, so an
    // outcome that the worker has already stored is never hidden.
    void requestAbort();
    // The dialog's side: the worker's outcome (Done or Failed), taken once; Idle when
    // there is none, which leaves an abort request in place.
    CopyStatus takeOutcome();

    std::int32_t jobSetupType() const { return setupType; }
    const char* jobInstallFolder() const { return installFolder; }
    const char* jobSourceRoot() const { return sourceRoot; }

    // Running the job; these live with the installer (install/CopyJobRun.cpp).
    // Binds the job to the copy dialog and starts the worker; false when the thread
    // cannot be started.
    bool startWorker(HWND copyDialog);
    void resetProgress();
    void beginFile(DWORD size);
    void advanceProgress(DWORD bytes);
    // Creates the directory named by the part of a list entry before its first backslash.
    void ensureSubdirectory(const char* entry);
    // Deletes from the install folder every file that the job's setup type lists; the
    // error of the first deletion that failed, ERROR_SUCCESS when none did.
    DWORD deleteInstalledFiles();

    // The worker's side of the status word.
    void reportFailure();                   // a read, write or file-time failure: Idle -> Abort
    void reportOutcome(CopyStatus outcome); // Done or Failed, then the notification

    HWND notifyWindow() const { return dialogWindow; }
    DWORD filePosition() const { return filePos; }
    DWORD fileLength() const { return fileSize; }
    DWORD totalPosition() const { return totalPos; }
    DWORD totalLength() const { return totalSize; }

    // What a bar is sent for a count of bytes out of its range: the bytes where its comctl32
    // takes 32-bit ranges; otherwise halved as often as the range needs to fit 16 bits.
    static DWORD barUnits(DWORD bytes, DWORD range, bool wideRanges);

private:
    void setBarRange(HWND bar, DWORD range);
    void setBarPosition(HWND bar, DWORD position, DWORD range);

    char installFolder[PathText::Size];
    char sourceRoot[PathText::Size];
    HWND dialogWindow;
    HWND fileBar;
    HWND totalBar;
    HANDLE workerThread;
    std::int32_t setupType;
    std::atomic<LONG> status;
    DWORD filePos;
    DWORD fileSize;
    DWORD totalPos;
    DWORD totalSize;
    bool wideRanges;

    static_assert(sizeof(std::atomic<LONG>) == 4, "the status word is one 32-bit value");
};
