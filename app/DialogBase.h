// Base of every dialog of the program: one static procedure routes each message
// to the object kept in the window's DWL_USER slot.
#pragma once
#include <windows.h>

class DialogBase {
public:
    DialogBase();
    virtual ~DialogBase();
    DialogBase(const DialogBase&) = delete;
    DialogBase& operator=(const DialogBase&) = delete;

    // DialogBoxParamA's result: the EndDialog value, or -1 when the dialog cannot be created.
    INT_PTR showModal(HINSTANCE instance, const char* templateName, HWND parent);
    virtual INT_PTR dialogProc(UINT message, WPARAM wParam, LPARAM lParam);

    static void centreOnScreen(HWND window);

    HWND window() const { return hwnd; }

protected:
    HINSTANCE hInstance;
    HWND hwnd;

private:
    static INT_PTR CALLBACK routeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};
