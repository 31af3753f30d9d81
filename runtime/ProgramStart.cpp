// Linked only into the shipped setup.exe and the check built as it is; the tests keep their C runtime.
// setup.exe's own start-up, in place of the C runtime's: the program's static constructors,
// then WinMain with what Windows hands a program, then the end of the process with its result.
#include <windows.h>

typedef void (*StaticConstructor)();

// The linker's table: -1, the constructors of every object file in link order, then null.
extern "C" StaticConstructor __CTOR_LIST__[];

namespace {

void runStaticConstructors()
{
    int count = 0;
    while (__CTOR_LIST__[count + 1] != nullptr)
        ++count;
    for (int index = count; index >= 1; --index) // last first, as the C runtime runs them
        __CTOR_LIST__[index]();
}

// The command line after the program's name: the name is quoted or ends at a blank.
LPSTR argumentsOf(LPSTR commandLine)
{
    bool quoted = false;
    while (*commandLine != '\0' && (quoted || (*commandLine != ' ' && *commandLine != '\t'))) {
        if (*commandLine == '"')
            quoted = !quoted;
        ++commandLine;
    }
    while (*commandLine == ' ' || *commandLine == '\t')
        ++commandLine;
    return commandLine;
}

} // namespace

// The entry point that the linker looks for in a GUI program.
extern "C" void WinMainCRTStartup()
{
    runStaticConstructors();
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    int show = (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : SW_SHOWDEFAULT;
    ExitProcess(static_cast<UINT>(
        WinMain(GetModuleHandleA(nullptr), nullptr, argumentsOf(GetCommandLineA()), show)));
}
