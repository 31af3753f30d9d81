// Running a copy job (declared in app/CopyJob.h): the worker's start, bars, subfolders, deletion.
#include "app/CopyJob.h"

#include <commctrl.h>
#include <cstring>

#include "app/SystemCallSeam.h"
#include "app/SystemLibraries.h"
#include "install/CopyWorker.h"
#include "res/resource.h"
#include "state/InstallManifest.h"
#include "state/InstalledFiles.h"

bool CopyJob::startWorker(HWND copyDialog)
{
    dialogWindow = copyDialog;
    fileBar = GetDlgItem(copyDialog, IDC_FILE_BAR);
    totalBar = GetDlgItem(copyDialog, IDC_TOTAL_BAR);
    wideRanges = SystemLibraries::progressBarsTakeWideRanges();
    clearStatus();
    resetProgress();
    if (workerThread != nullptr) {
        CloseHandle(workerThread);
        workerThread = nullptr;
    }
    DWORD threadId = 0; // Windows 98 and ME fail the start without somewhere to put it
    workerThread = SystemCallSeam::active().createThread(nullptr, 0, CopyWorker::threadMain, this,
                                                          0, &threadId);
    return workerThread != nullptr;
}

void CopyJob::resetProgress()
{
    filePos = 0;
    fileSize = 0;
    totalPos = 0;
    totalSize = InstallManifest::progressTotal(setupType);
    setBarRange(totalBar, totalSize);
    setBarPosition(totalBar, 0, totalSize);
    setBarRange(fileBar, 1);
    setBarPosition(fileBar, 0, 1);
}

void CopyJob::beginFile(DWORD size)
{
    fileSize = size;
    filePos = 0;
    setBarRange(fileBar, size);
    setBarPosition(fileBar, 0, size);
}

void CopyJob::advanceProgress(DWORD bytes)
{
    filePos += bytes;
    totalPos += bytes;
    setBarPosition(fileBar, filePos, fileSize);
    setBarPosition(totalBar, totalPos, totalSize);
}

DWORD CopyJob::barUnits(DWORD bytes, DWORD range, bool wide)
{
    for (; !wide && range > 0xFFFF; range >>= 1)
        bytes >>= 1;
    return bytes;
}

// comctl32 before 4.70, as on the first Windows 95 and NT 4.0, knows only 16-bit ranges.
void CopyJob::setBarRange(HWND bar, DWORD range)
{
    if (wideRanges)
        SendMessageA(bar, PBM_SETRANGE32, 0, range);
    else
        SendMessageA(bar, PBM_SETRANGE, 0, MAKELPARAM(0, barUnits(range, range, false)));
}

void CopyJob::setBarPosition(HWND bar, DWORD position, DWORD range)
{
    SendMessageA(bar, PBM_SETPOS, barUnits(position, range, wideRanges), 0);
}

// Only one level is made, and only when missing; the current directory is not touched.
void CopyJob::ensureSubdirectory(const char* entry)
{
    const char* separator = std::strchr(entry, '\\');
    if (separator == nullptr)
        return;
    std::size_t length = static_cast<std::size_t>(separator - entry);
    char name[PathText::Size] = {};
    if (length >= sizeof name)
        return;
    std::memcpy(name, entry, length);
    char directory[PathText::Size];
    if (PathText::join(directory, sizeof directory, installFolder, name) &&
        GetFileAttributesA(directory) == INVALID_FILE_ATTRIBUTES)
        CreateDirectoryA(directory, nullptr);
}

DWORD CopyJob::deleteInstalledFiles()
{
    return InstalledFiles::deleteGameFiles(installFolder, setupType,
                                           SystemCallSeam::active().deleteFile);
}
