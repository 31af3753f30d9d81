// Linked only into the shipped setup.exe and the check built as it is; the tests keep their C runtime.
// setup.exe's own operator new and delete, over the process heap: null when memory runs
// out, never an exception, so that the C++ runtime's throwing allocator and unwinder stay
// out of the program (and with them functions that Windows 98 and ME only stub).
#include <windows.h>

#include <cstddef>
#include <new>

void* operator new(std::size_t size)
{
    return HeapAlloc(GetProcessHeap(), 0, size != 0 ? size : 1);
}

void* operator new[](std::size_t size)
{
    return operator new(size);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return operator new(size);
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return operator new(size);
}

void operator delete(void* block) noexcept
{
    if (block != nullptr)
        HeapFree(GetProcessHeap(), 0, block);
}

void operator delete[](void* block) noexcept
{
    operator delete(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    operator delete(block);
}

void operator delete[](void* block, std::size_t) noexcept
{
    operator delete(block);
}

// The tag of new (std::nothrow), which the C++ runtime would otherwise define.
const std::nothrow_t std::nothrow{};
