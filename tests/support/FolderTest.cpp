#include "FolderTest.h"

#include "TestFiles.h"
#include "app/SystemCallSeam.h"

void FolderTest::SetUp()
{
    RegistryTest::SetUp();
    savedDirectory = TestFiles::currentDirectory();
    SystemCallSeam::active() = SystemCallSeam();
    TestFiles::removeTree(root);
    TestFiles::makeFolders(root);
}

void FolderTest::TearDown()
{
    SetCurrentDirectoryA(savedDirectory.c_str());
    SystemCallSeam::active() = SystemCallSeam();
    discs.reset(); // puts the discs back into their folders
    TestFiles::removeTree(root);
    RegistryTest::TearDown();
}

void FolderTest::makeDiscs(const std::map<std::string, DWORD>& sizes)
{
    discs.reset(new DiscSet(root + "\\discs", sizes));
}
