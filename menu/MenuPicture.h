// MenuPicture: the menu's picture kept clear of the buttons whatever the dialog font.
#pragma once
#include <windows.h>

class MenuPicture {
public:
    // The picture was drawn for the menu's font on a Japanese Windows, where it fits
    // between the dialog's left edge and the button column. Where another font gives
    // smaller dialog units, it is shown smaller, in its own proportions, with the same
    // margin to the column and to the bottom as to the left and the top edge; where it
    // fits, it stays as it is.
    static void fitBeside(HWND dialog, HWND column);

    // size where it fits in room; otherwise the largest size of its proportions that does.
    static SIZE shrunkToFit(SIZE size, SIZE room);

private:
    // The unnamed static control that shows a bitmap; null when there is none.
    static HWND find(HWND dialog);
};
