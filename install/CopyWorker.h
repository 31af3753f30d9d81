// The copy worker thread: copies every file that the job's setup type lists from the
// discs into the install folder, disc by disc, and reports its outcome to the dialog.
#pragma once
#include <windows.h>

#include "../app/CopyJob.h"
#include "../state/PathText.h"
#include "../app/SystemCallSeam.h"

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
    Step copyEntry(const char* entry);
    HANDLE openSource();
    void copyFile(HANDLE source, HANDLE destination, const char* entry);
    void finish(CopyStatus outcome);

    CopyJob& job;
    SystemCallSeam& calls;
    char markerPath[PathText::Size];
    char sourcePath[PathText::Size];
    char destinationPath[PathText::Size];
    char prompt[1024];
    BYTE buffer[ChunkSize];
};
