// A test at a DPI of its own. Wine reads the DPI (HKCU\Control Panel\Desktop, LogPixels) as
// each process starts, so a test at another DPI runs again in a process of its own.
#pragma once

namespace DpiProcess {
// The DPI that this process runs at.
int current();
// True when this process runs at dpi: the test goes on here. Otherwise sets that DPI, runs
// this very test in a new process of the same program (its output joins this one's), puts
// the DPI back, expects that run to pass, and returns false.
bool runsAt(int dpi);
} // namespace DpiProcess
