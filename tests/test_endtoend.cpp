// setup.exe as a user meets it: started as its own process, driven through its windows.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/Launcher.h"
#include "res/resource.h"
#include "tests/support/Automation.h"
#include "tests/support/DpiProcess.h"
#include "tests/support/FolderTest.h"
#include "tests/support/Player.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestRegistry.h"

namespace {

using Failures = std::vector<std::string>;

class SetupProcess {
public:
    // Starts setup.exe with the working directory given, as Explorer would from a disc.
    explicit SetupProcess(const std::string& workingDirectory,
                          const std::string& program = TestFiles::exeFolder() + "setup.exe")
    {
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

// Wine's per-program setting that prefers a DLL found beside the program to its own
// copy, as Windows does for any DLL that it does not keep among its KnownDLLs.
class NativeDllsFirst {
public:
    NativeDllsFirst(const char* program, std::initializer_list<const char*> dlls)
        : key(std::string("Software\\Wine\\AppDefaults\\") + program)
    {
        HKEY overrides;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, (key + "\\DllOverrides").c_str(), 0, nullptr, 0,
                            KEY_SET_VALUE, nullptr, &overrides, nullptr) != ERROR_SUCCESS)
            return;
        for (const char* dll : dlls)
            RegSetValueExA(overrides, dll, 0, REG_SZ, reinterpret_cast<const BYTE*>("native,builtin"),
                           sizeof "native,builtin");
        RegCloseKey(overrides);
    }
    ~NativeDllsFirst()
    {
        RegDeleteKeyA(HKEY_CURRENT_USER, (key + "\\DllOverrides").c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
    }

private:
    std::string key;
};

} // namespace

using EndToEnd = RegistryTest;

// A user with three discs, a hard disk D: and the game's default folder C:\Velnora.
class Journey : public FolderTest {
protected:
    Journey() : FolderTest("D:\\e2e") {}

    void makeDiscs(const std::map<std::string, DWORD>& sizes = {})
    {
        FolderTest::makeDiscs(sizes);
        // TORLE.EXE on disc 1 is a program that can really be started.
        CopyFileA((TestFiles::exeFolder() + "standin.exe").c_str(),
                  (discs->discFolder(1) + "\\TORLE.EXE").c_str(), FALSE);
    }

    // From the menu to a running copy into the default folder; returns the install dialog.
    static HWND startInstalling(Automation& a, HWND menu, bool folderExists = false)
    {
        a.click(menu, IDC_INSTALL);
        HWND install = a.waitForDialog(Expected::InstallDialog.c_str(), IDC_DESTINATION);
        a.click(install, IDOK);
        if (!folderExists)
            a.answer(Expected::CreateFolder, IDYES);
        return install;
    }

    // From the menu to an installed game, started from the disc, default folder.
    void installFromDisc(Automation& a, HWND menu, bool folderExists = false)
    {
        HWND install = startInstalling(a, menu, folderExists);
        Player::completeStandardCopy(a, *discs);
        a.waitGone(install);
        a.expectText(menu, IDC_INSTALL, Expected::UninstallLabel);
    }

    static void uninstall(Automation& a, HWND menu, int deleteSaves)
    {
        Player::startUninstall(a, menu, deleteSaves);
        a.answer(Expected::Uninstalled);
        a.expectText(menu, IDC_INSTALL, Expected::InstallLabel);
    }

    std::vector<std::string> installed()
    {
        std::vector<std::string> present;
        for (int disc = 1; disc <= 3; ++disc)
            for (const std::string& name : DiscSet::files(disc))
                if (TestFiles::exists(folder + "\\" + name))
                    present.push_back(name);
        return present;
    }

    // setup.exe started from the folder; the script gets its menu. The run must end
    // without a failure, and the program with 0.
    void runSetup(const std::string& from, const std::function<void(Automation&, HWND)>& script)
    {
        SetupProcess setup(from);
        ASSERT_TRUE(setup.started);
        running = &setup;
        Automation user([&](Automation& a) {
            script(a, a.waitForDialog(Expected::Menu.c_str(), IDC_INSTALL, 60000));
        }, setup.id());
        EXPECT_EQ(user.finish(), Failures{});
        EXPECT_EQ(setup.waitForExit(), 0);
        running = nullptr;
    }

    std::string folder = "C:\\Velnora"; // the default install folder
    SetupProcess* running = nullptr;
};

TEST_F(Journey, StandardInstallationFromDiscOneThenPlay)
{
    makeDiscs();
    discs->insert(1);
    int threadsAtMenu = 0, threadsAfterInstall = 0;
    runSetup(TestFiles::CdromRoot, [&](Automation& a, HWND menu) {
        threadsAtMenu = Automation::threadsOf(running->id());
        installFromDisc(a, menu);
        a.waitUntil([&] { return Automation::threadsOf(running->id()) <= threadsAtMenu; }, 3000); // the worker ends
        threadsAfterInstall = Automation::threadsOf(running->id());
        Player::expectMenu(a, menu, true);
        a.click(menu, IDC_PLAY);
        a.waitGone(menu);
    });
    EXPECT_EQ(threadsAfterInstall, threadsAtMenu); // the copy worker has ended
    std::vector<std::string> expected = DiscSet::files(1);
    expected.insert(expected.end(), DiscSet::files(2).begin(), DiscSet::files(2).end());
    EXPECT_EQ(installed(), expected);
    DWORD type;
    std::string bytes;
    ASSERT_TRUE(TestRegistry::read("EXEC", type, bytes));
    EXPECT_EQ(bytes, std::string("C:\\Velnora\\TORLE.EXE", 21));
    ASSERT_TRUE(TestRegistry::read("CDDrive", type, bytes));
    EXPECT_EQ(bytes, std::string("Q:\\", 4));
    ASSERT_TRUE(TestFiles::waitForFile(logPath));
    std::string log = TestFiles::read(logPath);
    EXPECT_EQ(log.substr(0, log.find('\n')), "C:\\Velnora\\TORLE.EXE|C:\\Velnora");
}

TEST_F(Journey, MaximumInstallationFromTheHardDiskWithAllThreeDiscs)
{
    makeDiscs();
    discs->insert(2); // the wrong disc at first
    runSetup(root, [&](Automation& a, HWND menu) {
        a.click(menu, IDC_INSTALL);
        HWND install = a.waitForDialog(Expected::InstallDialog.c_str(), IDC_DESTINATION);
        a.click(install, IDC_MAXIMUM);
        a.click(install, IDOK);
        a.answer(Expected::InsertDisc1);
        a.answerFolderPicker("Q:\\");
        a.answer(Expected::Disc1Missing);
        discs->insert(1);
        a.click(install, IDOK);
        a.answer(Expected::InsertDisc1);
        a.answerFolderPicker("Q:\\");
        a.answer(Expected::CreateFolder, IDYES);
        Player::insertWhenAsked(a, *discs, 2);
        Player::insertWhenAsked(a, *discs, 3);
        a.answer(Expected::Installed);
        a.expectText(menu, IDC_INSTALL, Expected::UninstallLabel);
        a.click(menu, IDCANCEL);
    });
    EXPECT_EQ(installed().size(), 13u);
    DWORD type;
    std::string bytes;
    ASSERT_TRUE(TestRegistry::read("SetupType", type, bytes));
    EXPECT_EQ(bytes, std::string("\x01\0\0\0", 4));
}

TEST_F(Journey, UninstallKeepingTheSavesThenRemovingThem)
{
    makeDiscs();
    discs->insert(1);
    int handlesAfterFirst = 0, handlesAfterSecond = 0;
    int threadsAtMenu = 0, threadsAfterUninstall = 0;
    runSetup(TestFiles::CdromRoot, [&](Automation& a, HWND menu) {
        threadsAtMenu = Automation::threadsOf(running->id());
        installFromDisc(a, menu);
        TestFiles::write(folder + "\\SAVE0001.DAT", "a saved game");
        TestFiles::write(folder + "\\ENV.INI", "settings");
        uninstall(a, menu, IDNO);
        a.check(TestFiles::exists(folder + "\\SAVE0001.DAT") && TestFiles::exists(folder + "\\ENV.INI"),
                "the saves went");
        a.check(TestFiles::isDirectory(folder), "the folder went");
        handlesAfterFirst = Automation::handlesOf(running->info.hProcess);

        installFromDisc(a, menu, true); // the kept saves keep the folder
        // A game file that another program holds open: the uninstall names it and keeps
        // the record and the saves, so that it can be run again once the file is free.
        HANDLE held = CreateFileA((folder + "\\VO1.ARC").c_str(), GENERIC_READ, 0, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        a.check(held != INVALID_HANDLE_VALUE, "VO1.ARC could not be held open");
        Player::startUninstall(a, menu, IDYES);
        a.answer(Expected::fileLeft("C:\\Velnora\\VO1.ARC"));
        a.expectQuiet(300, "a success message or another window appeared");
        a.check(Automation::itemText(menu, IDC_INSTALL) == Expected::UninstallLabel, "the menu offers installation");
        a.check(TestRegistry::keyExists() && TestFiles::exists(folder + "\\SAVE0001.DAT"),
                "the record or the saves went");
        a.check(installed() == std::vector<std::string>{"VO1.ARC"}, "other game files stayed");
        CloseHandle(held);
        uninstall(a, menu, IDYES);
        a.check(!TestFiles::exists(folder), "the folder stayed");
        a.waitUntil([&] { return Automation::threadsOf(running->id()) <= threadsAtMenu; }, 3000); // the worker ends
        threadsAfterUninstall = Automation::threadsOf(running->id());
        handlesAfterSecond = Automation::handlesOf(running->info.hProcess);
        a.click(menu, IDCANCEL);
    });
    EXPECT_FALSE(TestRegistry::keyExists());
    EXPECT_EQ(threadsAfterUninstall, threadsAtMenu);
    EXPECT_EQ(handlesAfterSecond, handlesAfterFirst); // a second round leaves nothing more open
}

TEST_F(Journey, CancelDuringTheCopyLeavesNothingInstalled)
{
    makeDiscs({{"CG_.ARC", 48u << 20}});
    discs->insert(1);
    runSetup(TestFiles::CdromRoot, [&](Automation& a, HWND menu) {
        HWND install = startInstalling(a, menu);
        HWND copy = a.waitForDialog(Expected::CopyDialog.c_str(), IDC_FILE_BAR);
        a.waitUntil([&] { return Automation::itemText(copy, IDC_FILE_NAME) == "CG_.ARC"; });
        a.click(copy, IDCANCEL);
        a.answer(Expected::CopyFailed);
        a.click(install, IDCANCEL);
        a.waitGone(install);
        a.check(Automation::itemText(menu, IDC_INSTALL) == Expected::InstallLabel, "the menu offers no installation");
        a.click(menu, IDCANCEL);
    });
    EXPECT_EQ(installed(), std::vector<std::string>{});
    EXPECT_FALSE(TestRegistry::keyExists());
}

TEST_F(Journey, RefusingTheSecondDiscKeepsTheFirstDiscsFiles)
{
    makeDiscs();
    discs->insert(1);
    runSetup(TestFiles::CdromRoot, [&](Automation& a, HWND menu) {
        HWND install = startInstalling(a, menu);
        a.answer(Expected::discPrompt(2), IDCANCEL);
        a.answer(Expected::CopyFailed);
        a.click(install, IDCANCEL);
        a.waitGone(install);
        a.click(menu, IDCANCEL);
    });
    EXPECT_EQ(installed(), DiscSet::files(1));
    EXPECT_FALSE(TestRegistry::keyExists());
}

TEST_F(EndToEnd, TheMenuOpensFromTheDiscAndCancelEndsWithZero)
{
    SetupProcess setup(TestFiles::CdromRoot);
    ASSERT_TRUE(setup.started);
    Automation user([](Automation& a) {
        HWND menu = a.waitForDialog(Expected::Menu.c_str(), IDC_INSTALL, 60000);
        a.check(Automation::itemText(menu, IDC_INSTALL) == Expected::InstallLabel, "install label");
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
    Automation waitForMenu([&](Automation& a) { menu = a.waitForDialog(Expected::Menu.c_str(), IDC_INSTALL, 60000); },
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

namespace {
// A mutex that this user may not open, as a copy running as administrator leaves it to a
// copy that runs without: Wine refuses it (access denied) for a mutex with an empty DACL.
HANDLE createRefused(const char* name)
{
    SECURITY_DESCRIPTOR descriptor;
    ACL empty;
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    InitializeAcl(&empty, sizeof empty, ACL_REVISION);
    SetSecurityDescriptorDacl(&descriptor, TRUE, &empty, FALSE);
    SECURITY_ATTRIBUTES attributes = {sizeof attributes, &descriptor, FALSE};
    return CreateMutexA(&attributes, FALSE, name);
}

void expectNoWindowAndZero(const char* why)
{
    SetupProcess setup(TestFiles::CdromRoot);
    ASSERT_TRUE(setup.started);
    Automation watch([&](Automation& a) { a.check(a.staysWithoutWindows(1000), why); }, setup.id());
    EXPECT_EQ(setup.waitForExit(), 0);
    EXPECT_EQ(watch.finish(), Failures{});
}
} // namespace

TEST_F(EndToEnd, AStartWhileTheGameRunsEndsWithoutAWindow)
{
    HANDLE running = CreateMutexA(nullptr, FALSE, "Velnora_Running");
    expectNoWindowAndZero("the menu was shown");
    CloseHandle(running);
    running = createRefused("Velnora_Running");
    ASSERT_EQ(CreateMutexA(nullptr, FALSE, "Velnora_Running"), nullptr);
    ASSERT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    expectNoWindowAndZero("the menu was shown beside a game started as administrator");
    CloseHandle(running);
}

TEST_F(EndToEnd, AStartWhileACopyRunsAsAdministratorEndsSilently)
{
    HANDLE elevated = createRefused(Launcher::InstallerMutexName);
    ASSERT_NE(elevated, nullptr);
    expectNoWindowAndZero("a second copy came up beside one that runs as administrator");
    CloseHandle(elevated);
}

// In a prefix made under another locale the menu's font has no replacement, and Wine takes
// a face whose units depend on the machine's fonts. A narrower face, named, stands for it:
// the dialog units shrink, and the picture must still leave every control in sight.
TEST_F(EndToEnd, WithANarrowerDialogFontThePictureShrinksToItsRoomClearOfTheButtons)
{
    const std::string mapped = DpiProcess::dialogFontMapping();
    ASSERT_FALSE(mapped.empty());
    DpiProcess::mapDialogFont(DpiProcess::NarrowDialogFont);
    SetupProcess setup(TestFiles::CdromRoot);
    Automation user([](Automation& a) {
        HWND menu = a.waitForDialog(Expected::Menu.c_str(), IDC_INSTALL, 60000);
        Player::expectPictureClear(a, menu, Player::PictureSize::Smaller);
        a.click(menu, IDCANCEL);
    }, setup.id());
    Failures failures = user.finish();
    DpiProcess::mapDialogFont(mapped);
    EXPECT_EQ(failures, Failures{});
    EXPECT_EQ(setup.waitForExit(), 0);
}

// A player whose Windows is not Japanese: this test runs in a ctest entry of its own under
// a non-Japanese locale, and files and record are made through the W functions, as the
// installation's Shift-JIS A calls leave them.
TEST_F(Journey, OnANonJapaneseSystemTheMenuAndTheUninstallReadInJapanese)
{
    ASSERT_NE(PRIMARYLANGID(GetSystemDefaultLangID()), LANG_JAPANESE)
        << "needs a non-Japanese locale (the ctest entry endtoend_english)";
    const std::wstring parent = L"C:\\ゲーム", folder = parent + L"\\Velnora\\";
    CreateDirectoryW(parent.c_str(), nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
    std::vector<std::wstring> files = {L"ENV.INI", L"SAVE0001.DAT"};
    for (int disc = 1; disc <= 2; ++disc)
        for (const std::string& name : DiscSet::files(disc))
            files.emplace_back(name.begin(), name.end());
    for (const std::wstring& name : files)
        CloseHandle(CreateFileW((folder + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    TestRegistry::putDword("SetupType", 0);
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, TestRegistry::Key, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    for (const auto& value : {std::make_pair(L"Current", folder), std::make_pair(L"CDDrive", std::wstring(L"Q:\\")),
                              std::make_pair(L"EXEC", folder + L"TORLE.EXE")})
        RegSetValueExW(key, value.first, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.second.c_str()),
                       static_cast<DWORD>((value.second.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);

    runSetup(TestFiles::CdromRoot, [&](Automation& a, HWND menu) {
        for (auto button : {std::make_pair(IDC_INSTALL, "ｱﾝｲﾝｽﾄｰﾙ"), std::make_pair(IDC_PLAY, "実行"),
                            std::make_pair(IDCANCEL, "ｷｬﾝｾﾙ"), std::make_pair(IDC_DIRECTX, "DireｃｔX8.0aインストール")})
            a.expectText(menu, button.first, button.second);
        uninstall(a, menu, IDYES);
        a.click(menu, IDCANCEL);
    });
    EXPECT_EQ(GetFileAttributesW(folder.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(TestRegistry::keyExists());
    for (const std::wstring& name : files)
        DeleteFileW((folder + name).c_str());
    RemoveDirectoryW(folder.c_str());
    RemoveDirectoryW(parent.c_str());
}

// A copy of setup.exe in a download folder with DLLs planted beside it under system DLL
// names; each leaves a line in PLANTED.LOG when it is loaded.
TEST_F(EndToEnd, DllsPlantedBesideSetupAreNeverLoaded)
{
    const std::string folder = "D:\\planted";
    TestFiles::removeTree(folder);
    TestFiles::makeFolders(folder);
    for (const char* file : {"setup.exe", "planted\\comctl32.dll", "planted\\uxtheme.dll"}) {
        std::string name = file;
        std::string target = folder + "\\" + name.substr(name.rfind('\\') + 1);
        ASSERT_TRUE(CopyFileA((TestFiles::exeFolder() + name).c_str(), target.c_str(), FALSE)) << name;
    }
    NativeDllsFirst overrides("setup.exe", {"comctl32", "uxtheme"});
    SetupProcess setup(folder, folder + "\\setup.exe");
    ASSERT_TRUE(setup.started);
    const std::string marks = folder + "\\PLANTED.LOG";
    Automation user([&](Automation& a) {
        HWND menu = a.waitForDialog(Expected::Menu.c_str(), IDC_INSTALL, 60000);
        if (TestFiles::exists(marks)) { // a planted comctl32.dll cannot run the folder picker
            a.click(menu, IDCANCEL);
            return;
        }
        a.click(menu, IDC_INSTALL);
        HWND install = a.waitForDialog(Expected::InstallDialog.c_str(), IDC_DESTINATION);
        a.click(install, IDC_CHANGE); // the shell's folder picker brings its own DLLs
        a.answerFolderPicker(nullptr);
        a.click(install, IDCANCEL);
        a.waitGone(install);
        a.click(menu, IDCANCEL);
    }, setup.id());
    EXPECT_EQ(user.finish(), Failures{});
    EXPECT_EQ(setup.waitForExit(), 0);
    EXPECT_FALSE(TestFiles::exists(marks)) << TestFiles::read(marks);
    TestFiles::removeTree(folder);
}
