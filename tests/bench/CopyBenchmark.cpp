// Measures the copy against its baselines on one data set, in one Wine session:
// CopyFileA, a bare 64 KiB read/write loop, the progress messages alone and the real
// copy (dialog, worker and bars), and the real copy's peak memory at two data sizes.
// Usage: copy_bench SOURCE_ROOT HALF_SOURCE_ROOT WORK_FOLDER
//        copy_bench --real-copy SOURCE_ROOT DESTINATION REPORT  (one real copy; writes its
//        peak private bytes and working set in KiB to REPORT, for the memory runs)
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/InstallState.h"
#include "app/SystemLibraries.h"
#include "install/CopyDialog.h"
#include "res/resource.h"
#include "state/InstallManifest.h"

namespace {

const DWORD Chunk = 65536;
const int Rounds = 5;

std::vector<std::string> manifestFiles()
{
    std::vector<std::string> names;
    InstallManifest::forEachGameFile(InstallManifest::Maximum, [&](const char* name) {
        names.push_back(name);
        return true;
    });
    return names;
}

double seconds(LARGE_INTEGER start)
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

template <typename Run> double timed(Run run)
{
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    run();
    return seconds(start);
}

ULONGLONG totalBytes(const std::string& source)
{
    ULONGLONG total = 0;
    for (const std::string& name : manifestFiles()) {
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (GetFileAttributesExA((source + name).c_str(), GetFileExInfoStandard, &data))
            total += data.nFileSizeLow;
    }
    return total;
}

void copyWithCopyFile(const std::string& source, const std::string& destination)
{
    for (const std::string& name : manifestFiles())
        CopyFileA((source + name).c_str(), (destination + "\\" + name).c_str(), FALSE);
}

void copyWithBareLoop(const std::string& source, const std::string& destination)
{
    static BYTE buffer[Chunk];
    for (const std::string& name : manifestFiles()) {
        HANDLE in = CreateFileA((source + name).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        HANDLE out = CreateFileA((destination + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD got = 0, written = 0;
        while (ReadFile(in, buffer, Chunk, &got, nullptr) && got > 0)
            WriteFile(out, buffer, got, &written, nullptr);
        CloseHandle(in);
        CloseHandle(out);
    }
}

// The copy dialog's bars, fed from a second thread exactly as the worker feeds them
// (a range per file, two positions per chunk), with no file I/O at all.
class MessagesOnly : public DialogBase {
public:
    explicit MessagesOnly(const std::vector<DWORD>& sizes) : sizes(sizes) {}

    INT_PTR dialogProc(UINT message, WPARAM, LPARAM) override
    {
        if (message == WM_INITDIALOG) {
            CloseHandle(CreateThread(nullptr, 0, feed, this, 0, nullptr));
            return TRUE;
        }
        if (message == WM_USER + 1) {
            EndDialog(hwnd, 1);
            return TRUE;
        }
        return FALSE;
    }

private:
    static DWORD WINAPI feed(void* self)
    {
        auto* dialog = static_cast<MessagesOnly*>(self);
        HWND fileBar = GetDlgItem(dialog->hwnd, IDC_FILE_BAR);
        HWND totalBar = GetDlgItem(dialog->hwnd, IDC_TOTAL_BAR);
        SendMessageA(totalBar, PBM_SETRANGE32, 0, InstallManifest::progressTotal(1));
        DWORD total = 0;
        for (DWORD size : dialog->sizes) {
            SendMessageA(fileBar, PBM_SETRANGE32, 0, size);
            SendMessageA(fileBar, PBM_SETPOS, 0, 0);
            for (DWORD done = 0; done < size;) {
                DWORD step = std::min(Chunk, size - done);
                done += step;
                total += step;
                SendMessageA(fileBar, PBM_SETPOS, done, 0);
                SendMessageA(totalBar, PBM_SETPOS, total, 0);
            }
        }
        PostMessageA(dialog->hwnd, WM_USER + 1, 0, 0);
        return 0;
    }

    std::vector<DWORD> sizes;
};

INT_PTR realCopy(const std::string& source, const std::string& destination)
{
    InstallState state;
    CopyDialog dialog(&state);
    state.job().setSetupType(InstallManifest::Maximum);
    state.job().setInstallFolder(destination.c_str());
    state.job().setSourceRoot(source.c_str());
    return dialog.showModal(GetModuleHandleA(nullptr), "IDD_COPY_DLG", nullptr);
}

struct Memory {
    double peakPrivateMiB;
    double peakWorkingSetMiB;
};

Memory realCopyMemory(const std::string& source, const std::string& destination)
{
    CreateDirectoryA(destination.c_str(), nullptr);
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string report = destination + ".memory";
    std::string command =
        std::string("\"") + self + "\" --real-copy " + source + " " + destination + " " + report;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    Memory memory = {0, 0};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return memory;
    WaitForSingleObject(process.hProcess, INFINITE);
    unsigned long privateKiB = 0, workingSetKiB = 0;
    if (FILE* file = std::fopen(report.c_str(), "r")) {
        if (std::fscanf(file, "%lu %lu", &privateKiB, &workingSetKiB) != 2)
            privateKiB = workingSetKiB = 0;
        std::fclose(file);
    }
    memory.peakPrivateMiB = privateKiB / 1024.0;
    memory.peakWorkingSetMiB = workingSetKiB / 1024.0;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return memory;
}

} // namespace

int main(int argc, char** argv)
{
    SystemLibraries::initCommonControls(); // kept for the whole run
    if (argc == 5 && std::string(argv[1]) == "--real-copy") {
        INT_PTR result = realCopy(argv[2], argv[3]);
        PROCESS_MEMORY_COUNTERS counters = {};
        counters.cb = sizeof counters;
        GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
        FILE* report = std::fopen(argv[4], "w");
        if (report != nullptr) {
            std::fprintf(report, "%lu %lu\n", static_cast<unsigned long>(counters.PeakPagefileUsage / 1024),
                         static_cast<unsigned long>(counters.PeakWorkingSetSize / 1024));
            std::fclose(report);
        }
        return result == 1 ? 0 : 1;
    }
    if (argc != 4) {
        std::printf("usage: copy_bench SOURCE_ROOT HALF_SOURCE_ROOT WORK_FOLDER\n");
        return 2;
    }
    std::string source = argv[1], half = argv[2], work = argv[3];
    std::string target = work + "\\copy";
    CreateDirectoryA(work.c_str(), nullptr);
    CreateDirectoryA(target.c_str(), nullptr);

    std::vector<DWORD> sizes;
    for (const std::string& name : manifestFiles()) {
        WIN32_FILE_ATTRIBUTE_DATA data;
        GetFileAttributesExA((source + name).c_str(), GetFileExInfoStandard, &data);
        sizes.push_back(data.nFileSizeLow);
    }
    double mb = totalBytes(source) / 1e6;
    copyWithBareLoop(source, target); // warms the page cache

    // The rounds alternate between the ways of copying, so that whatever else the machine
    // does in the meantime (writing back earlier copies) weighs on each of them alike.
    double copyFile = 1e30, bare = 1e30, messages = 1e30, real = 1e30;
    bool copied = true;
    for (int round = 0; round < Rounds; ++round) {
        copyFile = std::min(copyFile, timed([&] { copyWithCopyFile(source, target); }));
        bare = std::min(bare, timed([&] { copyWithBareLoop(source, target); }));
        messages = std::min(messages, timed([&] {
            MessagesOnly dialog(sizes);
            dialog.showModal(GetModuleHandleA(nullptr), "IDD_COPY_DLG", nullptr);
        }));
        real = std::min(real, timed([&] { copied = realCopy(source, target) == 1 && copied; }));
    }
    Memory full = realCopyMemory(source, work + "\\full");
    Memory halfRun = realCopyMemory(half, work + "\\half");
    const double cdrom52x = 7.8; // MB/s, the fastest CD-ROM drives (52x)

    std::printf("data: %zu files, %.1f MB (%.1f MiB); best of %d rounds each\n", sizes.size(), mb,
                mb * 1e6 / 1048576.0, Rounds);
    std::printf("%-34s %8.3f s %9.1f MB/s\n", "CopyFileA", copyFile, mb / copyFile);
    std::printf("%-34s %8.3f s %9.1f MB/s\n", "bare 64 KiB read/write loop", bare, mb / bare);
    std::printf("%-34s %8.3f s\n", "progress messages alone", messages);
    std::printf("%-34s %8.3f s %9.1f MB/s%s\n", "real copy (dialog, worker, bars)", real, mb / real,
                copied ? "" : "  (A COPY FAILED)");
    std::printf("ratio real / (bare loop + messages): %.3f  (target <= 1.05)\n", real / (bare + messages));
    std::printf("ratio real / CopyFileA: %.2f\n", real / copyFile);
    std::printf("ratio messages / real: %.2f  (share of the copy spent on the progress bars)\n", messages / real);
    std::printf("ratio real throughput / 52x CD-ROM (%.1f MB/s): %.2f  (target >= 3)\n", cdrom52x,
                (mb / real) / cdrom52x);
    std::printf("peak private memory of a real copy: %.2f MiB for %.0f MB, %.2f MiB for %.0f MB; ratio %.3f\n",
                full.peakPrivateMiB, mb, halfRun.peakPrivateMiB, totalBytes(half) / 1e6,
                full.peakPrivateMiB / std::max(halfRun.peakPrivateMiB, 0.001));
    std::printf("peak working set of a real copy: %.2f MiB and %.2f MiB\n", full.peakWorkingSetMiB,
                halfRun.peakWorkingSetMiB);
    return copied ? 0 : 1;
}
