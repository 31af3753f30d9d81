// Holds the next worker thread back until the caller lets it go.
#include "tests/support/HeldWorker.h"

#include <windows.h>

#include "app/SystemCallSeam.h"

namespace {

HANDLE mayGo = nullptr;
LPTHREAD_START_ROUTINE heldStart = nullptr;

DWORD WINAPI waitThenWork(void* parameter)
{
    WaitForSingleObject(mayGo, 30000);
    return heldStart(parameter);
}

HANDLE WINAPI startHeld(LPSECURITY_ATTRIBUTES security, SIZE_T stack, LPTHREAD_START_ROUTINE start,
                        LPVOID parameter, DWORD flags, LPDWORD id)
{
    heldStart = start;
    return CreateThread(security, stack, waitThenWork, parameter, flags, id);
}

} // namespace

namespace HeldWorker {

void hold()
{
    if (mayGo == nullptr)
        mayGo = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ResetEvent(mayGo);
    SystemCallSeam::active().createThread = startHeld;
}

void release()
{
    SetEvent(mayGo);
}

} // namespace HeldWorker
