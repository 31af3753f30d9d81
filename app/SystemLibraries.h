// Where the program's DLLs come from: Windows' own system folder, never setup.exe's folder.
#pragma once
#include <windows.h>

#include "app/SystemCallSeam.h"

class SystemLibraries {
public:
    // The first thing at start. Where Windows has SetDefaultDllDirectories (8 and later,
    // 7 and Vista with its update), every DLL loaded by name comes from the system folder
    // alone. Elsewhere the current folder leaves the search (SetDllDirectoryA, from XP
    // SP1) and the system DLLs that Windows loads by name into a program like this one
    // are loaded first by full path, so that a later search by name finds them loaded.
    static void restrictSearch();

    // Loads the system folder's copy of a DLL by its full path; null when it is missing.
    static HMODULE load(const char* name);

    // Loads the system folder's comctl32.dll and calls its InitCommonControls. Returns the
    // module, which the caller frees once its windows are gone; null when it cannot.
    static HMODULE initCommonControls();

    // Whether the loaded comctl32.dll's progress bars take 32-bit ranges (4.70 and later).
    // Those from 4.71 on export DllGetVersion; the first Windows 95's 4.00 has neither.
    static bool progressBarsTakeWideRanges();

    // Where the search cannot be restricted: loads by full path the system DLLs that
    // Windows would look up by name later, and keeps them for the whole run.
    static void preloadByFullPath();

    // A function of a DLL that the program has loaded, looked up through the seam: one that
    // not every Windows has, or one that the import lists do not name; null where it is missing.
    template <typename Function> static Function loadedFunction(const char* library, const char* name)
    {
        return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(
            SystemCallSeam::active().getProcAddress(GetModuleHandleA(library), name)));
    }
    template <typename Function> static Function kernelFunction(const char* name)
    {
        return loadedFunction<Function>("kernel32.dll", name);
    }
};
