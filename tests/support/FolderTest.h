// A test with a folder of its own (made empty before and removed after), the game's discs
// laid out in it on request, and the record, the fault seam and the current directory
// as they were before it.
#pragma once
#include <map>
#include <memory>
#include <string>

#include "DiscSet.h"
#include "TestRegistry.h"

class FolderTest : public RegistryTest {
protected:
    explicit FolderTest(std::string root) : root(std::move(root)) {}
    void SetUp() override;
    void TearDown() override;

    // The three discs under root\discs, none in the drive.
    void makeDiscs(const std::map<std::string, DWORD>& sizes = {});

    std::string root;
    std::string savedDirectory;
    std::unique_ptr<DiscSet> discs;
};
