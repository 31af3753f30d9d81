// A test at a DPI of its own. Wine reads the DPI (HKCU\Control Panel\Desktop, LogPixels) and
// the font replacements as each process starts, so a test at another DPI, or with the
// dialog font mapped to another face, runs again in a process of its own.
#pragma once
#include <string>

namespace DpiProcess {
// A face that the install step installs (fonts-horai-umefont) whose dialog base units at
// 9 points are 6 x 12, narrower than the real dialog font's 7 x 12: the dialogs laid out as
// in a prefix where the dialog font has no replacement. The world check verifies its units.
constexpr char NarrowDialogFont[] = "Ume Gothic";

// The DPI that this process runs at.
int current();
// True when this process runs at dpi, with the dialog font mapped as the prefix maps it or,
// where dialogFont is named, to that face: the test goes on here. Otherwise sets that DPI
// and mapping, runs this very test in a new process of the same program (its output joins
// this one's), puts both back, expects that run to pass, and returns false.
bool runsAt(int dpi, const std::string& dialogFont = "");
// The face that the dialog font is mapped to, empty when it is not; for the processes that
// start from now on, mapDialogFont maps it to another face ("" unmaps it).
std::string dialogFontMapping();
void mapDialogFont(const std::string& font);
} // namespace DpiProcess
