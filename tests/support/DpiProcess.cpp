// Running the current test again in a process that starts at another DPI or font mapping.
#include "tests/support/DpiProcess.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {
const char* const DesktopKey = "Control Panel\\Desktop";
const char* const Replacements = "Software\\Wine\\Fonts\\Replacements";
const char* const DialogFont = "ＭＳ Ｐゴシック";

// Sets LogPixels for the processes that start from now on; 0 removes it (96 DPI).
void setLogPixels(DWORD dpi)
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, DesktopKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    if (dpi == 0)
        RegDeleteValueA(key, "LogPixels");
    else
        RegSetValueExA(key, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
    RegCloseKey(key);
}

DWORD logPixels()
{
    DWORD dpi = 0, size = sizeof dpi;
    return RegGetValueA(HKEY_CURRENT_USER, DesktopKey, "LogPixels", RRF_RT_REG_DWORD, nullptr, &dpi, &size) ==
                   ERROR_SUCCESS
               ? dpi
               : 0;
}
} // namespace

namespace DpiProcess {

std::string dialogFontMapping()
{
    char font[LF_FACESIZE] = {};
    DWORD size = sizeof font;
    if (RegGetValueA(HKEY_CURRENT_USER, Replacements, DialogFont, RRF_RT_REG_SZ, nullptr, font, &size) != ERROR_SUCCESS)
        return "";
    return font;
}

void mapDialogFont(const std::string& font)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, Replacements, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return;
    if (font.empty())
        RegDeleteValueA(key, DialogFont);
    else
        RegSetValueExA(key, DialogFont, 0, REG_SZ, reinterpret_cast<const BYTE*>(font.c_str()),
                       static_cast<DWORD>(font.size() + 1));
    RegCloseKey(key);
}

int current()
{
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

bool runsAt(int dpi, const std::string& dialogFont)
{
    std::string mapping = dialogFontMapping();
    if (current() == dpi && (dialogFont.empty() || mapping == dialogFont))
        return true;
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, sizeof program);
    std::string commandLine = std::string("\"") + program + "\" --gtest_color=no --gtest_filter=" +
                              test->test_suite_name() + "." + test->name();
    DWORD before = logPixels();
    setLogPixels(static_cast<DWORD>(dpi));
    if (!dialogFont.empty())
        mapDialogFont(dialogFont);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION child = {};
    bool started = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                  &startup, &child) != FALSE;
    DWORD code = 1;
    if (started) {
        if (WaitForSingleObject(child.hProcess, 120000) != WAIT_OBJECT_0)
            TerminateProcess(child.hProcess, 99);
        GetExitCodeProcess(child.hProcess, &code);
        CloseHandle(child.hThread);
        CloseHandle(child.hProcess);
    }
    setLogPixels(before);
    mapDialogFont(mapping);
    EXPECT_TRUE(started) << commandLine;
    EXPECT_EQ(code, 0u) << "the run at " << dpi << " DPI"
                        << (dialogFont.empty() ? "" : " with the dialog font mapped to " + dialogFont)
                        << " failed (its output is above)";
    return false;
}

} // namespace DpiProcess
