// DialogPicture: a dialog's bitmap drawn to the dialog's scale, in its own proportions.
#pragma once
#include <windows.h>

class DialogPicture {
public:
    DialogPicture();
    ~DialogPicture();
    DialogPicture(const DialogPicture&) = delete;
    DialogPicture& operator=(const DialogPicture&) = delete;

    // The first static control of the dialog that shows a bitmap; null when there is none.
    static HWND find(HWND dialog);

    // The bitmap's size at the screen's DPI, where the dialog grows with it; shrunk in its
    // own proportions where it would not fit its room.
    static SIZE scaledSize(SIZE bitmap, int dpi, SIZE room);

    // Where the dialog's client area lies on the screen.
    static RECT clientOnScreen(HWND dialog);
    // A picture's room (screen pixels): from its top-left corner to the left edge of the
    // control beside it and down to the client area's bottom, each less a margin.
    static SIZE roomBeside(const RECT& picture, LONG besideLeft, LONG clientBottom, SIZE margin);

    // Shows the control's bitmap at its scaled size, as a scaled copy: Windows before XP
    // would cut a bitmap that is larger than its control. At 96 DPI with room enough the
    // control keeps the bitmap as it is.
    void fitInto(HWND control, SIZE room);

    // Hands the control its own bitmap back and deletes the copy: when the dialog goes.
    void release();

private:
    HBITMAP drawScaled(HBITMAP bitmap, SIZE fromSize, SIZE toSize) const;

    HWND control;
    HBITMAP original;
    HBITMAP scaled;
};
