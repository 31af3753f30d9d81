// What a player of this program does and sees: the menu's state and picture, the way
// into the uninstall, the discs asked for by the copy. Built on the generic window driver,
// which knows nothing of this program's journeys.
#pragma once
#include <windows.h>

#include "tests/support/Automation.h"
#include "tests/support/TestFiles.h"

class DiscSet;

namespace Player {
// The menu as the player sees it: the first button's label and whether Play is enabled.
void expectMenu(Automation& a, HWND menu, bool installed);
// The menu's picture: as drawn (241 x 320), or in its own proportions filling at least 90 %
// of its room on the tighter side; Smaller also wants that room, measured on the live
// dialog, smaller than the bitmap, and the picture with it. It covers none of the menu's
// other controls, keeps at least its left margin to the button column and, seen from the
// menu's own process, shows a bitmap of the control's size.
enum class PictureSize { AsDrawn, Smaller, FillingItsRoom };
void expectPictureClear(Automation& a, HWND menu, PictureSize expected);
// From the menu into the uninstall: its confirmation, then the saved-games question.
void startUninstall(Automation& a, HWND menu, int deleteSaves);
// Answers the copy's request for the disc as a player does: puts it in (into Q: unless
// another drive is named), then OK.
void insertWhenAsked(Automation& a, DiscSet& discs, int disc, const char* drive = TestFiles::CdromRoot);
// A standard installation from disc 1 to its end: disc 2 when asked, disc 1 back once
// disc 2 is done, then the success message.
void completeStandardCopy(Automation& a, DiscSet& discs);
} // namespace Player
