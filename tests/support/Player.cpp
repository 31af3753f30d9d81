// What a player of this program does and sees, on top of the generic window driver.
#include "tests/support/Player.h"

#include <algorithm>
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


void expectPictureClear(Automation& a, HWND menu, PictureSize expected)
{
    MenuControls controls;
    EnumChildWindows(menu, sortControl, reinterpret_cast<LPARAM>(&controls));
    if (controls.picture == nullptr) {
        a.fail("the menu shows no picture");
        return;
    }
    RECT picture, client, column;
    GetWindowRect(controls.picture, &picture);
    GetClientRect(menu, &client);
    GetWindowRect(GetDlgItem(menu, IDC_DIRECTX), &column);
    POINT origin = {0, 0};
    ClientToScreen(menu, &origin);
    LONG width = picture.right - picture.left, height = picture.bottom - picture.top;
    LONG left = picture.left - origin.x, top = picture.top - origin.y;
    double roomWidth = column.left - picture.left - left, roomHeight = origin.y + client.bottom - picture.top - top;
    std::string size = std::to_string(width) + " x " + std::to_string(height);
    std::string room = std::to_string(static_cast<int>(roomWidth)) + " x " + std::to_string(static_cast<int>(roomHeight));
    bool proportional = std::abs(height * 241 - width * 320) <= 320; // within a pixel
    bool filling = proportional && std::max(width / roomWidth, height / roomHeight) >= 0.9;
    if (expected == PictureSize::AsDrawn)
        a.check(width == 241 && height == 320, "the picture is " + size + ", not 241 x 320");
    else if (expected == PictureSize::Smaller)
        a.check(roomWidth < 241 || roomHeight < 320, "the room of " + room + " holds the whole bitmap: the "
                                                     "dialog font's units do not make it smaller");
    if (expected != PictureSize::AsDrawn)
        a.check(filling && (expected != PictureSize::Smaller || width < 241),
                "the picture is " + size + ", not " + (expected == PictureSize::Smaller ? "smaller " : "") +
                    "in the proportions of 241 x 320 filling its room of " + room);
    a.check(column.left - picture.right >= left, "the picture is nearer the buttons than its left margin");
    for (HWND other : controls.others) {
        RECT control, common;
        GetWindowRect(other, &control);
        a.check(!IntersectRect(&common, &picture, &control),
                "the picture covers \"" + Automation::textOf(other) + "\"");
    }
    DWORD process = 0;
    GetWindowThreadProcessId(menu, &process);
    if (process != GetCurrentProcessId()) // a bitmap handle means nothing in another process
        return;
    BITMAP shown = {};
    GetObjectA(reinterpret_cast<HBITMAP>(SendMessageA(controls.picture, STM_GETIMAGE, IMAGE_BITMAP, 0)),
               sizeof shown, &shown);
    a.check(shown.bmWidth == width && shown.bmHeight == height,
            "the control shows a bitmap of " + std::to_string(shown.bmWidth) + " x " +
                std::to_string(shown.bmHeight) + ", not of its own size " + size);
}

void startUninstall(Automation& a, HWND menu, int deleteSaves)
{
    a.click(menu, IDC_INSTALL);
    a.answer(Expected::ConfirmUninstall, IDYES);
    a.answer(Expected::DeleteSaves, deleteSaves);
}

void insertWhenAsked(Automation& a, DiscSet& discs, int disc, const char* drive)
{
    if (a.waitForMessageBox(Expected::discPrompt(disc).caption.c_str()) == nullptr)
        return;
    discs.insert(disc, drive);
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
