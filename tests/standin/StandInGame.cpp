// Stands in for the installed game and, under the name dxsetup.exe, for the DirectX
// setup: records how it was started (its own path and its working directory) when
// VELNORA_STANDIN_LOG names a file, and otherwise says what it is in a message box.
#include <windows.h>

#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char self[MAX_PATH] = {};
    char folder[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    GetCurrentDirectoryA(MAX_PATH, folder);

    char logPath[MAX_PATH] = {};
    if (GetEnvironmentVariableA("VELNORA_STANDIN_LOG", logPath, MAX_PATH) > 0) {
        HANDLE log = CreateFileA(logPath, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                 0, nullptr);
        if (log != INVALID_HANDLE_VALUE) {
            char line[MAX_PATH * 2 + 4];
            wsprintfA(line, "%s|%s\n", self, folder);
            DWORD written;
            WriteFile(log, line, static_cast<DWORD>(std::strlen(line)), &written, nullptr);
            CloseHandle(log);
        }
        return 0;
    }
    // Under the DirectX setup's name it stands in for that setup, and says so.
    const char* name = std::strrchr(self, '\\') != nullptr ? std::strrchr(self, '\\') + 1 : self;
    bool directX = lstrcmpiA(name, "dxsetup.exe") == 0;
    char text[MAX_PATH * 2 + 200];
    wsprintfA(text, "%s\n\nプログラム: %s\n作業フォルダ: %s",
              directX ? "ここで DirectX 8.0a のセットアップが始まります。" : "ここでゲームが始まります。", self,
              folder);
    MessageBoxA(nullptr, text, directX ? "DirectX 8.0a セットアップ" : "Velnora", MB_OK | MB_ICONINFORMATION);
    return 0;
}
