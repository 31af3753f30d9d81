// The few system calls of the copy whose failures no test can bring about for real
// (a read error on the disc, a file-time error, a thread that cannot start), and the
// worker's file opens, which only a test inside the process can watch (how often a
// disc marker is tested). The copy goes through this table; tests swap an entry to
// inject exactly that failure or to watch those calls.
#pragma once
#include <windows.h>

struct CopySystemCalls {
    decltype(&CreateFileA) createFile = CreateFileA;
    decltype(&ReadFile) readFile = ReadFile;
    decltype(&SetFileTime) setFileTime = SetFileTime;
    decltype(&CreateThread) createThread = CreateThread;

    static CopySystemCalls& active();
};
