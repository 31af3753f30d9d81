// Built exactly as setup.exe is (its start-up, heap and string functions, no C runtime): checks
// them from inside such a program. Exits with the number given on its command line when every
// check holds, so that the exit code is seen to come through the start-up; otherwise prints the
// checks that failed and exits 1.
#include <windows.h>
#include <psapi.h>

#include <cstddef>
#include <cstring>
#include <new>

namespace {

int failures = 0;
int constructed = 0;

void check(bool holds, const char* what)
{
    if (holds)
        return;
    ++failures;
    char line[256];
    int length = wsprintfA(line, "FAILED: %s\r\n", what);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line, static_cast<DWORD>(length), &written, nullptr);
}

// Called through pointers that the compiler cannot see through, so that it calls the program's
// own functions instead of putting its built-in ones in their place.
void* (*volatile copyBytes)(void*, const void*, std::size_t) = std::memcpy;
void* (*volatile moveBytes)(void*, const void*, std::size_t) = std::memmove;
void* (*volatile setBytes)(void*, int, std::size_t) = std::memset;
int (*volatile compareBytes)(const void*, const void*, std::size_t) = std::memcmp;
std::size_t (*volatile lengthOf)(const char*) = std::strlen;
int (*volatile compareText)(const char*, const char*) = std::strcmp;
char* (*volatile findChar)(const char*, int) = std::strchr;
void* (*volatile findByte)(const void*, int, std::size_t) = std::memchr;

struct StaticObject { // constructed at run time: the compiler cannot know what lengthOf gives
    StaticObject() { constructed = static_cast<int>(lengthOf("static")); }
};
StaticObject staticObject;

void checkMemoryFunctions()
{
    char text[] = "0123456789";
    moveBytes(text + 2, text, 6); // forward over itself
    check(compareBytes(text, "0101234589", 11) == 0, "memmove to a later, overlapping place");
    char back[] = "0123456789";
    moveBytes(back, back + 3, 7); // backward over itself
    check(compareBytes(back, "3456789789", 11) == 0, "memmove to an earlier, overlapping place");
    char copy[11] = {};
    check(copyBytes(copy, "abcdefghij", 10) == copy && compareBytes(copy, "abcdefghij", 11) == 0,
          "memcpy");
    check(setBytes(copy + 2, 0xA5, 3) == copy + 2 && compareBytes(copy, "ab\xA5\xA5\xA5" "fghij", 11) == 0,
          "memset of a part");
    check(compareBytes("abc", "abd", 3) < 0 && compareBytes("abd", "abc", 3) > 0, "memcmp's order");
    check(compareBytes("\x81", "\x7F", 1) > 0, "memcmp compares bytes as unsigned");
    check(compareBytes("abX", "abY", 2) == 0, "memcmp stops at its count");
    check(lengthOf("") == 0 && lengthOf("ｲﾝｽﾄｰﾙ") == 6 && lengthOf("インストール") == 12, "strlen");
    check(compareText("abc", "abd") < 0 && compareText("abd", "abc") > 0 && compareText("ab", "abc") < 0 &&
              compareText("abc", "abc") == 0, "strcmp's order");
    check(compareText("\x81", "\x7F") > 0, "strcmp compares bytes as unsigned");
    const char* path = "C:\\表\\X"; // 表 is 0x95 0x5C: a trail byte that reads as a backslash
    check(findChar(path, '\\') == path + 2 && findChar(path, '\x95') == path + 3 && findChar(path, 'Y') == nullptr,
          "strchr finds the first such byte, or none");
    check(findChar(path, '\0') == path + 7, "strchr finds the terminating zero");
    check(findByte(path, 0x95, 8) == path + 3 && findByte(path, -0x6B, 8) == path + 3, "memchr takes the byte as unsigned");
    check(findByte(path, 'X', 6) == nullptr && findByte(path, '\0', 8) == path + 7, "memchr stops at its count");
}

std::size_t heapInUse()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

void checkHeap()
{
    check(::operator new(~std::size_t(0) / 2, std::nothrow) == nullptr, "new of an impossible size");
    char* impossible = new (std::nothrow) char[~std::size_t(0) / 4];
    check(impossible == nullptr, "new[] of an impossible size");
    std::size_t before = heapInUse();
    for (int round = 0; round < 4000; ++round) { // 250 MiB in all, one 64 KiB block at a time
        char* block = new (std::nothrow) char[64 * 1024];
        if (block == nullptr) {
            check(false, "new of 64 KiB");
            return;
        }
        block[0] = block[64 * 1024 - 1] = 1;
        delete[] block;
    }
    check(heapInUse() - before < 4 * 1024 * 1024, "a freed block is used again");
}

int numberOf(const char* text)
{
    int number = 0;
    for (; *text >= '0' && *text <= '9'; ++text)
        number = number * 10 + (*text - '0');
    return number;
}

}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int)
{
    check(constructed == 6, "the static constructors ran");
    checkMemoryFunctions();
    checkHeap();
    return failures == 0 ? numberOf(arguments) : 1;
}
