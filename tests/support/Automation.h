// Drives the program's windows from a second thread, as a user would: finds dialogs
// and message boxes by caption, reads them, presses their buttons. Every wait has a
// timeout; a missed window is recorded as a failure and every dialog left open is
// cancelled, so that a broken program fails its test instead of hanging it.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/ExpectedText.h"

class DialogBase;

class Automation {
public:
    using Script = std::function<void(Automation&)>;
    static const DWORD DefaultTimeout = 15000;

    // Runs the script on its own thread at once, against the windows of processId.
    explicit Automation(Script script, DWORD processId = GetCurrentProcessId());
    ~Automation();
    Automation(const Automation&) = delete;
    Automation& operator=(const Automation&) = delete;

    // Waits for the script to end; returns what went wrong, empty when nothing did.
    std::vector<std::string> finish();

    // Runs the dialog on this thread, as the program does, while the script drives it;
    // its result, and in failures what went wrong.
    static INT_PTR runModal(DialogBase& dialog, const char* templateName, Script script,
                            std::vector<std::string>& failures);

    // --- for scripts ---
    // A visible dialog with this caption that has the control (0: any dialog that is
    // not a message box).
    HWND waitForDialog(const char* caption, int controlId = 0, DWORD timeout = DefaultTimeout);
    HWND waitForMessageBox(const char* caption, DWORD timeout = DefaultTimeout);
    // A message box with this caption that says this.
    HWND waitForMessage(const char* caption, const char* text, DWORD timeout = DefaultTimeout);
    // Checks text and icon (IDI_WARNING...), then presses the button (IDOK, IDYES...).
    void answerMessageBox(const char* caption, const char* text, LPCSTR icon, int button);
    void answer(const ExpectedBox& box, int button = IDOK);
    HWND waitFor(const ExpectedBox& box, DWORD timeout = DefaultTimeout);
    // Waits until the dialog's control reads text; a failure when it never does.
    void expectText(HWND dialog, int id, const std::string& text);
    // The shell's folder picker; answerFolderPicker selects path and presses OK, or Cancel
    // for nullptr.
    HWND waitForFolderPicker();
    void answerFolderPicker(const char* path);
    // Presses a button of a dialog; a hidden or disabled button counts as a failure.
    void click(HWND dialog, int id);
    static bool waitUntil(const std::function<bool()>& condition, DWORD timeout = DefaultTimeout);
    bool waitGone(HWND window, DWORD timeout = DefaultTimeout);
    // What must not happen: the condition holds for the whole time, looked at all along.
    bool holdsFor(DWORD milliseconds, const std::function<bool()>& condition);
    // Nothing else appears: for the whole time no window of the process opens beside
    // those visible now, and then `open` of them are visible. A failure says what.
    void expectQuiet(DWORD milliseconds, const std::string& what, std::size_t open = 1);
    // True when no visible window of the process shows up for the whole time.
    bool staysWithoutWindows(DWORD milliseconds);

    // Every text of the dialog whole and every control in the clear: each static's and
    // button's text, drawn in the control's own font as the control draws it, fits the
    // control; no two visible controls overlap, but for a group box and what lies in it;
    // each lies inside the client area.
    void expectLaidOutWhole(HWND dialog);

    void check(bool condition, const std::string& what);
    void fail(const std::string& what);
    bool failed() const { return !failures.empty(); }

    // What a process holds: its threads, and its open handles, each handle value asked in
    // turn (Wine's GetProcessHandleCount says 0 whatever is open).
    static int threadsOf(DWORD processId);
    static int handlesOf(HANDLE process);

    static std::string textOf(HWND window);
    static std::string itemText(HWND dialog, int id);
    static bool isMessageBox(HWND window);
    std::vector<HWND> visibleDialogs() const;

private:
    static DWORD WINAPI threadMain(void* self);
    HWND findDialog(const char* caption, int controlId, bool messageBox) const;
    // Whether a dialog or message box owned by the window still exists, hidden or not.
    static bool ownsADialog(HWND window);
    void selectInPicker(HWND picker, const char* path);
    void rescue();

    Script script;
    DWORD processId;
    HANDLE thread;
    std::vector<std::string> failures;
};
