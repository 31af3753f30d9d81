// The message box itself.
#include "app/Message.h"

int Message::show(HWND owner, UINT buttons) const
{
    return MessageBoxA(owner, text, caption, icon | buttons);
}
