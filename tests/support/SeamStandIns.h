// Stand-ins for the program's seam: the faults of the copy and of a thread's start that no
// test can bring about for real, and a watch on every disc test and read of the copy.
// Each call swaps its entries into the seam; the fixture puts the real calls back.
#pragma once
#include <map>
#include <string>
#include <vector>

class CopyJob;

namespace SeamStandIns {
// The read after goodReads good ones fails with a CRC error, as on a scratched disc.
void failReadAfter(int goodReads);
// The same, and just before the failing read the copy dialog gets Cancel presses and the
// dialog manager's WM_USER, a few of each.
void failReadAfterWhileCancelling(int goodReads);
// The first `times` opens of the disc's file `name` for reading fail, as on a drive that is
// not ready yet.
void refuseSourceOpens(const char* name, int times);
// The first Windows 95: the seam's look-up finds none of the functions that came later
// (GetDiskFreeSpaceExA, comctl32's DllGetVersion, the DLL search's SetDefaultDllDirectories
// and SetDllDirectoryA); lateLookUps counts the asks for them.
void lookUpAsWindows95();
int lateLookUps();
// Windows 95, 98 and ME: the pictures' smooth drawing mode (HALFTONE) is refused; every
// mode that is taken is written down, in stretchModes.
void refuseHalftone();
std::vector<int>& stretchModes();
// The copy's file times are refused, as by a destination that keeps none.
void refuseFileTimes();
// No worker thread starts, as in a process out of threads or memory.
void refuseThreads();
// From now on every disc test and every read of the job's worker is written down with
// where both bars stand, as "DISK1 file 0/1 total 0" (position/range) or
// "read TORLE.EXE file 0/65537 total 65536 got 65536".
void watch(CopyJob& job);
std::vector<std::string>& watched();
// How often each disc test (a marker, or a disc's first file in a drive searched) was made since
// the last call, by its path ("Q:\\DISK1").
std::map<std::string, int> markerTests();
} // namespace SeamStandIns
