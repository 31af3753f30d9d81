// Finding the menu's picture among the unnamed controls, and shrinking it to its room.
#include "menu/MenuPicture.h"

namespace {
const int Unnamed = -1;
const int SetAside = 0x7FFF; // no control of the menu has this identifier
const int MostUnnamed = 8;
} // namespace

// The picture is not a control of its own number: the note beside it is unnamed as well.
// GetDlgItem finds the unnamed ones in turn while each that is not the picture is numbered
// apart for a moment.
HWND MenuPicture::find(HWND dialog)
{
    HWND setAside[MostUnnamed];
    int count = 0;
    HWND picture = nullptr;
    while (picture == nullptr && count < MostUnnamed) {
        HWND control = GetDlgItem(dialog, Unnamed);
        if (control == nullptr)
            break;
        if ((GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP) {
            picture = control;
        } else {
            SetWindowLongA(control, GWL_ID, SetAside);
            setAside[count++] = control;
        }
    }
    for (int i = 0; i < count; ++i)
        SetWindowLongA(setAside[i], GWL_ID, Unnamed);
    return picture;
}

SIZE MenuPicture::shrunkToFit(SIZE size, SIZE room)
{
    if (size.cx <= room.cx && size.cy <= room.cy)
        return size;
    if (room.cx <= 0 || room.cy <= 0)
        return SIZE{0, 0};
    // Whichever side is the tighter fixes the scale.
    if (static_cast<long long>(room.cx) * size.cy <= static_cast<long long>(room.cy) * size.cx)
        return SIZE{room.cx, static_cast<LONG>(static_cast<long long>(size.cy) * room.cx / size.cx)};
    return SIZE{static_cast<LONG>(static_cast<long long>(size.cx) * room.cy / size.cy), room.cy};
}

// Window rectangles are on the screen; the client area's own origin there follows from
// the frame, which is as wide on the left, the right and the bottom.
void MenuPicture::fitBeside(HWND dialog, HWND column)
{
    HWND picture = find(dialog);
    if (picture == nullptr || column == nullptr)
        return;
    RECT frame, client, shown, beside;
    GetWindowRect(dialog, &frame);
    GetClientRect(dialog, &client);
    GetWindowRect(picture, &shown); // the control has sized itself to the bitmap
    GetWindowRect(column, &beside);
    LONG border = ((frame.right - frame.left) - client.right) / 2;
    LONG clientLeft = frame.left + border;
    LONG clientBottom = frame.bottom - border;
    LONG clientTop = clientBottom - client.bottom;
    SIZE size = {shown.right - shown.left, shown.bottom - shown.top};
    SIZE room = {beside.left - shown.left - (shown.left - clientLeft),
                 clientBottom - shown.top - (shown.top - clientTop)};
    SIZE fitted = shrunkToFit(size, room);
    if (fitted.cx == size.cx && fitted.cy == size.cy)
        return;
    // Windows XP and later stretch the bitmap to a control of this style; earlier ones clip it.
    SetWindowLongA(picture, GWL_STYLE, GetWindowLongA(picture, GWL_STYLE) | SS_REALSIZECONTROL);
    SetWindowPos(picture, nullptr, 0, 0, fitted.cx, fitted.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
