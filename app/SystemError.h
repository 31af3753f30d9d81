// The system's own text for an error code, composed into one of the program's messages.
#pragma once
#include <windows.h>

#include <cstddef>

class SystemError {
public:
    // wsprintfA writes at most 1024 characters, and the terminating zero.
    static const std::size_t TextSize = 1025;

    // format takes %s, the system's text (or unknown where the system has none), then
    // %d, the code.
    static void describe(DWORD code, const char* format, const char* unknown,
                         char (&text)[TextSize]);
};
