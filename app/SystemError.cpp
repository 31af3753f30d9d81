// The system's message for a code, through FormatMessageA.
#include "app/SystemError.h"

void SystemError::describe(DWORD code, const char* unknown, char (&text)[Message::TextSize])
{
    char* system = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS |
                       FORMAT_MESSAGE_FROM_SYSTEM,
                   nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                   reinterpret_cast<char*>(&system), 0, nullptr);
    wsprintfA(text, "%s", system != nullptr ? system : unknown);
    if (system != nullptr)
        LocalFree(system);
}
