// A test at a DPI of its own. Wine reads the DPI (HKCU\Control Panel\Desktop, LogPixels) and
// the font replacements as each process starts, so a test at another DPI, or without the
// dialog font mapped, runs again in a process of its own.
#pragma once
#include <string>

namespace DpiProcess {
// The DPI that this process runs at.
int current();
// True when this process runs at dpi, with the dialog font mapped as the prefix maps it or,
// for dialogFontMapped false, unmapped: the test goes on here. Otherwise sets that DPI and
// mapping, runs this very test in a new process of the same program (its output joins this
// one's), puts both back, expects that run to pass, and returns false.
bool runsAt(int dpi, bool dialogFontMapped = true);
// The font that the dialog font is mapped to, empty when it is not; for the processes that
// start from now on, mapDialogFont maps it to another font, or unmaps it with "".
std::string dialogFontMapping();
void mapDialogFont(const std::string& font);
} // namespace DpiProcess
