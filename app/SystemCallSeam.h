// SystemCallSeam: the system calls that tests may replace, the program's one fault seam.
#pragma once
#include <windows.h>

// The few calls whose failures no test can bring about for real (a read error on the
// disc, a file-time error, a thread that cannot start, a program that needs elevation),
// and the copy's file opens, which only a test inside the process can watch. Both
// workers and the menu call through this table; a test swaps an entry to inject exactly
// that failure or to watch those calls.
struct SystemCallSeam {
    decltype(&CreateFileA) createFile = CreateFileA;
    decltype(&ReadFile) readFile = ReadFile;
    decltype(&SetFileTime) setFileTime = SetFileTime;
    decltype(&CreateThread) createThread = CreateThread;
    decltype(&CreateProcessA) createProcess = CreateProcessA;

    static SystemCallSeam& active();
};
