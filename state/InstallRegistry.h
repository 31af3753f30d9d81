// InstallRegistry: the per-user record of the installation, HKCU\software\Quennet\Velnora.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>

// One row of the table that says how a path value is composed.
struct RegistryPathEntry {
    std::int32_t base; // 1: the install folder, 0: the source root
    const char* valueName;
    const char* relativePath;
};

class InstallRegistry {
public:
    static const char KeyPath[];

    bool isInstalled() const;
    bool readSetupType(std::int32_t& setupType) const;
    bool readInstallFolder(char* path, std::size_t size) const;
    bool readGamePath(char* path, std::size_t size) const;
    bool writeInstallRecord(std::int32_t setupType, const char* installFolder,
                            const char* sourceRoot) const;
    bool deleteInstallRecord() const;

    // The rows of the setup type's table, ended by the row named "NULL".
    static const RegistryPathEntry* pathTable(std::int32_t setupType);
    // Composes one path value into a 260-byte buffer; byteCount includes the
    // terminating zero. False when the text would not fit.
    static bool composePathValue(const RegistryPathEntry& entry, const char* installFolder,
                                 const char* sourceRoot, char* text, DWORD& byteCount);

private:
    static bool readPathValue(const char* valueName, char* path, std::size_t size);
    static bool queryValue(const char* valueName, BYTE* data, DWORD size);
    static bool writeValue(const char* valueName, DWORD type, const BYTE* data, DWORD size);
};
