// TextFit: every text of a dialog whole, whatever the DPI and the font, the layout kept.
#pragma once
#include <windows.h>

class TextFit {
public:
    // The dialog units grow with the font's rounded mean width, the glyphs exactly with the
    // DPI, so above 96 DPI a text can need more room than its control has. Each text control
    // whose text, drawn in its own font, does not fit grows: a line (a label, a button, a
    // radio button) grows wider, with the controls aligned with it and the group box around
    // them, and the control beside it gives up its spare width or moves aside; a text that
    // wraps grows taller, and the controls below it in its column move down into the free
    // space there. The dialog grows only where its margins would shrink. Where every text
    // fits, as on a Japanese Windows at 96 DPI, nothing moves. Call it before a picture
    // takes its room and before the dialog is centred.
    static void growToFit(HWND dialog);
};
