// Path text, bounded and read by characters: Shift-JIS trail bytes may be 0x5C.
#include "state/PathText.h"

#include <cstring>
#include <windows.h>

namespace {

const UINT ShiftJis = 932;

// Start of the last and of the second-to-last character, walking from the front.
void lastTwoCharacters(const char* text, const char*& last, const char*& beforeLast)
{
    last = nullptr;
    beforeLast = nullptr;
    for (const char* p = text; *p != '\0';) {
        beforeLast = last;
        last = p;
        if (IsDBCSLeadByteEx(ShiftJis, static_cast<BYTE>(*p)) && p[1] != '\0')
            p += 2;
        else
            p += 1;
    }
}

} // namespace

bool PathText::copy(char* dest, std::size_t size, const char* src)
{
    std::size_t length = std::strlen(src);
    if (length >= size)
        return false;
    std::memcpy(dest, src, length + 1);
    return true;
}

bool PathText::append(char* dest, std::size_t size, const char* src)
{
    std::size_t used = std::strlen(dest);
    std::size_t length = std::strlen(src);
    if (used + length >= size)
        return false;
    std::memcpy(dest + used, src, length + 1);
    return true;
}

bool PathText::concat(char* dest, std::size_t size, const char* first, const char* second,
                      const char* third)
{
    std::size_t a = std::strlen(first), b = std::strlen(second), c = std::strlen(third);
    if (a + b + c >= size)
        return false;
    std::memmove(dest, first, a);
    std::memcpy(dest + a, second, b);
    std::memcpy(dest + a + b, third, c + 1);
    return true;
}

bool PathText::join(char* dest, std::size_t size, const char* folder, const char* name)
{
    return concat(dest, size, folder, endsWithBackslash(folder) ? "" : "\\", name);
}

bool PathText::endsWithBackslash(const char* text)
{
    const char *last, *beforeLast;
    lastTwoCharacters(text, last, beforeLast);
    return last != nullptr && *last == '\\';
}

bool PathText::endsWithDoubledBackslash(const char* text)
{
    const char *last, *beforeLast;
    lastTwoCharacters(text, last, beforeLast);
    return last != nullptr && beforeLast != nullptr && *last == '\\' && *beforeLast == '\\';
}

bool PathText::isDriveAbsolute(const char* text)
{
    char letter = text[0];
    bool isLetter = (letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z');
    return isLetter && text[1] == ':' && text[2] == '\\';
}

void PathText::driveRootOf(char* root, const char* path)
{
    root[0] = path[0];
    root[1] = ':';
    root[2] = '\\';
    root[3] = '\0';
}

bool PathText::currentDirectory(char* path)
{
    DWORD length = GetCurrentDirectoryA(Size, path);
    return length != 0 && length < Size;
}
