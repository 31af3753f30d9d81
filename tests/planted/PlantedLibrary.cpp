// A DLL planted beside setup.exe under the name of a system DLL (comctl32.dll,
// uxtheme.dll). Loading it leaves a mark: its own path, one line, in PLANTED.LOG in
// its folder. It exports InitCommonControls so that a program that imports it still
// starts, and the mark, not a failed start, tells that it was loaded.
#include <windows.h>

#include <cstring>

namespace {

void leaveMark(HINSTANCE self)
{
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(self, path, MAX_PATH);
    char* slash = std::strrchr(path, '\\');
    if (length == 0 || length >= MAX_PATH || slash == nullptr)
        return;
    char log[MAX_PATH] = {};
    std::memcpy(log, path, static_cast<size_t>(slash - path + 1));
    if (std::strlen(log) + sizeof "PLANTED.LOG" > MAX_PATH)
        return;
    std::strcat(log, "PLANTED.LOG");
    HANDLE file = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    std::strcat(path, "\n");
    DWORD written;
    WriteFile(file, path, static_cast<DWORD>(std::strlen(path)), &written, nullptr);
    CloseHandle(file);
}

} // namespace

extern "C" __declspec(dllexport) void WINAPI InitCommonControls() {}

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, void*)
{
    if (reason == DLL_PROCESS_ATTACH)
        leaveMark(self);
    return TRUE;
}
