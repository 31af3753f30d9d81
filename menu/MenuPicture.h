// MenuPicture: the room of the menu's picture, beside the buttons whatever the font and DPI.
#pragma once
#include <windows.h>

class MenuPicture {
public:
    // The picture was drawn for the menu's font on a Japanese Windows at 96 DPI, where it
    // fits between the dialog's left edge and the button column. Its room reaches from its
    // top-left corner to the column and to the bottom, less the same margin to them as it
    // has to the left and the top edge.
    static SIZE roomBeside(HWND dialog, HWND picture, HWND column);
};
