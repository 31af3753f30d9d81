// Three game discs for the tests, inserted into the simulated drives by moving files.
#include "tests/support/DiscSet.h"

namespace {

const std::vector<std::string> DiscFiles[3] = {
    {"VELN.CNT", "VELN.HLP", "TORLE.EXE", "SCR.ARC", "CG_.ARC", "MID.ARC", "WAV.ARC", "VO1.ARC",
     "TBLSTR.ARC"},
    {"SP_.ARC", "BG_.ARC", "VO3.ARC"},
    {"VO2.ARC"},
};

std::string contentFor(const std::string& name, DWORD size)
{
    std::string bytes(size, '\0');
    unsigned seed = 2166136261u;
    for (char c : name)
        seed = (seed ^ static_cast<unsigned char>(c)) * 16777619u;
    for (DWORD i = 0; i < size; ++i) {
        seed = seed * 1103515245u + 12345u;
        bytes[i] = static_cast<char>(seed >> 16);
    }
    return bytes;
}

void setOldTimes(const std::string& path)
{
    SYSTEMTIME written = {2001, 3, 0, 4, 5, 6, 7, 0};
    SYSTEMTIME accessed = {2002, 5, 0, 6, 7, 8, 9, 0};
    FILETIME writeTime, accessTime;
    SystemTimeToFileTime(&written, &writeTime);
    SystemTimeToFileTime(&accessed, &accessTime);
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    SetFileTime(file, nullptr, &accessTime, &writeTime);
    CloseHandle(file);
}

} // namespace

DiscSet::DiscSet(const std::string& folder, const std::map<std::string, DWORD>& sizes)
    : folder(folder), sizes(sizes)
{
    emptyDrives();
    for (int disc = 1; disc <= 3; ++disc) {
        std::string root = discFolder(disc);
        TestFiles::removeTree(root);
        TestFiles::makeFolders(root);
        TestFiles::write(root + "\\DISK" + std::to_string(disc), "");
        for (const std::string& name : files(disc)) {
            std::string path = root + "\\" + name;
            TestFiles::write(path, contentFor(name, sizeOf(name)));
            setOldTimes(path);
        }
    }
}

DiscSet::DiscSet(const std::string& folder, LaidOut) : folder(folder)
{
    emptyDrives();
}

DiscSet::~DiscSet()
{
    emptyDrives();
}

// Both CD-ROM drives, whatever an earlier run left there, and every drive that got a disc.
void DiscSet::emptyDrives()
{
    held.emplace(TestFiles::CdromRoot, 0);
    held.emplace(TestFiles::SecondCdromRoot, 0);
    for (const auto& drive : held)
        takeOut(drive.first);
}

const std::vector<std::string>& DiscSet::files(int disc)
{
    return DiscFiles[disc - 1];
}

DWORD DiscSet::sizeOf(const std::string& name) const
{
    auto chosen = sizes.find(name);
    if (chosen != sizes.end())
        return chosen->second;
    if (name == "VELN.CNT")
        return 0;       // an empty file
    if (name == "VELN.HLP")
        return 65536;   // exactly one chunk
    if (name == "TORLE.EXE")
        return 65537;   // one chunk and one byte
    return 3000 + static_cast<DWORD>(name.size()) * 7;
}

std::string DiscSet::discFolder(int disc) const
{
    return folder + "\\disc" + std::to_string(disc);
}

std::string DiscSet::sourceOf(const std::string& name) const
{
    for (int disc = 1; disc <= 3; ++disc)
        for (const std::string& file : files(disc)) {
            if (file != name)
                continue;
            for (const auto& drive : held)
                if (drive.second == disc || drive.second == Every)
                    return drive.first + name;
            return discFolder(disc) + "\\" + name;
        }
    return std::string();
}

void DiscSet::insert(int disc, const std::string& drive)
{
    takeOut(drive);
    for (const auto& other : held)
        if (disc != 0 && other.second == disc)
            takeOut(other.first);
    if (disc != 0) {
        moveAll(discFolder(disc), drive);
        held[drive] = disc;
    }
}

void DiscSet::insertEvery()
{
    takeOut(TestFiles::CdromRoot);
    for (int disc = 1; disc <= 3; ++disc)
        moveAll(discFolder(disc), TestFiles::CdromRoot);
    held[TestFiles::CdromRoot] = Every;
}

// Whatever else lies in the drive goes too.
void DiscSet::takeOut(const std::string& drive)
{
    int disc = held[drive];
    if (disc == Every) {
        for (int each = 1; each <= 3; ++each) {
            std::vector<std::string> names = files(each);
            names.push_back("DISK" + std::to_string(each));
            for (const std::string& name : names)
                MoveFileA((drive + name).c_str(), (discFolder(each) + "\\" + name).c_str());
        }
    } else if (disc != 0) {
        moveAll(drive, discFolder(disc));
    }
    TestFiles::emptyFolder(drive);
    held[drive] = 0;
}

void DiscSet::moveAll(const std::string& from, const std::string& to)
{
    std::string source = from.back() == '\\' ? from : from + "\\";
    std::string target = to.back() == '\\' ? to : to + "\\";
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((source + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        std::string name = found.cFileName;
        if (name != "." && name != "..")
            MoveFileA((source + name).c_str(), (target + name).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
}
