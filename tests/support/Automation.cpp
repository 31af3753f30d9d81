// Drives the program's windows from a second thread, as a user would.
#include "tests/support/Automation.h"

#include <algorithm>
#include <commctrl.h>
#include <cstring>
#include <shlobj.h>
#include <tlhelp32.h>

#include "app/DialogBase.h"

namespace {

const int MessageBoxIcon = 1088;
const int MessageBoxText = 0xFFFF;
const DWORD Poll = 20;

struct Search {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK collectDialog(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner == search->processId && std::strcmp(className, "#32770") == 0 &&
        IsWindowVisible(window))
        search->found.push_back(window);
    return TRUE;
}

// The colour bits of an icon, for icons that are equal without the same handle.
std::string iconBits(HICON icon)
{
    ICONINFO info;
    if (icon == nullptr || !GetIconInfo(icon, &info))
        return std::string();
    HBITMAP image = info.hbmColor != nullptr ? info.hbmColor : info.hbmMask;
    BITMAP shape = {};
    GetObjectA(image, sizeof shape, &shape);
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = shape.bmWidth;
    header.biHeight = -shape.bmHeight;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    std::string bits(static_cast<std::size_t>(shape.bmWidth) * shape.bmHeight * 4, '\0');
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, image, 0, shape.bmHeight, &bits[0], reinterpret_cast<BITMAPINFO*>(&header),
              DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (info.hbmColor != nullptr)
        DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bits;
}

bool sameIcon(HICON shown, HICON expected)
{
    if (shown == expected)
        return true;
    std::string bits = iconBits(shown);
    return !bits.empty() && bits == iconBits(expected);
}

} // namespace

Automation::Automation(Script script, DWORD processId)
    : script(std::move(script)), processId(processId), thread(nullptr)
{
    thread = CreateThread(nullptr, 0, threadMain, this, 0, nullptr);
}

Automation::~Automation()
{
    finish();
}

std::vector<std::string> Automation::finish()
{
    if (thread != nullptr) {
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
        thread = nullptr;
    }
    return failures;
}

INT_PTR Automation::runModal(DialogBase& dialog, const char* templateName, Script script,
                             std::vector<std::string>& failures)
{
    Automation user(std::move(script));
    INT_PTR result = dialog.showModal(GetModuleHandleA(nullptr), templateName, nullptr);
    failures = user.finish();
    return result;
}

// In this process the test's main thread waits in a modal dialog: whatever the script
// leaves open would keep it there for ever, so it is reported and closed.
DWORD WINAPI Automation::threadMain(void* self)
{
    auto* automation = static_cast<Automation*>(self);
    automation->script(*automation);
    if (automation->processId == GetCurrentProcessId() &&
        !automation->waitUntil([&] { return automation->visibleDialogs().empty(); }, 10000)) {
        automation->fail("the script left windows open");
        automation->rescue();
    }
    return 0;
}

std::vector<HWND> Automation::visibleDialogs() const
{
    Search search{processId, {}};
    EnumWindows(collectDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool Automation::isMessageBox(HWND window)
{
    return GetDlgItem(window, MessageBoxIcon) != nullptr;
}

HWND Automation::findDialog(const char* caption, int controlId, bool messageBox) const
{
    for (HWND window : visibleDialogs()) {
        if (textOf(window) != caption || isMessageBox(window) != messageBox)
            continue;
        if (controlId == 0 || GetDlgItem(window, controlId) != nullptr)
            return window;
    }
    return nullptr;
}

HWND Automation::waitForDialog(const char* caption, int controlId, DWORD timeout)
{
    if (failed())
        return nullptr;
    HWND window = nullptr;
    if (!waitUntil([&] { return (window = findDialog(caption, controlId, false)) != nullptr; },
                   timeout))
    {
        fail(std::string("no dialog \"") + caption + "\" appeared");
        rescue();
    }
    return window;
}

HWND Automation::waitForMessageBox(const char* caption, DWORD timeout)
{
    if (failed())
        return nullptr;
    HWND box = nullptr;
    if (!waitUntil([&] { return (box = findDialog(caption, 0, true)) != nullptr; }, timeout)) {
        std::string seen;
        for (HWND window : visibleDialogs())
            seen += " [" + textOf(window) + ": " + itemText(window, MessageBoxText) + "]";
        fail(std::string("no message box \"") + caption + "\" appeared; visible:" + seen);
        rescue();
    }
    return box;
}

HWND Automation::waitForMessage(const char* caption, const char* text, DWORD timeout)
{
    if (failed())
        return nullptr;
    HWND box = nullptr;
    if (!waitUntil([&] {
            box = findDialog(caption, 0, true);
            return box != nullptr && itemText(box, MessageBoxText) == text;
        }, timeout)) {
        fail(std::string("no message box \"") + caption + "\" saying \"" + text + "\" appeared");
        rescue();
        return nullptr;
    }
    return box;
}

void Automation::answerMessageBox(const char* caption, const char* text, LPCSTR icon, int button)
{
    HWND box = waitForMessageBox(caption);
    if (box == nullptr)
        return;
    std::string shown = itemText(box, MessageBoxText);
    check(shown == text, std::string("message box \"") + caption + "\" says \"" + shown +
                             "\", expected \"" + text + "\"");
    HWND iconControl = GetDlgItem(box, MessageBoxIcon);
    DWORD_PTR iconShown = 0;
    SendMessageTimeoutA(iconControl, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, 5000, &iconShown);
    // Another process's icon handle means nothing here: from outside, only the presence
    // of an icon is checked (the in-process tests check which one).
    bool iconRight = processId == GetCurrentProcessId()
                         ? sameIcon(reinterpret_cast<HICON>(iconShown), LoadIconA(nullptr, icon))
                         : iconShown != 0;
    check(iconRight, std::string("message box \"") + caption + "\" has another icon");
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    waitGone(box);
}

void Automation::answer(const ExpectedBox& box, int button)
{
    answerMessageBox(box.caption.c_str(), box.text.c_str(), box.icon, button);
}

HWND Automation::waitFor(const ExpectedBox& box, DWORD timeout)
{
    return waitForMessage(box.caption.c_str(), box.text.c_str(), timeout);
}

void Automation::expectText(HWND dialog, int id, const std::string& text)
{
    if (!waitUntil([&] { return itemText(dialog, id) == text; }))
        fail("control " + std::to_string(id) + " reads \"" + itemText(dialog, id) + "\", expected \"" +
             text + "\"");
}

HWND Automation::waitForFolderPicker()
{
    if (failed())
        return nullptr;
    HWND picker = nullptr;
    if (!waitUntil([&] {
            for (HWND window : visibleDialogs())
                if (FindWindowExA(window, nullptr, "SysTreeView32", nullptr) != nullptr)
                    return (picker = window) != nullptr;
            return false;
        })) {
        fail("no folder picker appeared");
        rescue();
    }
    return picker;
}

void Automation::answerFolderPicker(const char* path)
{
    HWND picker = waitForFolderPicker();
    if (picker == nullptr)
        return;
    if (path != nullptr)
        selectInPicker(picker, path);
    PostMessageA(picker, WM_COMMAND, MAKEWPARAM(path != nullptr ? IDOK : IDCANCEL, BN_CLICKED), 0);
    waitGone(picker);
}

// The picker fills its tree lazily, so a deep path may need asking again once the
// levels above it are there; in this process the selected item is read back. For
// another process the path is written into that process's memory first.
void Automation::selectInPicker(HWND picker, const char* path)
{
    std::string wanted = path;
    std::size_t cut = wanted.find_last_of('\\', wanted.size() - 2);
    std::string last = wanted.back() == '\\' || cut == std::string::npos ? "" : wanted.substr(cut + 1);
    HWND tree = FindWindowExA(picker, nullptr, "SysTreeView32", nullptr);
    HANDLE process = nullptr;
    void* remote = nullptr;
    LPARAM argument = reinterpret_cast<LPARAM>(path);
    if (processId != GetCurrentProcessId()) {
        process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
        SIZE_T size = wanted.size() + 1;
        remote = process ? VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE) : nullptr;
        if (remote == nullptr || !WriteProcessMemory(process, remote, path, size, nullptr))
            fail("could not hand the path to the picker's process");
        argument = reinterpret_cast<LPARAM>(remote);
    }
    for (int attempt = 0; attempt < 30 && !failed(); ++attempt) {
        DWORD_PTR ignored;
        SendMessageTimeoutA(picker, BFFM_SETSELECTIONA, TRUE, argument, SMTO_ABORTIFHUNG, 5000, &ignored);
        Sleep(100);
        if (process != nullptr || last.empty()) {
            if (attempt >= 2)
                break;
            continue;
        }
        char text[MAX_PATH] = {};
        TVITEMA item = {};
        item.mask = TVIF_TEXT;
        item.hItem = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
        item.pszText = text;
        item.cchTextMax = sizeof text;
        if (item.hItem != nullptr && SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) &&
            last == text)
            break;
    }
    if (remote != nullptr)
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    if (process != nullptr)
        CloseHandle(process);
}

namespace {
BOOL CALLBACK findOwned(HWND window, LPARAM owner)
{
    auto* found = reinterpret_cast<std::pair<HWND, bool>*>(owner);
    char kind[16] = "";
    GetClassNameA(window, kind, sizeof kind);
    found->second = GetWindow(window, GW_OWNER) == found->first && std::strcmp(kind, "#32770") == 0;
    return !found->second;
}
} // namespace

bool Automation::ownsADialog(HWND window)
{
    std::pair<HWND, bool> found(window, false);
    EnumWindows(findOwned, reinterpret_cast<LPARAM>(&found));
    return found.second;
}

void Automation::click(HWND dialog, int id)
{
    if (dialog == nullptr || failed())
        return;
    HWND button = GetDlgItem(dialog, id);
    // Only a dialog that takes input can be pressed: not while a dialog or box of its own
    // is in front of it, nor while one that was answered is still ending. Its message loop
    // would take the posted click and drop it.
    if (button == nullptr || !waitUntil([&] {
            return IsWindowVisible(button) && IsWindowEnabled(button) && IsWindowEnabled(dialog) &&
                   !ownsADialog(dialog);
        }, 3000)) {
        fail("button " + std::to_string(id) + " cannot be pressed");
        return;
    }
    // Posted, so that a handler that opens a message box does not block the script.
    PostMessageA(button, BM_CLICK, 0, 0);
}

bool Automation::waitUntil(const std::function<bool()>& condition, DWORD timeout)
{
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeout)
            return false;
        Sleep(Poll);
    }
    return true;
}

int Automation::threadsOf(DWORD processId)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        count += entry.th32OwnerProcessID == processId ? 1 : 0;
    CloseHandle(snapshot);
    return count;
}

// A value names an open handle of the process when it can be duplicated from there.
int Automation::handlesOf(HANDLE process)
{
    // Handles take the lowest free values, so the search ends 4096 values past the last one
    // found: beyond any gap that closed handles leave in these programs.
    int count = 0;
    for (ULONG_PTR value = 4, last = 4; value - last <= 4096 * 4; value += 4) {
        HANDLE copy = nullptr;
        if (DuplicateHandle(process, reinterpret_cast<HANDLE>(value), GetCurrentProcess(), &copy, 0,
                            FALSE, DUPLICATE_SAME_ACCESS)) {
            CloseHandle(copy);
            ++count;
            last = value;
        }
    }
    return count;
}

bool Automation::waitGone(HWND window, DWORD timeout)
{
    DWORD start = GetTickCount();
    while (IsWindow(window) && IsWindowVisible(window)) {
        if (GetTickCount() - start > timeout) {
            fail("a window stayed open: \"" + textOf(window) + "\"");
            rescue();
            return false;
        }
        Sleep(Poll);
    }
    return true;
}

bool Automation::holdsFor(DWORD milliseconds, const std::function<bool()>& condition)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (!condition())
            return false;
        if (GetTickCount() - start >= milliseconds)
            return true;
        Sleep(Poll);
    }
}

void Automation::expectQuiet(DWORD milliseconds, const std::string& what, std::size_t open)
{
    std::vector<HWND> before = visibleDialogs();
    bool quiet = holdsFor(milliseconds, [&] {
        for (HWND window : visibleDialogs())
            if (std::find(before.begin(), before.end(), window) == before.end())
                return false;
        return true;
    });
    check(quiet && visibleDialogs().size() == open, what);
}

bool Automation::staysWithoutWindows(DWORD milliseconds)
{
    return holdsFor(milliseconds, [&] { return visibleDialogs().empty(); });
}

void Automation::check(bool condition, const std::string& what)
{
    if (!condition)
        failures.push_back(what);
}

void Automation::fail(const std::string& what)
{
    failures.push_back(what);
}

// After a missed window: press Cancel (or OK) on whatever is open until nothing of the
// program has been open for a second, or a minute has passed.
void Automation::rescue()
{
    DWORD start = GetTickCount(), quietSince = GetTickCount();
    while (GetTickCount() - start < 60000 && GetTickCount() - quietSince < 1000) {
        std::vector<HWND> open = visibleDialogs();
        if (!open.empty())
            quietSince = GetTickCount();
        for (HWND window : open) {
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
            if (isMessageBox(window))
                PostMessageA(window, WM_COMMAND, IDOK, 0);
        }
        Sleep(100);
    }
}

namespace {
bool isClass(HWND control, const char* name)
{
    char className[16] = {};
    GetClassNameA(control, className, sizeof className);
    return lstrcmpiA(className, name) == 0;
}

bool isGroupBox(HWND control)
{
    return isClass(control, "Button") && (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

// What the control's text needs and the room that the control gives it, as the control draws
// it: the height of a static that wraps at its width, otherwise the width of one line. False
// for a control that draws no text of its own (a picture, an edit box, a bar).
bool measureText(HWND control, LONG& needed, LONG& room)
{
    LONG style = GetWindowLongA(control, GWL_STYLE);
    bool isStatic = isClass(control, "Static"), isButton = isClass(control, "Button");
    LONG type = style & (isStatic ? SS_TYPEMASK : BS_TYPEMASK);
    wchar_t text[512] = {};
    if (!GetWindowTextW(control, text, 512) || !(isStatic || isButton) ||
        (isStatic && type > SS_RIGHT && type != SS_SIMPLE && type != SS_LEFTNOWORDWRAP) ||
        (isButton && type > BS_AUTORADIOBUTTON))
        return false;
    bool wraps = isStatic && type <= SS_RIGHT && (style & SS_CENTERIMAGE) == 0;
    RECT client, drawn;
    GetClientRect(control, &client);
    SetRect(&drawn, 0, 0, client.right, 0);
    HDC dc = GetDC(control);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    DrawTextW(dc, text, -1, &drawn, DT_CALCRECT | DT_EXPANDTABS | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    needed = wraps ? drawn.bottom : drawn.right;
    room = wraps ? client.bottom : client.right;
    if (isButton && type <= BS_DEFPUSHBUTTON)
        room -= 2 * (GetSystemMetrics(SM_CXEDGE) + 1); // inside the border and the focus rectangle
    else if (isButton && type == BS_GROUPBOX)
        room -= 2 * metrics.tmAveCharWidth;
    else if (isButton)
        room -= GetSystemMetrics(SM_CXMENUCHECK) + metrics.tmAveCharWidth / 2; // the box or the circle
    return true;
}
} // namespace

void Automation::expectLaidOutWhole(HWND dialog)
{
    std::vector<HWND> shown; // but for the text statics without a text, which show nothing
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        bool emptyStatic = isClass(child, "Static") && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) <= SS_RIGHT &&
                           textOf(child).empty();
        if (IsWindowVisible(child) && !emptyStatic)
            shown.push_back(child);
    }
    RECT client, common;
    GetClientRect(dialog, &client);
    MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&client), 2);
    auto name = [](HWND control) { return "\"" + textOf(control) + "\" (" + std::to_string(GetDlgCtrlID(control)) + ")"; };
    for (std::size_t i = 0; i < shown.size(); ++i) {
        RECT one, other;
        GetWindowRect(shown[i], &one);
        LONG needed = 0, room = 0;
        if (measureText(shown[i], needed, room))
            check(needed <= room, name(shown[i]) + " needs " + std::to_string(needed) + " pixels and has " +
                                      std::to_string(room));
        check(IntersectRect(&common, &one, &client) && EqualRect(&common, &one), name(shown[i]) + " leaves the dialog");
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            GetWindowRect(shown[j], &other);
            bool meet = IntersectRect(&common, &one, &other) != FALSE;
            bool grouped = (isGroupBox(shown[i]) && EqualRect(&common, &other)) ||
                           (isGroupBox(shown[j]) && EqualRect(&common, &one));
            check(!meet || grouped, name(shown[i]) + " overlaps " + name(shown[j]));
        }
    }
}

// Read as UTF-16 and given back in Shift-JIS, whatever this process's own code page is:
// a test may run as a player on a non-Japanese system.
std::string Automation::textOf(HWND window)
{
    wchar_t text[1024] = {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, 5000, &length))
        return std::string();
    char shiftJis[2048] = {};
    WideCharToMultiByte(932, 0, text, -1, shiftJis, sizeof shiftJis, nullptr, nullptr);
    return std::string(shiftJis);
}

std::string Automation::itemText(HWND dialog, int id)
{
    HWND item = GetDlgItem(dialog, id);
    return item != nullptr ? textOf(item) : std::string();
}
