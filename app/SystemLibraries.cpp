// The restricted search and the loads by full path from the system folder.
#include "app/SystemLibraries.h"

#include "state/PathText.h"

namespace {

#ifndef LOAD_LIBRARY_SEARCH_SYSTEM32
#define LOAD_LIBRARY_SEARCH_SYSTEM32 0x00000800
#endif

bool searchRestricted = false;

// Each is loaded by name by Windows itself once the windows or the folder picker
// appear: visual styles, the desktop composition, the shell's property and version
// reading, user profiles, the security and COM lookups. Missing ones are passed over.
const char* const LoadedByName[] = {
    "uxtheme.dll",  "dwmapi.dll",    "propsys.dll", "version.dll", "userenv.dll", "profapi.dll",
    "setupapi.dll", "cryptbase.dll", "ntmarta.dll", "clbcatq.dll", "oleacc.dll",
};

} // namespace

void SystemLibraries::restrictSearch()
{
    using SetDefaultDllDirectories = BOOL(WINAPI*)(DWORD);
    auto setDefault = kernelFunction<SetDefaultDllDirectories>("SetDefaultDllDirectories");
    if (setDefault != nullptr && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        searchRestricted = true;
        return;
    }
    using SetDllDirectory = BOOL(WINAPI*)(LPCSTR);
    auto setDllDirectory = kernelFunction<SetDllDirectory>("SetDllDirectoryA");
    if (setDllDirectory != nullptr)
        setDllDirectory("");
    preloadByFullPath();
}

// Never freed: a later load by name must find them already there.
void SystemLibraries::preloadByFullPath()
{
    // Windows 95, 98 and ME have few of these: a load that fails must fail without a box.
    UINT errorMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    for (const char* name : LoadedByName)
        load(name);
    SetErrorMode(errorMode);
}

// Without a restricted search, LOAD_WITH_ALTERED_SEARCH_PATH makes the DLL's own
// dependencies come from its folder rather than from the folder of setup.exe.
HMODULE SystemLibraries::load(const char* name)
{
    char systemFolder[PathText::Size];
    UINT length = GetSystemDirectoryA(systemFolder, sizeof systemFolder);
    char path[PathText::Size];
    if (length == 0 || length >= sizeof systemFolder ||
        !PathText::join(path, sizeof path, systemFolder, name))
        return nullptr;
    return LoadLibraryExA(path, nullptr, searchRestricted ? 0 : LOAD_WITH_ALTERED_SEARCH_PATH);
}

HMODULE SystemLibraries::initCommonControls()
{
    HMODULE commonControls = load("comctl32.dll");
    if (commonControls == nullptr)
        return nullptr;
    using InitCommonControls = void(WINAPI*)();
    auto init = reinterpret_cast<InitCommonControls>(reinterpret_cast<void (*)()>(
        GetProcAddress(commonControls, "InitCommonControls")));
    if (init == nullptr) {
        FreeLibrary(commonControls);
        return nullptr;
    }
    init();
    return commonControls;
}

bool SystemLibraries::progressBarsTakeWideRanges()
{
    HMODULE commonControls = GetModuleHandleA("comctl32.dll");
    return commonControls != nullptr &&
           SystemCallSeam::active().getProcAddress(commonControls, "DllGetVersion") != nullptr;
}
