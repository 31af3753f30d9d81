// Message: one of the program's message boxes, its text, caption and icon as one record.
#pragma once
#include <windows.h>

#include <cstddef>

struct Message {
    // wsprintfA writes at most 1024 characters, and the terminating zero.
    static const std::size_t TextSize = 1025;

    const char* text; // a wsprintfA format where the message is formatted
    const char* caption;
    UINT icon;

    // This message with its text formatted from the values into buffer.
    template <typename... Values>
    Message formatted(char (&buffer)[TextSize], Values... values) const
    {
        wsprintfA(buffer, text, values...);
        return {buffer, caption, icon};
    }

    // The box, owned by owner, with the buttons given; the button that was pressed.
    int show(HWND owner, UINT buttons = MB_OK) const;
};
