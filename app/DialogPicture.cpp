// Finding a dialog's bitmap, sizing it to the DPI and its room, and drawing the scaled copy.
#include "app/DialogPicture.h"

#include "app/SystemCallSeam.h"

DialogPicture::DialogPicture() : control(nullptr), original(nullptr), scaled(nullptr) {}

DialogPicture::~DialogPicture()
{
    if (scaled != nullptr)
        DeleteObject(scaled);
}

namespace {
// The class name, in any case: Windows gives "Static", and a comparison by hand needs no
// function beyond those that every Windows from 95 on has.
bool isStatic(HWND window)
{
    char name[8];
    if (GetClassNameA(window, name, sizeof name) != 6)
        return false;
    const char* expected = "static";
    for (int i = 0; i < 6; ++i)
        if ((name[i] | 0x20) != expected[i])
            return false;
    return true;
}
} // namespace

HWND DialogPicture::find(HWND dialog)
{
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (isStatic(child) && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP)
            return child;
    }
    return nullptr;
}

SIZE DialogPicture::scaledSize(SIZE bitmap, int dpi, SIZE room)
{
    SIZE size = {MulDiv(bitmap.cx, dpi, 96), MulDiv(bitmap.cy, dpi, 96)};
    if (size.cx <= room.cx && size.cy <= room.cy)
        return size;
    if (room.cx <= 0 || room.cy <= 0)
        return SIZE{0, 0};
    // Whichever side is the tighter fixes the scale; the other follows the bitmap's own
    // proportions, not those of its size at the DPI, which are rounded.
    if (static_cast<long long>(room.cx) * bitmap.cy <= static_cast<long long>(room.cy) * bitmap.cx)
        return SIZE{room.cx, static_cast<LONG>(static_cast<long long>(bitmap.cy) * room.cx / bitmap.cx)};
    return SIZE{static_cast<LONG>(static_cast<long long>(bitmap.cx) * room.cy / bitmap.cy), room.cy};
}

// Window rectangles are on the screen; the client area's own origin there follows from
// the frame, which is as wide on the left, the right and the bottom.
RECT DialogPicture::clientOnScreen(HWND dialog)
{
    RECT frame, client;
    GetWindowRect(dialog, &frame);
    GetClientRect(dialog, &client);
    LONG border = ((frame.right - frame.left) - client.right) / 2;
    return RECT{frame.left + border, frame.bottom - border - client.bottom, frame.right - border,
                frame.bottom - border};
}

SIZE DialogPicture::roomBeside(const RECT& picture, LONG besideLeft, LONG clientBottom, SIZE margin)
{
    return SIZE{besideLeft - picture.left - margin.cx, clientBottom - picture.top - margin.cy};
}

void DialogPicture::fitInto(HWND picture, SIZE room)
{
    HBITMAP shown = picture != nullptr
                        ? reinterpret_cast<HBITMAP>(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0))
                        : nullptr;
    BITMAP bitmap;
    if (shown == nullptr || scaled != nullptr || GetObjectA(shown, sizeof bitmap, &bitmap) == 0)
        return;
    HDC screen = GetDC(picture);
    int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen != nullptr)
        ReleaseDC(picture, screen);
    SIZE from = {bitmap.bmWidth, bitmap.bmHeight};
    SIZE to = scaledSize(from, dpi, room);
    if ((to.cx == from.cx && to.cy == from.cy) || to.cx <= 0 || to.cy <= 0)
        return;
    scaled = drawScaled(shown, from, to);
    if (scaled == nullptr)
        return;
    control = picture;
    original = reinterpret_cast<HBITMAP>(
        SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(scaled)));
    SetWindowPos(picture, nullptr, 0, 0, to.cx, to.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Smoothly where Windows can (HALFTONE, the NT line); 95, 98 and ME refuse that mode and
// take every pixel's colour from the nearest one instead.
HBITMAP DialogPicture::drawScaled(HBITMAP bitmap, SIZE fromSize, SIZE toSize) const
{
    HDC screen = GetDC(nullptr);
    if (screen == nullptr)
        return nullptr;
    HDC source = CreateCompatibleDC(screen);
    HDC target = CreateCompatibleDC(screen);
    HBITMAP copy = CreateCompatibleBitmap(screen, toSize.cx, toSize.cy);
    bool drawn = false;
    if (source != nullptr && target != nullptr && copy != nullptr) {
        HGDIOBJ sourceBefore = SelectObject(source, bitmap);
        HGDIOBJ targetBefore = SelectObject(target, copy);
        auto setMode = SystemCallSeam::active().setStretchBltMode;
        if (setMode(target, HALFTONE) == 0)
            setMode(target, COLORONCOLOR);
        drawn = StretchBlt(target, 0, 0, toSize.cx, toSize.cy, source, 0, 0, fromSize.cx, fromSize.cy,
                           SRCCOPY) != FALSE;
        SelectObject(target, targetBefore);
        SelectObject(source, sourceBefore);
    }
    if (target != nullptr)
        DeleteDC(target);
    if (source != nullptr)
        DeleteDC(source);
    ReleaseDC(nullptr, screen);
    if (!drawn && copy != nullptr) {
        DeleteObject(copy);
        copy = nullptr;
    }
    return copy;
}

void DialogPicture::release()
{
    if (scaled == nullptr)
        return;
    if (control != nullptr) // the dialog goes first, its controls after it
        SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(original));
    DeleteObject(scaled);
    scaled = nullptr;
    control = nullptr;
    original = nullptr;
}
