// The copy dialog and its worker: real discs in the simulated CD-ROM drive Q:, real
// files on the hard disk D:, the real registry; the dialog is driven as a user would.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <map>

#include "app/InstallState.h"
#include "install/CopyDialog.h"
#include "res/resource.h"
#include "tests/support/Automation.h"
#include "tests/support/FolderTest.h"
#include "tests/support/Player.h"
#include "tests/support/SeamStandIns.h"
#include "tests/support/TestFiles.h"

namespace {

using Failures = std::vector<std::string>;
using Sizes = std::map<std::string, DWORD>;

std::vector<std::string> filesOf(std::initializer_list<int> discs)
{
    std::vector<std::string> names;
    for (int disc : discs)
        for (const std::string& name : DiscSet::files(disc))
            names.push_back(name);
    return names;
}

FILETIME timeOf(const std::string& path, bool lastWrite)
{
    FILETIME created = {}, accessed = {}, written = {};
    HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    GetFileTime(file, &created, &accessed, &written);
    CloseHandle(file);
    return lastWrite ? written : accessed;
}

bool sameTime(const FILETIME& a, const FILETIME& b)
{
    return CompareFileTime(&a, &b) == 0;
}

class Copy : public FolderTest {
protected:
    Copy() : FolderTest("D:\\copytest", true) {}

    INT_PTR runCopy(std::int32_t type, Automation::Script script, Failures& failures,
                    const std::string& folder = "")
    {
        CopyJob& job = state.job();
        job.setSetupType(type);
        job.setInstallFolder((folder.empty() ? install : folder).c_str());
        job.setSourceRoot(TestFiles::CdromRoot);
        return Automation::runModal(dialog, "IDD_COPY_DLG", std::move(script), failures);
    }

    // Runs a copy that must end with the copy failure message, cancelled.
    void expectFailedCopy(const std::string& folder = "")
    {
        Failures failures;
        INT_PTR result = runCopy(0, [](Automation& a) { a.answer(Expected::CopyFailed); }, failures, folder);
        EXPECT_EQ(result, DialogBase::Cancelled);
        EXPECT_EQ(failures, Failures{});
    }

    // Runs a standard copy whose disc 2 request is cancelled: the copy fails.
    void expectDiscTwoRefused()
    {
        Failures failures;
        EXPECT_EQ(runCopy(0, [](Automation& a) {
            a.answer(Expected::discPrompt(2), IDCANCEL);
            a.answer(Expected::CopyFailed);
        }, failures), DialogBase::Cancelled);
        EXPECT_EQ(failures, Failures{});
    }

    std::vector<std::string> installedFiles(const std::string& folder = "")
    {
        std::vector<std::string> present;
        for (const std::string& name : filesOf({1, 2, 3}))
            if (TestFiles::exists((folder.empty() ? install : folder) + "\\" + name))
                present.push_back(name);
        return present;
    }

    void expectFaithfulCopies(const std::vector<std::string>& names)
    {
        for (const std::string& name : names) {
            SCOPED_TRACE(name);
            std::string source = discs->sourceOf(name), copy = install + "\\" + name;
            EXPECT_TRUE(sameTime(timeOf(source, true), timeOf(copy, true)));
            EXPECT_TRUE(sameTime(timeOf(source, false), timeOf(copy, false)));
            EXPECT_EQ(TestFiles::read(copy), TestFiles::read(source));
            EXPECT_EQ(TestFiles::read(copy).size(), discs->sizeOf(name));
        }
    }

    // The first steps of a watched copy: VELN.CNT is empty, VELN.HLP one chunk, TORLE.EXE one
    // chunk and one byte.
    void expectFirstSteps(const std::vector<std::string>& steps)
    {
        const std::vector<std::string>& watched = SeamStandIns::watched();
        ASSERT_GE(watched.size(), steps.size());
        EXPECT_EQ(std::vector<std::string>(watched.begin(), watched.begin() + steps.size()), steps);
    }

    DWORD bytesOf(const std::vector<std::string>& names)
    {
        DWORD total = 0;
        for (const std::string& name : names)
            total += discs->sizeOf(name);
        return total;
    }

    std::string& install = gameFolder;
    InstallState state;
    CopyDialog dialog{&state};
};

} // namespace

TEST_F(Copy, StandardTypeCopiesDiscsOneAndTwoAndRecordsTheInstallation)
{
    makeDiscs();
    TestFiles::write(discs->discFolder(2) + "\\VO2.ARC", "not on this disc's list");
    discs->insert(1);
    Failures failures;
    EXPECT_EQ(runCopy(0, [&](Automation& a) {
        HWND copy = a.waitForDialog(Expected::CopyDialog.c_str(), IDC_FILE_BAR);
        a.check(SendMessageA(GetDlgItem(copy, IDC_TOTAL_BAR), PBM_GETRANGE, FALSE, 0) == 791398839,
                "overall range");
        a.waitFor(Expected::discPrompt(2));
        // Disc 1 is done: the bars stand at its bytes and at the size of its last file.
        a.check(static_cast<DWORD>(SendMessageA(GetDlgItem(copy, IDC_TOTAL_BAR), PBM_GETPOS, 0, 0)) ==
                    bytesOf(filesOf({1})), "overall position after disc 1");
        a.check(static_cast<DWORD>(SendMessageA(GetDlgItem(copy, IDC_FILE_BAR), PBM_GETRANGE, FALSE, 0)) ==
                    discs->sizeOf("TBLSTR.ARC"), "file range");
        a.check(Automation::itemText(copy, IDC_FILE_NAME) == "TBLSTR.ARC", "file name label");
        Player::insertWhenAsked(a, *discs, 2);
        a.check(a.waitGone(copy), "the dialog stayed");
    }, failures), DialogBase::Completed);
    EXPECT_EQ(failures, Failures{});
    EXPECT_EQ(installedFiles(), filesOf({1, 2}));
    EXPECT_EQ(installedFiles().size(), 12u);
    EXPECT_FALSE(TestFiles::exists(install + "\\VO2.ARC"));
    expectFaithfulCopies(filesOf({1, 2}));
    EXPECT_EQ(state.job().totalPosition(), bytesOf(filesOf({1, 2})));

    DWORD type;
    std::string value;
    ASSERT_TRUE(TestRegistry::read("SetupType", type, value));
    EXPECT_EQ(*reinterpret_cast<const DWORD*>(value.data()), 0u);
    ASSERT_TRUE(TestRegistry::read("Current", type, value));
    EXPECT_EQ(value, std::string("D:\\copytest\\Velnora\\", 21));
    ASSERT_TRUE(TestRegistry::read("CDDrive", type, value));
    EXPECT_EQ(value, std::string("Q:\\", 4));
}

TEST_F(Copy, MaximumTypeCopiesAllThreeDiscs)
{
    makeDiscs();
    discs->insert(1);
    Failures failures;
    EXPECT_EQ(runCopy(1, [&](Automation& a) {
        HWND copy = a.waitForDialog(Expected::CopyDialog.c_str(), IDC_FILE_BAR);
        a.check(SendMessageA(GetDlgItem(copy, IDC_TOTAL_BAR), PBM_GETRANGE, FALSE, 0) == 1351417839,
                "overall range");
        Player::insertWhenAsked(a, *discs, 2);
        Player::insertWhenAsked(a, *discs, 3);
    }, failures), DialogBase::Completed);
    EXPECT_EQ(failures, Failures{});
    EXPECT_EQ(installedFiles(), filesOf({1, 2, 3}));
    expectFaithfulCopies(filesOf({1, 2, 3}));
    std::int32_t type = -1;
    EXPECT_TRUE(state.readSetupType(type));
    EXPECT_EQ(type, 1);
}

TEST_F(Copy, ADiscTakenOutBetweenFilesIsAskedForBeforeTheNextFile)
{
    makeDiscs({{"SCR.ARC", 24u << 20}});
    discs->insert(1);
    Failures failures;
    EXPECT_EQ(runCopy(0, [&](Automation& a) {
        HWND copy = a.waitForDialog(Expected::CopyDialog.c_str(), IDC_FILE_BAR);
        a.expectText(copy, IDC_FILE_NAME, "SCR.ARC");
        a.check(MoveFileA("Q:\\DISK1", "D:\\copytest\\DISK1.out") != FALSE, "could not take disc 1 out");
        a.waitFor(Expected::discPrompt(1));
        a.check(TestFiles::sizeOf(install + "\\SCR.ARC") == (24u << 20), "SCR.ARC is not complete");
        a.check(!TestFiles::exists(install + "\\CG_.ARC"), "the next file was copied without the disc");
        MoveFileA("D:\\copytest\\DISK1.out", "Q:\\DISK1");
        a.answer(Expected::discPrompt(1));
        Player::insertWhenAsked(a, *discs, 2);
    }, failures), DialogBase::Completed);
    EXPECT_EQ(failures, Failures{});
    expectFaithfulCopies(filesOf({1, 2}));
}

TEST_F(Copy, ADiscIsTakenFromWhicheverCdromDriveHoldsItAndAskedForOnlyWhenNoneDoes)
{
    // Another game's disc that carries a marker DISK2, and a readme, lies in the second
    // CD-ROM drive O: until the player mounts disc 2 there: disc 2 is asked for. Disc 3 lies
    // in the removable drive R:, which is never looked at: it is asked for too, and mounted
    // in O:. A disc is looked for first where it was last found, by its marker; in another
    // drive its first file must be there too.
    makeDiscs();
    discs->insert(1);
    discs->insert(3, TestFiles::RemovableRoot);
    const std::string second = TestFiles::SecondCdromRoot;
    const std::vector<std::string> foreign = {second + "DISK2", second + "README.TXT"};
    for (const std::string& file : foreign)
        ASSERT_TRUE(TestFiles::write(file, ""));
    SeamStandIns::watch(state.job());
    Failures failures;
    EXPECT_EQ(runCopy(1, [&](Automation& a) {
        a.waitFor(Expected::discPrompt(2));
        a.check(installedFiles() == filesOf({1}), "disc 1 alone was not copied before the prompt");
        for (const std::string& file : foreign)
            DeleteFileA(file.c_str());
        Player::insertWhenAsked(a, *discs, 2, TestFiles::SecondCdromRoot);
        Player::insertWhenAsked(a, *discs, 3, TestFiles::SecondCdromRoot);
    }, failures), DialogBase::Completed);
    for (const std::string& file : foreign)
        DeleteFileA(file.c_str());
    EXPECT_EQ(failures, Failures{});
    expectFaithfulCopies(filesOf({1, 2, 3}));
    // O:'s DISK2 and SP_.ARC are each tested once with the other disc in, once when the
    // player has mounted disc 2; then O: is where disc 2 was last found.
    EXPECT_EQ(SeamStandIns::markerTests(), (std::map<std::string, int>{{"Q:\\DISK1", 10}, {"Q:\\DISK2", 2},
                                                                       {"O:\\DISK2", 5}, {"O:\\SP_.ARC", 2},
                                                                       {"Q:\\DISK3", 2}, {"O:\\DISK3", 3},
                                                                       {"O:\\VO2.ARC", 1}}));
    DWORD type;
    std::string drive;
    ASSERT_TRUE(TestRegistry::read("CDDrive", type, drive));
    EXPECT_EQ(drive, std::string("Q:\\", 4));
}

TEST_F(Copy, CancelInTheDiscPromptFailsAndKeepsWhatWasCopied)
{
    makeDiscs();
    discs->insert(1);
    expectDiscTwoRefused();
    EXPECT_EQ(installedFiles(), filesOf({1}));
    EXPECT_FALSE(TestRegistry::keyExists());
}

TEST_F(Copy, ASourceFileThatCannotBeOpenedFailsAndKeepsWhatWasCopied)
{
    makeDiscs();
    DeleteFileA((discs->discFolder(1) + "\\MID.ARC").c_str());
    discs->insert(1);
    expectFailedCopy();
    EXPECT_EQ(installedFiles(), (std::vector<std::string>{"VELN.CNT", "VELN.HLP", "TORLE.EXE", "SCR.ARC", "CG_.ARC"}));
    EXPECT_FALSE(TestRegistry::keyExists());
}

// A drive that answers late: seven refused opens of a file are waited out, an eighth is not.
TEST_F(Copy, ASourceFileGetsEightOpensBeforeTheCopyFails)
{
    makeDiscs();
    discs->insert(1);
    SeamStandIns::refuseSourceOpens("MID.ARC", 8);
    expectFailedCopy();
    EXPECT_EQ(installedFiles(), (std::vector<std::string>{"VELN.CNT", "VELN.HLP", "TORLE.EXE", "SCR.ARC", "CG_.ARC"}));
    SeamStandIns::refuseSourceOpens("MID.ARC", 7);
    discs->insert(1);
    Failures failures;
    EXPECT_EQ(runCopy(0, [&](Automation& a) { Player::insertWhenAsked(a, *discs, 2); }, failures), DialogBase::Completed);
    EXPECT_EQ(failures, Failures{});
    EXPECT_EQ(installedFiles(), filesOf({1, 2}));
    EXPECT_TRUE(TestRegistry::keyExists());
}

TEST_F(Copy, ADestinationFileThatCannotBeCreatedFailsAndNothingIsDeleted)
{
    // A read-only SCR.ARC that another program holds open: Wine run as root would
    // overwrite a merely read-only file, so the file is also kept open without sharing.
    makeDiscs();
    discs->insert(1);
    TestFiles::write(install + "\\SCR.ARC", "the user's own file");
    SetFileAttributesA((install + "\\SCR.ARC").c_str(), FILE_ATTRIBUTE_READONLY);
    HANDLE inUse = CreateFileA((install + "\\SCR.ARC").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(inUse, INVALID_HANDLE_VALUE);
    expectFailedCopy();
    CloseHandle(inUse);
    EXPECT_EQ(installedFiles(), (std::vector<std::string>{"VELN.CNT", "VELN.HLP", "TORLE.EXE", "SCR.ARC"}));
    EXPECT_EQ(TestFiles::read(install + "\\SCR.ARC"), "the user's own file");
}

TEST_F(Copy, AFullDiskDeletesEveryListedFileThePartialOneToo)
{
    // E: is a small tmpfs that tools/test.sh mounts where the host allows it.
    ULARGE_INTEGER available, total, free;
    if (!GetDiskFreeSpaceExA("E:\\", &available, &total, &free) || total.QuadPart > (64u << 20))
        GTEST_SKIP() << "no small drive E: (mounting a tmpfs needs root)";
    std::string smallInstall = "E:\\Velnora";
    TestFiles::removeTree(smallInstall);
    TestFiles::makeFolders(smallInstall);
    makeDiscs({{"CG_.ARC", static_cast<DWORD>(total.QuadPart) + (1u << 20)}});
    discs->insert(1);
    expectFailedCopy(smallInstall);
    EXPECT_EQ(installedFiles(smallInstall), std::vector<std::string>{});
    EXPECT_TRUE(TestFiles::isDirectory(smallInstall));
    TestFiles::removeTree(smallInstall);
}

TEST_F(Copy, CancelDuringALargeFileStopsAndDeletesEveryListedFile)
{
    const DWORD large = 48u << 20;
    makeDiscs({{"CG_.ARC", large}});
    discs->insert(1);
    Failures failures;
    EXPECT_EQ(runCopy(0, [&](Automation& a) {
        HWND copy = a.waitForDialog(Expected::CopyDialog.c_str(), IDC_FILE_BAR);
        a.waitUntil([&] {
            return Automation::itemText(copy, IDC_FILE_NAME) == "CG_.ARC" &&
                   SendMessageA(GetDlgItem(copy, IDC_FILE_BAR), PBM_GETPOS, 0, 0) > 0;
        });
        a.click(copy, IDCANCEL);
        a.click(copy, IDCANCEL); // a second press changes nothing
        a.answer(Expected::CopyFailed);
    }, failures), DialogBase::Cancelled);
    EXPECT_EQ(failures, Failures{});
    EXPECT_LT(state.job().filePosition(), large);
    EXPECT_EQ(installedFiles(), std::vector<std::string>{});
    EXPECT_FALSE(TestRegistry::keyExists());
}

TEST_F(Copy, ARegistryWriteFailureDeletesTheCopiedFiles)
{
    makeDiscs();
    discs->insert(1);
    TestRegistry::denyWrites();
    Failures failures;
    EXPECT_EQ(runCopy(0, [&](Automation& a) {
        Player::insertWhenAsked(a, *discs, 2);
        a.answer(Expected::RegistryFailed);
    }, failures), DialogBase::Cancelled);
    EXPECT_EQ(failures, Failures{});
    EXPECT_EQ(installedFiles(), std::vector<std::string>{});
}

TEST_F(Copy, AReadErrorOnTheDiscDeletesEveryListedFile)
{
    // Stands in for a scratched disc: the fourth read of the run fails with a CRC error.
    makeDiscs();
    discs->insert(1);
    SeamStandIns::failReadAfter(3);
    expectFailedCopy();
    EXPECT_EQ(installedFiles(), std::vector<std::string>{});
}

TEST_F(Copy, AFileTimeErrorDeletesEveryListedFile)
{
    // Stands in for a destination file system that refuses the source's times.
    makeDiscs();
    discs->insert(1);
    SeamStandIns::refuseFileTimes();
    expectFailedCopy();
    EXPECT_EQ(installedFiles(), std::vector<std::string>{});
}

TEST_F(Copy, AWorkerThatCannotStartFailsInsteadOfWaitingForever)
{
    // Stands in for a process out of threads or memory.
    makeDiscs();
    discs->insert(1);
    SeamStandIns::refuseThreads();
    expectFailedCopy();
    EXPECT_EQ(installedFiles(), std::vector<std::string>{});
}

TEST_F(Copy, AnInstallFolderTooLongForAFilePathFailsWithoutOverrunning)
{
    // 250 characters: "folder\VELN.CNT" still fits in 260 bytes, "folder\TORLE.EXE" does not.
    makeDiscs();
    discs->insert(1);
    std::string folder = install + "\\" + std::string(250 - install.size() - 1, 'f');
    ASSERT_EQ(folder.size(), 250u);
    ASSERT_TRUE(TestFiles::makeFolders(folder));
    expectFailedCopy(folder);
    EXPECT_EQ(installedFiles(folder), (std::vector<std::string>{"VELN.CNT", "VELN.HLP"}));
}

TEST_F(Copy, TheOutcomeComesOnceTheFilesAreGoneAndALateCancelNeverHidesIt)
{
    // Cancel presses and WM_USER (the dialog manager's DM_GETDEFID) reach the dialog
    // while the worker deletes after a read error. Whenever the outcome can be seen,
    // the files are already gone; and the failure box is up while a worker that told it
    // first would still wait for its answer, before deleting anything.
    makeDiscs();
    discs->insert(1);
    SeamStandIns::failReadAfterWhileCancelling(2);
    std::vector<std::string> leftWhenFailed, leftWithTheBoxUp = {"<no box>"};
    Failures failures;
    EXPECT_EQ(runCopy(0, [&](Automation& a) {
        for (DWORD start = GetTickCount(); GetTickCount() - start < Automation::DefaultTimeout;) {
            if (state.job().getStatus() == CopyStatus::Failed) {
                leftWhenFailed = installedFiles();
                break;
            }
            if (FindWindowA("#32770", Expected::CopyFailed.caption.c_str()) != nullptr)
                break;
        }
        if (a.waitFor(Expected::CopyFailed) != nullptr)
            leftWithTheBoxUp = installedFiles();
        a.answer(Expected::CopyFailed);
    }, failures), DialogBase::Cancelled);
    EXPECT_EQ(failures, Failures{});
    EXPECT_EQ(leftWhenFailed, std::vector<std::string>{});
    EXPECT_EQ(leftWithTheBoxUp, std::vector<std::string>{});
    EXPECT_EQ(installedFiles(), std::vector<std::string>{});
}

TEST_F(Copy, EachMarkerIsTestedBeforeEveryFileAndTheBarsMoveByTheBytesRead)
{
    // Every disc in the drive at once: no prompt. A standard run, failed at its registry
    // write, never tests disc 3's marker; the maximum run that follows starts from 0.
    makeDiscs();
    discs->insertEvery();
    SeamStandIns::watch(state.job());
    TestRegistry::denyWrites();
    Failures failures;
    EXPECT_EQ(runCopy(0, [](Automation& a) { a.answer(Expected::RegistryFailed); }, failures), DialogBase::Cancelled);
    EXPECT_EQ(SeamStandIns::markerTests(), (std::map<std::string, int>{{"Q:\\DISK1", 10}, {"Q:\\DISK2", 4}}));

    TestRegistry::clear();
    SeamStandIns::watched().clear();
    EXPECT_EQ(runCopy(1, [](Automation&) {}, failures), DialogBase::Completed);
    EXPECT_EQ(failures, Failures{});
    EXPECT_EQ(SeamStandIns::markerTests(), (std::map<std::string, int>{{"Q:\\DISK1", 10}, {"Q:\\DISK2", 4}, {"Q:\\DISK3", 2}}));
    expectFirstSteps({
        "DISK1 file 0/1 total 0",
        "DISK1 file 0/0 total 0",
        "read VELN.HLP file 0/65536 total 0 got 65536",
        "DISK1 file 65536/65536 total 65536",
        "read TORLE.EXE file 0/65537 total 65536 got 65536",
        "read TORLE.EXE file 65536/65537 total 131072 got 1",
        "DISK1 file 65537/65537 total 131073",
    });
    expectFaithfulCopies(filesOf({1, 2, 3}));
}

// The first Windows 95's comctl32 takes no 32-bit range: each bar counts in halvings of its
// bytes that fit 16 bits (a file of 65537 bytes in 32768 steps, 1351 MB in 41241).
TEST_F(Copy, OnTheFirstWindows95TheBarsCountInSixteenBits)
{
    makeDiscs();
    discs->insertEvery();
    SeamStandIns::lookUpAsWindows95();
    SeamStandIns::watch(state.job());
    Failures failures;
    EXPECT_EQ(runCopy(1, [](Automation&) {}, failures), DialogBase::Completed);
    EXPECT_EQ(failures, Failures{});
    EXPECT_EQ(SeamStandIns::lateLookUps(), 1);
    expectFirstSteps({
        "DISK1 file 0/1 total 0",
        "DISK1 file 0/0 total 0",
        "read VELN.HLP file 0/32768 total 0 got 65536",
        "DISK1 file 32768/32768 total 2",
        "read TORLE.EXE file 0/32768 total 2 got 65536",
        "read TORLE.EXE file 32768/32768 total 4 got 1",
        "DISK1 file 32768/32768 total 4",
    });
    EXPECT_EQ(CopyJob::barUnits(state.job().totalLength(), state.job().totalLength(), false), 41241u);
    EXPECT_EQ(CopyJob::barUnits(state.job().totalLength(), state.job().totalLength(), true), state.job().totalLength());
    expectFaithfulCopies(filesOf({1, 2, 3}));
}

TEST(CopyStatusWord, AnAbortRequestOnlyReplacesARunningJobAndAnOutcomeIsTakenOnce)
{
    CopyJob job; // bound to no dialog: its notifications go nowhere
    job.requestAbort();
    EXPECT_EQ(job.takeOutcome(), CopyStatus::Idle); // a request is no outcome, and stays
    EXPECT_EQ(job.getStatus(), CopyStatus::Abort);
    for (CopyStatus outcome : {CopyStatus::Done, CopyStatus::Failed}) {
        job.reportOutcome(outcome);
        job.requestAbort();
        EXPECT_EQ(job.takeOutcome(), outcome);
        EXPECT_EQ(job.takeOutcome(), CopyStatus::Idle);
    }
}

TEST_F(Copy, EveryAttemptStartsCleanAndClosesTheEarlierThread)
{
    makeDiscs();
    discs->insert(1);
    expectDiscTwoRefused();
    Failures failures;
    int threads = Automation::threadsOf(GetCurrentProcessId()), handlesAfter[2] = {};
    for (int attempt = 0; attempt < 2; ++attempt) {
        discs->insert(1);
        EXPECT_EQ(runCopy(0, [&](Automation& a) { Player::insertWhenAsked(a, *discs, 2); }, failures), DialogBase::Completed);
        EXPECT_EQ(failures, Failures{});
        EXPECT_EQ(state.job().getStatus(), CopyStatus::Idle);
        EXPECT_EQ(state.job().totalPosition(), bytesOf(filesOf({1, 2})));
        EXPECT_EQ(state.job().filePosition(), discs->sizeOf("VO3.ARC"));
        EXPECT_TRUE(Automation::waitUntil([&] { return Automation::threadsOf(GetCurrentProcessId()) <= threads; }, 3000))
            << "the finished worker thread did not end";
        handlesAfter[attempt] = Automation::handlesOf(GetCurrentProcess());
    }
    EXPECT_EQ(handlesAfter[0], handlesAfter[1]);
}

TEST_F(Copy, ASubdirectoryEntryCreatesOneLevelAndLeavesTheCurrentDirectory)
{
    std::string before = TestFiles::currentDirectory();
    CopyJob job;
    job.setInstallFolder(install.c_str());
    job.ensureSubdirectory("DATA\\X.ARC");
    EXPECT_TRUE(TestFiles::isDirectory(install + "\\DATA"));
    job.ensureSubdirectory("DATA\\Y.ARC");
    job.ensureSubdirectory("A\\B\\C.ARC");
    EXPECT_TRUE(TestFiles::isDirectory(install + "\\A"));
    EXPECT_FALSE(TestFiles::exists(install + "\\A\\B"));
    job.ensureSubdirectory("PLAIN.ARC");
    EXPECT_FALSE(TestFiles::exists(install + "\\PLAIN.ARC"));
    EXPECT_EQ(TestFiles::currentDirectory(), before);
}

TEST_F(Copy, DeletingInstalledFilesFollowsTheSetupTypeAndSparesOtherFiles)
{
    for (const std::string& name : filesOf({1, 2, 3}))
        TestFiles::write(install + "\\" + name, "x");
    SetFileAttributesA((install + "\\SCR.ARC").c_str(), FILE_ATTRIBUTE_READONLY);
    TestFiles::write(install + "\\SAVE0001.DAT", "a saved game");
    CopyJob job;
    job.setInstallFolder(install.c_str());
    job.setSetupType(7); // no such type: nothing is touched
    job.deleteInstalledFiles();
    EXPECT_EQ(installedFiles().size(), 13u);
    job.setSetupType(0);
    job.deleteInstalledFiles();
    EXPECT_EQ(installedFiles(), std::vector<std::string>{"VO2.ARC"});
    job.setSetupType(1);
    job.deleteInstalledFiles();
    EXPECT_EQ(installedFiles(), std::vector<std::string>{});
    EXPECT_TRUE(TestFiles::exists(install + "\\SAVE0001.DAT"));
    EXPECT_TRUE(TestFiles::isDirectory(install));
}
