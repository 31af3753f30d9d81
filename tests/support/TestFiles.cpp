// Files, folders and simulated drives for the tests.
#include "tests/support/TestFiles.h"

namespace TestFiles {

std::string exeFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

bool write(const std::string& path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

std::string read(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

bool exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

DWORD sizeOf(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return 0;
    return data.nFileSizeLow;
}

bool isDirectory(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool makeFolders(const std::string& path)
{
    // Steps by Shift-JIS characters: a trail byte may be 0x5C, the backslash's code.
    for (std::size_t at = 3; at <= path.size(); ++at) {
        if (at < path.size() && IsDBCSLeadByteEx(932, static_cast<BYTE>(path[at]))) {
            ++at;
            continue;
        }
        if (at == path.size() || path[at] == '\\')
            CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    }
    return isDirectory(path);
}

void removeTree(const std::string& path)
{
    emptyFolder(path);
    RemoveDirectoryA(path.c_str());
}

void emptyFolder(const std::string& path)
{
    WIN32_FIND_DATAA found;
    std::string folder = path.back() == '\\' ? path.substr(0, path.size() - 1) : path;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string child = folder + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(child);
            } else {
                SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(child.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
}

bool waitForFile(const std::string& path, DWORD timeout)
{
    DWORD start = GetTickCount();
    while (GetTickCount() - start < timeout) {
        if (!read(path).empty())
            return true;
        Sleep(20);
    }
    return false;
}

bool removeOnceClosed(const std::string& path, DWORD timeout)
{
    for (DWORD start = GetTickCount(); GetTickCount() - start < timeout; Sleep(20))
        if (DeleteFileA(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND)
            return true;
    return false;
}

std::string currentDirectory()
{
    char path[MAX_PATH * 2] = {};
    GetCurrentDirectoryA(sizeof path, path);
    return path;
}

} // namespace TestFiles
