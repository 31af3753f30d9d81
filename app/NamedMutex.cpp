// The test for another copy: a mutex that was there already, or that this copy may not open.
#include "app/NamedMutex.h"

bool NamedMutex::createFirst(const char* name, HANDLE& handle)
{
    handle = CreateMutexA(nullptr, FALSE, name);
    DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS || (handle == nullptr && error == ERROR_ACCESS_DENIED)) {
        if (handle != nullptr)
            CloseHandle(handle);
        handle = nullptr;
        return false;
    }
    return true;
}
