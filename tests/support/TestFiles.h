// Files, folders and simulated drives for the tests. The Wine prefix maps the
// drive letters below to folders of the build tree (tools/prepare-wine.sh).
#pragma once
#include <windows.h>

#include <string>

namespace TestFiles {
// The CD-ROM drive, a second CD-ROM drive, a removable drive, a network drive and a hard disk.
constexpr const char *CdromRoot = "Q:\\", *SecondCdromRoot = "O:\\", *RemovableRoot = "R:\\",
                     *NetworkRoot = "N:\\", *HardDiskRoot = "D:\\";

std::string exeFolder(); // the folder of the running test program, with a backslash
bool write(const std::string& path, const std::string& bytes);
std::string read(const std::string& path);
bool exists(const std::string& path);
// The size without opening the file (reading it would change its access time).
DWORD sizeOf(const std::string& path);
bool isDirectory(const std::string& path);
// Creates the folder and every missing folder above it.
bool makeFolders(const std::string& path);
// Removes a folder with everything in it, read-only files included.
void removeTree(const std::string& path);
// Removes everything in a folder but the folder itself.
void emptyFolder(const std::string& path);
// Waits until the file exists and is not empty, or the time is up.
bool waitForFile(const std::string& path, DWORD timeout = 15000);
// Deletes the file once no program holds it open any more (a program that was started
// from it, or that is still writing it); true when it is gone.
bool removeOnceClosed(const std::string& path, DWORD timeout = 15000);
std::string currentDirectory();
} // namespace TestFiles
