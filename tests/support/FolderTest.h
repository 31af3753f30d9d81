// A test with a folder of its own (made empty before and removed after) holding, on
// request, the game's folder and the discs; the default install folder C:\Velnora gone
// before and after; the stand-in game's log in the folder; and the record, the fault seam
// and the current directory as they were.
#pragma once
#include <map>
#include <memory>
#include <string>

#include "tests/support/DiscSet.h"
#include "tests/support/TestRegistry.h"

class FolderTest : public RegistryTest {
protected:
    explicit FolderTest(std::string root, bool withGameFolder = false)
        : root(std::move(root)), withGameFolder(withGameFolder) {}
    void SetUp() override;
    void TearDown() override;

    // The three discs under root\discs, none in the drive.
    void makeDiscs(const std::map<std::string, DWORD>& sizes = {});

    std::string root;
    bool withGameFolder;
    std::string gameFolder = root + "\\Velnora"; // made empty when asked for
    std::string logPath = root + "\\standin.log"; // where the stand-in game says how it started
    std::string savedDirectory;
    std::unique_ptr<DiscSet> discs;
};
