// The copy: disc prompts, 64 KiB chunks, file times, and the deletion after a failure.
#include "install/CopyWorker.h"

#include <memory>
#include <new>

#include "install/DiscMarker.h"
#include "install/InstallText.h"
#include "res/resource.h"
#include "state/InstallManifest.h"

DWORD WINAPI CopyWorker::threadMain(void* job)
{
    // About 66 KiB of buffers: on the heap, held for the whole run.
    CopyJob& copyJob = *static_cast<CopyJob*>(job);
    std::unique_ptr<CopyWorker> worker(new (std::nothrow) CopyWorker(copyJob));
    if (worker != nullptr)
        worker->run();
    else
        copyJob.reportOutcome(CopyStatus::Failed);
    return 0;
}

CopyWorker::CopyWorker(CopyJob& job)
    : job(job), calls(SystemCallSeam::active()), discRoots{}, sourcePath{}, destinationPath{}
{
    for (char* root : discRoots)
        PathText::copy(root, PathText::Size, job.jobSourceRoot()); // same size: always fits
}

// The disc is tested before every file and once more at the end of its list.
void CopyWorker::run()
{
    if (!InstallManifest::isSetupType(job.jobSetupType())) {
        job.reportOutcome(CopyStatus::Failed);
        return;
    }
    auto step = [this](int disc, const char* entry) {
        if (!waitForDisc(disc)) {
            job.reportOutcome(CopyStatus::Failed);
            return false;
        }
        return entry == nullptr || copyEntry(disc, entry) == Step::Next;
    };
    if (InstallManifest::walkDiscs(job.jobSetupType(), step))
        job.reportOutcome(CopyStatus::Done);
}

// The disc is taken from whichever CD-ROM drive holds it, and asked for only when none
// does. False when the user refused to put it in.
bool CopyWorker::waitForDisc(int discIndex)
{
    while (!DiscMarker::locate(discIndex, discRoots[discIndex])) {
        char prompt[Message::TextSize];
        if (InstallText::DiscChange.formatted(prompt, discIndex + 1)
                .show(job.notifyWindow(), MB_OKCANCEL) == IDCANCEL)
            return false;
    }
    return true;
}

CopyWorker::Step CopyWorker::copyEntry(int discIndex, const char* entry)
{
    // A path that would not fit is a failed copy, never a truncated or overrun one.
    if (!PathText::concat(sourcePath, sizeof sourcePath, discRoots[discIndex], entry) ||
        !PathText::join(destinationPath, sizeof destinationPath, job.jobInstallFolder(), entry))
        return stopFailed();
    job.ensureSubdirectory(entry);
    HANDLE source = openSource();
    if (source == INVALID_HANDLE_VALUE)
        return stopFailed();
    // Not a duplicate: the create below needs the folder now, and up to 8 opens of a slow
    // disc lie between the first call and here.
    job.ensureSubdirectory(entry);
    HANDLE destination =
        calls.createFile(destinationPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (destination == INVALID_HANDLE_VALUE) {
        CloseHandle(source);
        return stopFailed();
    }
    copyFile(source, destination, entry);
    CloseHandle(source);
    CloseHandle(destination);
    if (job.getStatus() == CopyStatus::Idle)
        return Step::Next;
    // The outcome is stored only once the files are gone: the dialog closes on it.
    job.deleteInstalledFiles();
    return stopFailed();
}

CopyWorker::Step CopyWorker::stopFailed()
{
    job.reportOutcome(CopyStatus::Failed);
    return Step::Stop;
}

HANDLE CopyWorker::openSource()
{
    HANDLE source = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < SourceOpenAttempts && source == INVALID_HANDLE_VALUE; ++attempt)
        source = calls.createFile(sourcePath, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    return source;
}

// Ends on an abort request before a read; a failed read, write or time copy requests one.
void CopyWorker::copyFile(HANDLE source, HANDLE destination, const char* entry)
{
    DWORD size = GetFileSize(source, nullptr);
    job.beginFile(size);
    SetDlgItemTextA(job.notifyWindow(), IDC_FILE_NAME, entry);
    DWORD passes = size / ChunkSize + (size % ChunkSize != 0 ? 1 : 0);
    for (DWORD pass = 0; pass < passes; ++pass) {
        if (job.getStatus() != CopyStatus::Idle)
            break;
        DWORD got = 0;
        DWORD written = 0;
        if (!calls.readFile(source, buffer, ChunkSize, &got, nullptr) ||
            !WriteFile(destination, buffer, got, &written, nullptr)) {
            job.reportFailure();
            break;
        }
        job.advanceProgress(got);
    }
    if (job.getStatus() != CopyStatus::Idle)
        return;
    FILETIME created, accessed, written;
    if (!GetFileTime(source, &created, &accessed, &written) ||
        !calls.setFileTime(destination, &created, &accessed, &written))
        job.reportFailure();
}
