// SystemCallSeam: the system calls that tests may replace, the program's one fault seam.
#pragma once
#include <windows.h>
#include <shellapi.h>

// The few calls whose failures no test can bring about for real (a read error on the
// disc, a file-time error, a thread that cannot start, a program that needs elevation, a
// file that cannot be deleted for a given reason), what a parent process hands down (its
// start-up information), the look-up of functions that only later Windows have and the
// pictures' smooth drawing mode (so that a test can be the first Windows 95, which lacks
// the functions, or any of 95, 98 and ME, which refuse the mode), and the calls that only
// a test inside the process can watch (the disc tests and the copy's file opens, the
// starts of other programs). Both workers, the disc test, the menu and the pictures call
// through this table; a test swaps an entry to inject exactly that failure or to watch
// those calls.
struct SystemCallSeam {
    decltype(&CreateFileA) createFile = CreateFileA;
    decltype(&ReadFile) readFile = ReadFile;
    decltype(&SetFileTime) setFileTime = SetFileTime;
    decltype(&DeleteFileA) deleteFile = DeleteFileA;
    decltype(&CreateThread) createThread = CreateThread;
    decltype(&CreateProcessA) createProcess = CreateProcessA;
    decltype(&ShellExecuteExA) shellExecute = ShellExecuteExA;
    decltype(&GetStartupInfoA) getStartupInfo = GetStartupInfoA;
    decltype(&GetProcAddress) getProcAddress = GetProcAddress;
    decltype(&SetStretchBltMode) setStretchBltMode = SetStretchBltMode;

    static SystemCallSeam& active();
};
