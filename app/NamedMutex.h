// NamedMutex: the program's named mutexes, which tell whether another copy already runs.
#pragma once
#include <windows.h>

class NamedMutex {
public:
    // Creates the mutex, or opens it when it exists. False, with handle null, when another
    // copy of the program made it first, including one that runs elevated, whose mutex this
    // copy may not open. Otherwise true, with the handle for the caller to close (null when
    // the mutex could not be made at all, which no other copy is behind).
    static bool createFirst(const char* name, HANDLE& handle);
};
