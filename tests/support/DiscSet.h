// Three game discs for the tests: each disc's files wait in a folder on the hard disk
// D: and are moved into a drive (the CD-ROM drive Q: unless named) when the disc is
// "inserted".
#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "tests/support/TestFiles.h"

class DiscSet {
public:
    // Builds the discs under folder: markers and every listed file, with deterministic
    // contents and old file times. sizes overrides the size of chosen files.
    explicit DiscSet(const std::string& folder, const std::map<std::string, DWORD>& sizes = {});
    // Takes over the discs that tools/make-discs.sh laid out under folder, all out of the drive.
    struct LaidOut {};
    DiscSet(const std::string& folder, LaidOut);
    ~DiscSet();

    // Puts disc 1, 2 or 3 into the drive, taking it out of any other drive first, or
    // empties the drive with 0.
    void insert(int disc, const std::string& drive = TestFiles::CdromRoot);
    // Puts every disc's marker and files into Q: at once: a run without disc changes.
    void insertEvery();
    std::string discFolder(int disc) const;
    // Where a disc's file lies now (on the drive or in its folder).
    std::string sourceOf(const std::string& name) const;
    static const std::vector<std::string>& files(int disc);
    DWORD sizeOf(const std::string& name) const;

private:
    void takeOut(const std::string& drive);
    void emptyDrives();
    void moveAll(const std::string& from, const std::string& to);
    static const int Every = 4;

    std::string folder;
    std::map<std::string, DWORD> sizes;
    std::map<std::string, int> held; // by drive: the disc in it, Every, or 0
};
