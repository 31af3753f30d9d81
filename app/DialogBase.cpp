// The dialog procedure's routing, the modal run, centring and the dialogs' message boxes.
#include "app/DialogBase.h"

DialogBase::DialogBase() : hInstance(nullptr), hwnd(nullptr) {}

DialogBase::~DialogBase() = default;

INT_PTR DialogBase::showModal(HINSTANCE instance, const char* templateName, HWND parent)
{
    hInstance = instance;
    return DialogBoxParamA(instance, templateName, parent, routeMessage,
                           reinterpret_cast<LPARAM>(this));
}

INT_PTR DialogBase::dialogProc(UINT, WPARAM, LPARAM)
{
    return FALSE;
}

// The Ptr variants are GetWindowLongA/SetWindowLongA with DWL_USER in the 32-bit build.
INT_PTR CALLBACK DialogBase::routeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<DialogBase*>(GetWindowLongPtrA(window, DWLP_USER));
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<DialogBase*>(lParam);
        self->hwnd = window;
        SetWindowLongPtrA(window, DWLP_USER, lParam);
    } else if (self == nullptr) {
        return FALSE; // WM_SETFONT and the like, before the object is known
    }
    return self->dialogProc(message, wParam, lParam);
}

void DialogBase::centreOnScreen(HWND window)
{
    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    RECT rect;
    GetWindowRect(window, &rect);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    MoveWindow(window, screenWidth / 2 - width / 2, screenHeight / 2 - height / 2, width, height,
               TRUE);
}

int DialogBase::say(const Message& message, UINT buttons) const
{
    return message.show(hwnd, buttons);
}

void DialogBase::endWith(const Message& failure)
{
    say(failure);
    EndDialog(hwnd, Cancelled);
}
