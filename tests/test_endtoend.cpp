// setup.exe as a user meets it: started as its own process, driven through its windows.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "support/Automation.h"
#include "support/TestFiles.h"
#include "support/TestRegistry.h"

namespace {

using Failures = std::vector<std::string>;

class SetupProcess {
public:
    // Starts setup.exe with the working directory given, as Explorer would from a disc.
    explicit SetupProcess(const std::string& workingDirectory)
    {
        std::string program = TestFiles::exeFolder() + "setup.exe";
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        started = CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                                 workingDirectory.c_str(), &startup, &info) != FALSE;
    }
    ~SetupProcess()
    {
        if (!started)
            return;
        if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(info.hProcess, 99);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
    // The exit code, or -1 when it has not ended within the time.
    long waitForExit(DWORD timeout = 20000)
    {
        if (!started || WaitForSingleObject(info.hProcess, timeout) != WAIT_OBJECT_0)
            return -1;
        DWORD code = 0;
        GetExitCodeProcess(info.hProcess, &code);
        return static_cast<long>(code);
    }
    DWORD id() const { return info.dwProcessId; }

    bool started = false;
    PROCESS_INFORMATION info = {};
};

} // namespace

using EndToEnd = RegistryTest;

TEST_F(EndToEnd, TheMenuOpensFromTheDiscAndCancelEndsWithZero)
{
    SetupProcess setup(TestFiles::CdromRoot);
    ASSERT_TRUE(setup.started);
    Automation user([](Automation& a) {
        HWND menu = a.waitForDialog("Velnora", IDC_INSTALL, 60000);
        a.check(Automation::itemText(menu, IDC_INSTALL) == "ｲﾝｽﾄｰﾙ", "install label");
        a.click(menu, IDCANCEL);
    }, setup.id());
    EXPECT_EQ(user.finish(), Failures{});
    EXPECT_EQ(setup.waitForExit(), 0);
}

TEST_F(EndToEnd, ASecondStartEndsSilentlyAndLeavesTheFirstAlone)
{
    SetupProcess first(TestFiles::CdromRoot);
    ASSERT_TRUE(first.started);
    HWND menu = nullptr;
    Automation waitForMenu([&](Automation& a) { menu = a.waitForDialog("Velnora", IDC_INSTALL, 60000); },
                           first.id());
    ASSERT_EQ(waitForMenu.finish(), Failures{});

    SetupProcess second(TestFiles::CdromRoot);
    ASSERT_TRUE(second.started);
    Automation watchSecond([](Automation& a) { a.check(a.staysWithoutWindows(1000), "second menu"); },
                           second.id());
    EXPECT_EQ(second.waitForExit(), 0);
    EXPECT_EQ(watchSecond.finish(), Failures{});

    Automation user([&](Automation& a) {
        a.check(IsWindowVisible(menu) != FALSE, "the first menu went away");
        a.click(menu, IDCANCEL);
    }, first.id());
    EXPECT_EQ(user.finish(), Failures{});
    EXPECT_EQ(first.waitForExit(), 0);
}

TEST_F(EndToEnd, AStartWhileTheGameRunsEndsWithoutAWindow)
{
    HANDLE running = CreateMutexA(nullptr, FALSE, "Velnora_Running");
    SetupProcess setup(TestFiles::CdromRoot);
    ASSERT_TRUE(setup.started);
    Automation watch([](Automation& a) { a.check(a.staysWithoutWindows(1000), "the menu was shown"); },
                     setup.id());
    EXPECT_EQ(setup.waitForExit(), 0);
    EXPECT_EQ(watch.finish(), Failures{});
    CloseHandle(running);
}
