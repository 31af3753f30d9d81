// The headless demo: takes the real setup.exe through an installation from the hard
// disk with disc changes and an uninstallation, as a user would, and saves a picture
// of the screen at every dialog and message box along the way.
// The discs are those that tools/make-discs.sh laid out in D:\discs.
// Usage (inside a Wine virtual desktop): demo_tour OUTPUT_FOLDER
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "app/InstallState.h"
#include "res/resource.h"
#include "tests/support/Automation.h"
#include "tests/support/DiscSet.h"
#include "tests/support/HeldWorker.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestRegistry.h"
#include "uninstall/UninstallDialog.h"

namespace {

std::string output;
FILE* logFile = nullptr;
// The discs are of real size: a disc's files take up to a minute or so to copy.
const DWORD CopyTimeout = 300000;

// One line of the log, in UTF-8 (the program's texts are Shift-JIS).
void say(const std::string& line)
{
    if (logFile == nullptr)
        return;
    std::wstring wide(line.size() + 1, L'\0');
    wide.resize(MultiByteToWideChar(932, 0, line.c_str(), -1, &wide[0], static_cast<int>(wide.size())));
    std::string utf8(wide.size() * 3 + 1, '\0');
    utf8.resize(WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, &utf8[0], static_cast<int>(utf8.size()),
                                    nullptr, nullptr));
    std::fprintf(logFile, "%s\n", utf8.c_str());
    std::fflush(logFile);
}

// The whole screen into OUTPUT\name.bmp (24 bits, bottom-up).
void shoot(const char* name)
{
    Sleep(400); // let the window finish painting
    HDC screen = GetDC(nullptr);
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP picture = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    DWORD stride = (width * 3 + 3) & ~3u, size = stride * height;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + size;
    std::string path = output + "\\" + name + ".bmp";
    HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written;
    bool saved = out != INVALID_HANDLE_VALUE && bits != nullptr &&
                 WriteFile(out, &file, sizeof file, &written, nullptr) &&
                 WriteFile(out, &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr) &&
                 WriteFile(out, bits, size, &written, nullptr);
    if (out != INVALID_HANDLE_VALUE)
        CloseHandle(out);
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(picture);
    ReleaseDC(nullptr, screen);
    say(std::string(saved ? "picture: " : "problem: no picture ") + name);
}

// Waits until the prompt is gone: the next prompt must not be taken for this one.
void swapDisc(Automation& a, DiscSet& discs, HWND copy, int disc, const char* picture)
{
    HWND box = a.waitFor(Expected::discPrompt(disc), CopyTimeout);
    if (box == nullptr)
        return;
    // The worker waits on the prompt, so the overall bar stands still meanwhile.
    HWND totalBar = GetDlgItem(copy, IDC_TOTAL_BAR);
    LRESULT position = SendMessageA(totalBar, PBM_GETPOS, 0, 0);
    LRESULT range = SendMessageA(totalBar, PBM_GETRANGE, FALSE, 0);
    say("disc " + std::to_string(disc) + " asked for; overall bar at " + std::to_string(position) + " of " +
        std::to_string(range));
    if (picture != nullptr)
        shoot(picture);
    discs.insert(disc);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    a.waitGone(box);
}

void answer(Automation& a, const ExpectedBox& expected, int button, const char* picture,
            DWORD timeout = Automation::DefaultTimeout)
{
    HWND box = a.waitFor(expected, timeout);
    if (box == nullptr)
        return;
    if (picture != nullptr)
        shoot(picture);
    PostMessageA(box, WM_COMMAND, button, 0);
    a.waitGone(box);
}

// The real setup.exe, started from the hard disk so that it asks for the disc.
void tourOfSetup(DiscSet& discs)
{
    std::string program = TestFiles::exeFolder() + "setup.exe";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, "D:\\", &startup,
                        &process)) {
        say("setup.exe did not start");
        return;
    }
    Automation user([&](Automation& a) {
        HWND menu = a.waitForDialog(Expected::Menu.c_str(), IDC_INSTALL, 60000);
        shoot("01-menu");
        a.click(menu, IDC_INSTALL);
        HWND install = a.waitForDialog(Expected::InstallDialog.c_str(), IDC_DESTINATION);
        shoot("02-install-dialog");
        a.click(install, IDC_CHANGE);
        a.waitUntil([&] { return a.visibleDialogs().size() >= 3; });
        shoot("03-folder-picker");
        a.answerFolderPicker("D:\\Games");
        a.click(install, IDC_MAXIMUM);
        a.click(install, IDOK);
        answer(a, Expected::InsertDisc1, IDOK, "04-disc-request");
        discs.insert(1);
        a.waitUntil([&] { return a.visibleDialogs().size() >= 3; });
        shoot("04b-drive-picker");
        a.answerFolderPicker("Q:\\");
        answer(a, Expected::CreateFolder, IDYES, "05-create-folder");
        HWND copy = a.waitForDialog(Expected::CopyDialog.c_str(), IDC_FILE_BAR);
        if (copy == nullptr)
            return;
        a.waitUntil([&] { return Automation::itemText(copy, IDC_FILE_NAME) == "VO1.ARC"; }, CopyTimeout);
        Sleep(1500);
        shoot("06-copy-progress");
        swapDisc(a, discs, copy, 2, "07-disc-change");
        swapDisc(a, discs, copy, 3, nullptr);
        answer(a, Expected::Installed, IDOK, "08-installed", CopyTimeout);
        a.expectText(menu, IDC_INSTALL, Expected::UninstallLabel);
        shoot("09-menu-installed");
        a.click(menu, IDC_INSTALL);
        answer(a, Expected::ConfirmUninstall, IDYES, "10-uninstall-confirm");
        answer(a, Expected::DeleteSaves, IDNO, "11-uninstall-question");
        answer(a, Expected::Uninstalled, IDOK, "13-uninstalled");
        a.click(menu, IDCANCEL);
    }, process.dwProcessId);
    for (const std::string& failure : user.finish())
        say("problem: " + failure);
    WaitForSingleObject(process.hProcess, 30000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

// The uninstall note is up only while files are deleted, a moment too short for a
// picture: the real dialog is shown here, in this program, with its worker held back
// until the picture is taken.
void pictureOfTheUninstallNote()
{
    HKEY key;
    RegCreateKeyExA(HKEY_CURRENT_USER, "software\\Quennet\\Velnora", 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                    nullptr);
    DWORD type = 0;
    RegSetValueExA(key, "SetupType", 0, REG_DWORD, reinterpret_cast<BYTE*>(&type), 4);
    const char folder[] = "D:\\NoteOnly\\";
    RegSetValueExA(key, "Current", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder), sizeof folder);
    RegCloseKey(key);
    HeldWorker::hold();
    InstallState state;
    UninstallDialog dialog(&state);
    Automation user([](Automation& a) {
        a.answer(Expected::DeleteSaves, IDNO);
        a.waitForDialog(Expected::UninstallDialog.c_str());
        shoot("12-uninstall-note");
        HeldWorker::release();
    });
    dialog.showModal(GetModuleHandleA(nullptr), "IDD_UNINST_DLG", nullptr);
    for (const std::string& failure : user.finish())
        say("problem: " + failure);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argc < 2)
        return 2;
    output = __argv[1];
    CreateDirectoryA(output.c_str(), nullptr);
    logFile = std::fopen((output + "\\tour.log").c_str(), "w");
    // What an earlier tour that went wrong may have left.
    TestRegistry::clear();
    TestFiles::removeTree("D:\\Games");
    {
        DiscSet discs("D:\\discs", DiscSet::LaidOut{}); // the demo's discs, of real size
        TestFiles::makeFolders("D:\\Games");
        discs.insert(2); // the user has not yet put in disc 1
        tourOfSetup(discs);
    }
    pictureOfTheUninstallNote();
    TestFiles::removeTree("D:\\Games");
    say("done");
    std::fclose(logFile);
    return 0;
}
