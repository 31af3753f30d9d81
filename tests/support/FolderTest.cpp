// The fixture with a folder of its own: what it lays out and what it puts back.
#include "tests/support/FolderTest.h"

#include "app/SystemCallSeam.h"
#include "tests/support/TestFiles.h"

namespace {
const char DefaultFolder[] = "C:\\Velnora";
} // namespace

void FolderTest::SetUp()
{
    RegistryTest::SetUp();
    savedDirectory = TestFiles::currentDirectory();
    SystemCallSeam::active() = SystemCallSeam();
    TestFiles::removeTree(root);
    TestFiles::removeTree(DefaultFolder);
    TestFiles::makeFolders(withGameFolder ? gameFolder : root);
    SetEnvironmentVariableA("VELNORA_STANDIN_LOG", logPath.c_str());
}

void FolderTest::TearDown()
{
    SetCurrentDirectoryA(savedDirectory.c_str());
    SystemCallSeam::active() = SystemCallSeam();
    SetEnvironmentVariableA("VELNORA_STANDIN_LOG", nullptr);
    discs.reset(); // puts the discs back into their folders
    TestFiles::removeTree(root);
    TestFiles::removeTree(DefaultFolder);
    RegistryTest::TearDown();
}

void FolderTest::makeDiscs(const std::map<std::string, DWORD>& sizes)
{
    discs.reset(new DiscSet(root + "\\discs", sizes));
}
