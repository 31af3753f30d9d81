// What a player of this program does and sees, on top of the generic window driver.
#include "tests/support/Player.h"

#include <cstdlib>

#include "res/resource.h"
#include "tests/support/DiscSet.h"

namespace {
struct MenuControls {
    HWND picture = nullptr;
    std::vector<HWND> others;
};

BOOL CALLBACK sortControl(HWND control, LPARAM controls)
{
    auto* sorted = reinterpret_cast<MenuControls*>(controls);
    if ((GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP && sorted->picture == nullptr)
        sorted->picture = control;
    else
        sorted->others.push_back(control);
    return TRUE;
}
} // namespace

namespace Player {

void expectMenu(Automation& a, HWND menu, bool installed)
{
    a.expectText(menu, IDC_INSTALL, installed ? Expected::UninstallLabel : Expected::InstallLabel);
    a.check((IsWindowEnabled(GetDlgItem(menu, IDC_PLAY)) != FALSE) == installed,
            installed ? "Play is disabled" : "Play is enabled");
}


void expectPictureClear(Automation& a, HWND menu, bool whole)
{
    MenuControls controls;
    EnumChildWindows(menu, sortControl, reinterpret_cast<LPARAM>(&controls));
    if (controls.picture == nullptr) {
        a.fail("the menu shows no picture");
        return;
    }
    RECT picture;
    GetWindowRect(controls.picture, &picture);
    LONG width = picture.right - picture.left, height = picture.bottom - picture.top;
    std::string size = std::to_string(width) + " x " + std::to_string(height);
    if (whole)
        a.check(width == 241 && height == 320, "the picture is " + size + ", not 241 x 320");
    else
        a.check(width < 241 && std::abs(height * 241 - width * 320) <= 320, // within a pixel
                "the picture is " + size + ", not smaller in the proportions of 241 x 320");
    for (HWND other : controls.others) {
        RECT control, common;
        GetWindowRect(other, &control);
        a.check(!IntersectRect(&common, &picture, &control),
                "the picture covers \"" + Automation::textOf(other) + "\"");
    }
}

void startUninstall(Automation& a, HWND menu, int deleteSaves)
{
    a.click(menu, IDC_INSTALL);
    a.answer(Expected::ConfirmUninstall, IDYES);
    a.answer(Expected::DeleteSaves, deleteSaves);
}

void insertWhenAsked(Automation& a, DiscSet& discs, int disc)
{
    if (a.waitForMessageBox(Expected::discPrompt(disc).caption.c_str()) == nullptr)
        return;
    discs.insert(disc);
    a.answer(Expected::discPrompt(disc));
}

void completeStandardCopy(Automation& a, DiscSet& discs)
{
    insertWhenAsked(a, discs, 2);
    a.waitFor(Expected::Disc1Back); // disc 2 is copied: now it may come out
    discs.insert(1);
    a.answer(Expected::Disc1Back);
    a.answer(Expected::Installed);
}

} // namespace Player
