// The few system calls of the copy whose failures no test can bring about for real
// (a read error on the disc, a file-time error, a thread that cannot start). The copy
// goes through this table; tests swap an entry to inject exactly that failure.
#pragma once
#include <windows.h>

struct CopySystemCalls {
    decltype(&ReadFile) readFile = ReadFile;
    decltype(&SetFileTime) setFileTime = SetFileTime;
    decltype(&CreateThread) createThread = CreateThread;

    static CopySystemCalls& active();
};
