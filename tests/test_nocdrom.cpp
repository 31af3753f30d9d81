// A machine without a CD-ROM drive (a Wine prefix of its own, in which Q: is a hard disk).
#include <gtest/gtest.h>

#include "app/InstallState.h"
#include "install/InstallDialog.h"
#include "res/resource.h"
#include "tests/support/Automation.h"

TEST(WithoutACdromDrive, StartingFromAHardDiskSaysSoAndNothingElse)
{
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        char root[] = {letter, ':', '\\', '\0'};
        ASSERT_NE(GetDriveTypeA(root), static_cast<UINT>(DRIVE_CDROM)) << root;
    }
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\"));
    InstallState state;
    InstallDialog dialog(&state);
    std::vector<std::string> failures;
    EXPECT_EQ(Automation::runModal(dialog, "IDD_INST_DLG", [](Automation& a) {
        HWND window = a.waitForDialog(Expected::InstallDialog.c_str(), IDC_DESTINATION);
        a.click(window, IDOK);
        a.answer(Expected::NoCdromDrive);
        a.expectQuiet(300, "something followed the message");
        a.click(window, IDCANCEL);
    }, failures), DialogBase::Cancelled);
    EXPECT_EQ(failures, std::vector<std::string>{});
}
