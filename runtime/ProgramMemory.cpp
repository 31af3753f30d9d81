// Linked only into the shipped setup.exe and the check built as it is; the tests keep their C runtime.
// setup.exe's own memory and string functions, the few of a C runtime that the program and
// the compiler call. Built without the compiler's loop-to-call rewriting, so that none of
// them turns into a call to itself.
#include <cstddef>

extern "C" {

void* memcpy(void* to, const void* from, std::size_t count)
{
    unsigned char* out = static_cast<unsigned char*>(to);
    const unsigned char* in = static_cast<const unsigned char*>(from);
    while (count-- != 0)
        *out++ = *in++;
    return to;
}

void* memmove(void* to, const void* from, std::size_t count)
{
    unsigned char* out = static_cast<unsigned char*>(to);
    const unsigned char* in = static_cast<const unsigned char*>(from);
    if (out <= in || out >= in + count)
        return memcpy(to, from, count);
    while (count-- != 0) // the source's tail overlaps the target's head: copy from the end
        out[count] = in[count];
    return to;
}

void* memset(void* to, int value, std::size_t count)
{
    unsigned char* out = static_cast<unsigned char*>(to);
    while (count-- != 0)
        *out++ = static_cast<unsigned char>(value);
    return to;
}

int memcmp(const void* left, const void* right, std::size_t count)
{
    const unsigned char* a = static_cast<const unsigned char*>(left);
    const unsigned char* b = static_cast<const unsigned char*>(right);
    for (; count != 0; --count, ++a, ++b) {
        if (*a != *b)
            return *a < *b ? -1 : 1;
    }
    return 0;
}

void* memchr(const void* block, int value, std::size_t count)
{
    const unsigned char* at = static_cast<const unsigned char*>(block);
    for (; count != 0; --count, ++at) {
        if (*at == static_cast<unsigned char>(value))
            return const_cast<unsigned char*>(at);
    }
    return nullptr;
}

std::size_t strlen(const char* text)
{
    const char* end = text;
    while (*end != '\0')
        ++end;
    return static_cast<std::size_t>(end - text);
}

char* strchr(const char* text, int value)
{
    for (;; ++text) {
        if (*text == static_cast<char>(value))
            return const_cast<char*>(text);
        if (*text == '\0')
            return nullptr;
    }
}

int strcmp(const char* left, const char* right)
{
    const unsigned char* a = reinterpret_cast<const unsigned char*>(left);
    const unsigned char* b = reinterpret_cast<const unsigned char*>(right);
    while (*a != '\0' && *a == *b)
        ++a, ++b;
    return *a < *b ? -1 : (*a > *b ? 1 : 0);
}

}
