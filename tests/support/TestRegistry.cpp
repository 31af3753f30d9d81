// The product's registry key as the tests see it.
#include "tests/support/TestRegistry.h"

#include <aclapi.h>

namespace TestRegistry {

const char Key[] = "software\\Quennet\\Velnora";

namespace {

HKEY create()
{
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, Key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    return key;
}

void setDacl(PACL acl)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, Key, 0, WRITE_DAC, &key) != ERROR_SUCCESS)
        return;
    SECURITY_DESCRIPTOR descriptor;
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE);
    RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor);
    RegCloseKey(key);
}

void deleteTree(const std::string& path)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
        char name[256];
        DWORD length = sizeof name;
        for (int guard = 0; guard < 64 && RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr,
                                                         nullptr, nullptr) == ERROR_SUCCESS;
             ++guard) {
            deleteTree(path + "\\" + name);
            length = sizeof name;
        }
        RegCloseKey(key);
    }
    RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
}

} // namespace

void clear()
{
    setDacl(nullptr); // a NULL DACL grants everything again
    deleteTree(Key);
}

bool keyExists()
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, Key, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void putDword(const char* name, DWORD value)
{
    putRaw(name, std::string(reinterpret_cast<const char*>(&value), 4), REG_DWORD);
}

void putRaw(const char* name, const std::string& bytes, DWORD type)
{
    HKEY key = create();
    RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                   static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
}

void putText(const char* name, const std::string& text)
{
    putRaw(name, std::string(text.c_str(), text.size() + 1));
}

bool read(const char* name, DWORD& type, std::string& bytes)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, Key, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    char buffer[4096];
    DWORD size = sizeof buffer;
    LONG result = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        return false;
    bytes.assign(buffer, size);
    return true;
}

void remove(const char* name)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, Key, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(key, name);
    RegCloseKey(key);
}

void denyWrites()
{
    RegCloseKey(create());
    char aclBuffer[256];
    auto* acl = reinterpret_cast<PACL>(aclBuffer);
    InitializeAcl(acl, sizeof aclBuffer, ACL_REVISION);
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
    AddAccessAllowedAce(acl, ACL_REVISION, KEY_READ, everyone);
    setDacl(acl);
    FreeSid(everyone);
}

void addSubkey()
{
    HKEY key = nullptr;
    std::string path = std::string(Key) + "\\Locked";
    RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    RegCloseKey(key);
}

} // namespace TestRegistry
