// The free space, through the function that each Windows has.
#include "install/DiskSpace.h"

#include "app/SystemLibraries.h"

bool DiskSpace::freeBytes(const char* root, ULONGLONG& bytes)
{
    using FreeSpaceEx = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);
    auto freeSpaceEx = SystemLibraries::kernelFunction<FreeSpaceEx>("GetDiskFreeSpaceExA");
    if (freeSpaceEx != nullptr) {
        ULARGE_INTEGER available, total, totalFree;
        if (!freeSpaceEx(root, &available, &total, &totalFree))
            return false;
        bytes = totalFree.QuadPart;
        return true;
    }
    DWORD sectorsPerCluster, bytesPerSector, freeClusters, clusters;
    if (!GetDiskFreeSpaceA(root, &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters))
        return false;
    bytes = ULONGLONG(sectorsPerCluster) * bytesPerSector * freeClusters;
    return true;
}

bool DiskSpace::hasRoomFor(ULONGLONG freeBytes, DWORD required)
{
    return (freeBytes >> 32) != 0 || static_cast<DWORD>(freeBytes) >= required;
}
