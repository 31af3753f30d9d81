// CopyWorker: the thread that copies the job's files disc by disc and reports the outcome.
#pragma once
#include <windows.h>

#include "app/CopyJob.h"
#include "app/SystemCallSeam.h"
#include "state/InstallManifest.h"
#include "state/PathText.h"

class CopyWorker {
public:
    static const DWORD ChunkSize = 65536;
    static const int SourceOpenAttempts = 8;

    static DWORD WINAPI threadMain(void* job);

    explicit CopyWorker(CopyJob& job);
    void run();

private:
    enum class Step { Next, Stop };

    bool waitForDisc(int discIndex);
    Step copyEntry(int discIndex, const char* entry);
    Step stopFailed(); // reports Failed
    HANDLE openSource();
    void copyFile(HANDLE source, HANDLE destination, const char* entry);

    CopyJob& job;
    SystemCallSeam& calls;
    // Where each disc was last found: the source drive until it turns up in another drive.
    char discRoots[InstallManifest::DiscCount][PathText::Size];
    char sourcePath[PathText::Size];
    char destinationPath[PathText::Size];
    BYTE buffer[ChunkSize];
};
