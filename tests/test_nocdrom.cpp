// A machine without a CD-ROM drive (a Wine prefix of its own, in which Q: is a hard disk).
#include <gtest/gtest.h>

#include "app/InstallState.h"
#include "install/InstallDialog.h"
#include "res/resource.h"
#include "support/Automation.h"

TEST(WithoutACdromDrive, StartingFromAHardDiskSaysSoAndNothingElse)
{
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        char root[] = {letter, ':', '\\', '\0'};
        ASSERT_NE(GetDriveTypeA(root), static_cast<UINT>(DRIVE_CDROM)) << root;
    }
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\"));
    InstallState state;
    InstallDialog dialog(&state);
    Automation user([](Automation& a) {
        HWND window = a.waitForDialog("インストール", IDC_DESTINATION);
        a.click(window, IDOK);
        a.answerMessageBox("インストールエラー", "ＣＤ－ＲＯＭドライブを見つけることができませんでした。",
                           IDI_ERROR, IDOK);
        Sleep(300);
        a.check(a.visibleDialogs().size() == 1, "something followed the message");
        a.click(window, IDCANCEL);
    });
    EXPECT_EQ(dialog.showModal(GetModuleHandleA(nullptr), "IDD_INST_DLG", nullptr), 2);
    EXPECT_EQ(user.finish(), std::vector<std::string>{});
}
