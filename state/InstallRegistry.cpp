// The record's path table, and its reads and writes through the registry functions.
#include "state/InstallRegistry.h"

#include <cstring>

#include "state/PathText.h"

const char InstallRegistry::KeyPath[] = "software\\Quennet\\Velnora";

namespace {

const RegistryPathEntry StandardPaths[] = {
    {1, "Current", "\\"},
    {0, "CDDrive", "\\"},
    {1, "EXEC", "\\TORLE.EXE"},
    {1, "NULL", "NULL"},
};

const RegistryPathEntry MaximumPaths[] = {
    {1, "Current", "\\"},
    {0, "CDDrive", "\\"},
    {1, "EXEC", "\\TORLE.EXE"},
    {1, "NULL", "NULL"},
};

bool isEnd(const RegistryPathEntry& entry)
{
    return std::strcmp(entry.valueName, "NULL") == 0;
}

} // namespace

bool InstallRegistry::isInstalled() const
{
    return queryValue("SetupType", nullptr, 4);
}

bool InstallRegistry::readSetupType(std::int32_t& setupType) const
{
    return queryValue("SetupType", reinterpret_cast<BYTE*>(&setupType), 4);
}

bool InstallRegistry::readInstallFolder(char* path, std::size_t size) const
{
    return readPathValue("Current", path, size);
}

bool InstallRegistry::readGamePath(char* path, std::size_t size) const
{
    return readPathValue("EXEC", path, size);
}

bool InstallRegistry::writeInstallRecord(std::int32_t setupType, const char* installFolder,
                                         const char* sourceRoot) const
{
    for (const RegistryPathEntry* entry = pathTable(setupType); !isEnd(*entry); ++entry) {
        char text[PathText::Size];
        DWORD byteCount;
        if (!composePathValue(*entry, installFolder, sourceRoot, text, byteCount))
            return false;
        if (!writeValue(entry->valueName, REG_SZ, reinterpret_cast<const BYTE*>(text), byteCount))
            return false;
    }
    // SetupType alone says "installed", so it comes last: a record that fails on the
    // way never claims an installation.
    return writeValue("SetupType", REG_DWORD, reinterpret_cast<const BYTE*>(&setupType), 4);
}

bool InstallRegistry::deleteInstallRecord() const
{
    return RegDeleteKeyA(HKEY_CURRENT_USER, KeyPath) == ERROR_SUCCESS;
}

const RegistryPathEntry* InstallRegistry::pathTable(std::int32_t setupType)
{
    return setupType == 0 ? StandardPaths : MaximumPaths;
}

bool InstallRegistry::composePathValue(const RegistryPathEntry& entry, const char* installFolder,
                                       const char* sourceRoot, char* text, DWORD& byteCount)
{
    const char* base = entry.base == 1 ? installFolder : sourceRoot;
    if (!PathText::concat(text, PathText::Size, base, entry.relativePath))
        return false;
    // A base that already ends in a backslash (a drive root) keeps a single one.
    if (PathText::endsWithDoubledBackslash(text))
        text[std::strlen(text) - 1] = '\0';
    byteCount = static_cast<DWORD>(std::strlen(text) + 1);
    return true;
}

// The buffer is zeroed first, so a value stored without its terminating zero still
// reads as text; one that fills all 260 bytes without a zero is not text at all.
bool InstallRegistry::readPathValue(const char* valueName, char* path, std::size_t size)
{
    char buffer[PathText::Size] = {};
    if (!queryValue(valueName, reinterpret_cast<BYTE*>(buffer), sizeof buffer) ||
        std::memchr(buffer, '\0', sizeof buffer) == nullptr)
        return false;
    return PathText::copy(path, size, buffer);
}

// A null data asks only whether the value is there and fits in size bytes.
bool InstallRegistry::queryValue(const char* valueName, BYTE* data, DWORD size)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, KeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    LONG result = RegQueryValueExA(key, valueName, nullptr, nullptr, data, &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

bool InstallRegistry::writeValue(const char* valueName, DWORD type, const BYTE* data, DWORD size)
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, KeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    LONG result = RegSetValueExA(key, valueName, 0, type, data, size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}
