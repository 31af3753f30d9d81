// PathText: bounded operations on the program's fixed path buffers (Shift-JIS text).
#pragma once
#include <cstddef>

class PathText {
public:
    static constexpr std::size_t Size = 260;

    // Each fails, leaving dest as it was, when the result would not fit in size bytes.
    static bool copy(char* dest, std::size_t size, const char* src);
    static bool append(char* dest, std::size_t size, const char* src);
    static bool concat(char* dest, std::size_t size, const char* first, const char* second,
                       const char* third = "");
    // A file in a folder: the folder, a backslash unless the folder already ends in one
    // (as the recorded install folder does), and the name.
    static bool join(char* dest, std::size_t size, const char* folder, const char* name);

    // Whether the last character (not merely the last byte) is a backslash: the
    // trail byte of a double-byte character such as "ソ" is 0x5C as well.
    static bool endsWithBackslash(const char* text);
    static bool endsWithDoubledBackslash(const char* text);

    // A drive-absolute path: a letter, a colon and a backslash, then anything.
    static bool isDriveAbsolute(const char* text);
    // The root of the path's drive, "X:\" from its first character, into 4 bytes.
    static void driveRootOf(char* root, const char* path);
    // The current directory into Size bytes; false when it is unavailable or longer.
    static bool currentDirectory(char* path);
};
