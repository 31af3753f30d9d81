// DialogBase: the base of every dialog, routed through the window's DWL_USER slot.
#pragma once
#include <windows.h>

#include "app/Message.h"

class DialogBase {
public:
    // What showModal gives back: the task completed, it was cancelled or failed (the
    // value of IDCANCEL too), or the dialog could not be created.
    static constexpr INT_PTR Completed = 1;
    static constexpr INT_PTR Cancelled = 2;
    static constexpr INT_PTR NotCreated = -1;

    // What a worker sends its dialog once its outcome is stored. It is WM_USER, which the
    // dialog manager also sends as DM_GETDEFID: a dialog takes an outcome once, so a
    // second one, or one while an error box is up, finds none and does nothing.
    static constexpr UINT WorkerDone = WM_USER;

    DialogBase();
    virtual ~DialogBase();
    DialogBase(const DialogBase&) = delete;
    DialogBase& operator=(const DialogBase&) = delete;

    INT_PTR showModal(HINSTANCE instance, const char* templateName, HWND parent);
    virtual INT_PTR dialogProc(UINT message, WPARAM wParam, LPARAM lParam);

    static void centreOnScreen(HWND window);

    HWND window() const { return hwnd; }

protected:
    // A message box owned by the dialog, with the buttons given; the button that was pressed.
    int say(const Message& message, UINT buttons = MB_OK) const;
    // The same, its text formatted from the values.
    template <typename... Values>
    int sayFormatted(const Message& message, Values... values) const
    {
        char text[Message::TextSize];
        return say(message.formatted(text, values...));
    }
    // A failed task: the message, then the dialog ends with Cancelled.
    void endWith(const Message& failure);

    HINSTANCE hInstance;
    HWND hwnd;

private:
    static INT_PTR CALLBACK routeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};
