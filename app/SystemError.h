// The system's own text for an error code, for the program's messages to quote.
#pragma once
#include <windows.h>

#include "app/Message.h"

class SystemError {
public:
    // The system's text for the code, or unknown where the system has none.
    static void describe(DWORD code, const char* unknown, char (&text)[Message::TextSize]);
};
