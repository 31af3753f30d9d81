// The room left of the menu's button column for its picture.
#include "menu/MenuPicture.h"

#include "app/DialogPicture.h"

SIZE MenuPicture::roomBeside(HWND dialog, HWND picture, HWND column)
{
    RECT client = DialogPicture::clientOnScreen(dialog), shown, beside;
    GetWindowRect(picture, &shown);
    GetWindowRect(column, &beside);
    return DialogPicture::roomBeside(shown, beside.left, client.bottom,
                                     SIZE{shown.left - client.left, shown.top - client.top});
}
