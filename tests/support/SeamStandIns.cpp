// Stand-ins for the program's seam.
#include "tests/support/SeamStandIns.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <iterator>

#include "app/CopyJob.h"
#include "app/SystemCallSeam.h"
#include "res/resource.h"

namespace {

int readsLeft;
int lookUpsOfLateFunctions;
std::string refusedSource;
int refusalsLeft;
CopyJob* watchedJob;
std::vector<std::string> steps;
std::vector<std::string> markersTested;
std::map<HANDLE, std::string> sources;
std::vector<int> modesTaken;

BOOL WINAPI failingRead(HANDLE file, LPVOID buffer, DWORD size, LPDWORD got, LPOVERLAPPED overlapped)
{
    if (readsLeft-- == 0) {
        SetLastError(ERROR_CRC);
        return FALSE;
    }
    return ReadFile(file, buffer, size, got, overlapped);
}

BOOL WINAPI cancellingFailingRead(HANDLE file, LPVOID buffer, DWORD size, LPDWORD got, LPOVERLAPPED overlapped)
{
    if (readsLeft == 0)
        for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, "#32770", "インストール中"));)
            for (int i = 0; i < 5; ++i) {
                PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
                PostMessageA(window, WM_USER, 0, 0);
            }
    return failingRead(file, buffer, size, got, overlapped);
}

HANDLE WINAPI refusingCreateFile(LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                                 DWORD disposition, DWORD flags, HANDLE model)
{
    if (access == GENERIC_READ && refusedSource == std::strrchr(path, '\\') + 1 && refusalsLeft > 0) {
        --refusalsLeft;
        SetLastError(ERROR_NOT_READY);
        return INVALID_HANDLE_VALUE;
    }
    return CreateFileA(path, access, share, security, disposition, flags, model);
}

FARPROC WINAPI lookUpOnWindows95(HMODULE module, LPCSTR name)
{
    static const char* const late[] = {"GetDiskFreeSpaceExA", "DllGetVersion", "SetDefaultDllDirectories",
                                       "SetDllDirectoryA"};
    if (HIWORD(name) != 0 && std::any_of(std::begin(late), std::end(late),
                                         [&](const char* function) { return std::strcmp(name, function) == 0; })) {
        ++lookUpsOfLateFunctions;
        return nullptr;
    }
    return GetProcAddress(module, name);
}

int WINAPI setStretchBltModeAsWindows95(HDC dc, int mode)
{
    if (mode == HALFTONE)
        return 0;
    int before = SetStretchBltMode(dc, mode);
    if (before != 0)
        modesTaken.push_back(mode);
    return before;
}

BOOL WINAPI failingSetFileTime(HANDLE, const FILETIME*, const FILETIME*, const FILETIME*)
{
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
}

HANDLE WINAPI failingCreateThread(LPSECURITY_ATTRIBUTES, SIZE_T, LPTHREAD_START_ROUTINE, LPVOID, DWORD, LPDWORD)
{
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
}

std::string bars()
{
    HWND fileBar = GetDlgItem(watchedJob->notifyWindow(), IDC_FILE_BAR);
    HWND totalBar = GetDlgItem(watchedJob->notifyWindow(), IDC_TOTAL_BAR);
    return " file " + std::to_string(SendMessageA(fileBar, PBM_GETPOS, 0, 0)) + "/" +
           std::to_string(SendMessageA(fileBar, PBM_GETRANGE, FALSE, 0)) + " total " +
           std::to_string(SendMessageA(totalBar, PBM_GETPOS, 0, 0));
}

HANDLE WINAPI watchingCreateFile(LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                                 DWORD disposition, DWORD flags, HANDLE model)
{
    HANDLE file = CreateFileA(path, access, share, security, disposition, flags, model);
    std::string name = std::strrchr(path, '\\') + 1;
    if (access == 0) {
        steps.push_back(name + bars());
        markersTested.push_back(path);
    }
    else if (access == GENERIC_READ)
        sources[file] = name;
    return file;
}

BOOL WINAPI watchingRead(HANDLE file, LPVOID buffer, DWORD size, LPDWORD got, LPOVERLAPPED overlapped)
{
    std::string step = "read " + sources[file] + bars();
    BOOL read = ReadFile(file, buffer, size, got, overlapped);
    steps.push_back(step + " got " + std::to_string(*got));
    return read;
}

} // namespace

namespace SeamStandIns {

void failReadAfter(int goodReads)
{
    readsLeft = goodReads;
    SystemCallSeam::active().readFile = failingRead;
}

void failReadAfterWhileCancelling(int goodReads)
{
    readsLeft = goodReads;
    SystemCallSeam::active().readFile = cancellingFailingRead;
}

void refuseSourceOpens(const char* name, int times)
{
    refusedSource = name;
    refusalsLeft = times;
    SystemCallSeam::active().createFile = refusingCreateFile;
}

void lookUpAsWindows95()
{
    lookUpsOfLateFunctions = 0;
    SystemCallSeam::active().getProcAddress = lookUpOnWindows95;
}

int lateLookUps()
{
    return lookUpsOfLateFunctions;
}

void refuseHalftone()
{
    modesTaken.clear();
    SystemCallSeam::active().setStretchBltMode = setStretchBltModeAsWindows95;
}

std::vector<int>& stretchModes()
{
    return modesTaken;
}

void refuseFileTimes()
{
    SystemCallSeam::active().setFileTime = failingSetFileTime;
}

void refuseThreads()
{
    SystemCallSeam::active().createThread = failingCreateThread;
}

void watch(CopyJob& job)
{
    watchedJob = &job;
    steps.clear();
    markersTested.clear();
    sources.clear();
    SystemCallSeam::active().createFile = watchingCreateFile;
    SystemCallSeam::active().readFile = watchingRead;
}

std::vector<std::string>& watched()
{
    return steps;
}

std::map<std::string, int> markerTests()
{
    std::map<std::string, int> count;
    for (const std::string& marker : markersTested)
        ++count[marker];
    markersTested.clear();
    return count;
}

} // namespace SeamStandIns
