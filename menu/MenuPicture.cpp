// The room left of the menu's button column for its picture.
#include "menu/MenuPicture.h"

// Window rectangles are on the screen; the client area's own origin there follows from
// the frame, which is as wide on the left, the right and the bottom.
SIZE MenuPicture::roomBeside(HWND dialog, HWND picture, HWND column)
{
    RECT frame, client, shown, beside;
    GetWindowRect(dialog, &frame);
    GetClientRect(dialog, &client);
    GetWindowRect(picture, &shown);
    GetWindowRect(column, &beside);
    LONG border = ((frame.right - frame.left) - client.right) / 2;
    LONG clientLeft = frame.left + border;
    LONG clientBottom = frame.bottom - border;
    LONG clientTop = clientBottom - client.bottom;
    return SIZE{beside.left - shown.left - (shown.left - clientLeft),
                clientBottom - shown.top - (shown.top - clientTop)};
}
