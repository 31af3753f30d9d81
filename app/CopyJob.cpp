// The job record's fields, setters and status word; running a job is in install/CopyJobRun.cpp.
#include "app/CopyJob.h"

#include <initializer_list>

#include "app/DialogBase.h"

CopyJob::CopyJob()
    : installFolder{}, sourceRoot{}, dialogWindow(nullptr), fileBar(nullptr), totalBar(nullptr),
      workerThread(nullptr), setupType(0), status(static_cast<LONG>(CopyStatus::Idle)),
      filePos(0), fileSize(0), totalPos(0), totalSize(0), wideRanges(true)
{
}

CopyJob::~CopyJob()
{
    if (workerThread != nullptr)
        CloseHandle(workerThread);
}

void CopyJob::setSetupType(std::int32_t type)
{
    setupType = type;
}

bool CopyJob::setInstallFolder(const char* path)
{
    return PathText::copy(installFolder, sizeof installFolder, path);
}

bool CopyJob::setSourceRoot(const char* path)
{
    return PathText::copy(sourceRoot, sizeof sourceRoot, path);
}

CopyStatus CopyJob::getStatus() const
{
    return static_cast<CopyStatus>(status.load());
}

void CopyJob::clearStatus()
{
    status.store(static_cast<LONG>(CopyStatus::Idle));
}

void CopyJob::requestAbort()
{
    LONG expected = static_cast<LONG>(CopyStatus::Idle);
    status.compare_exchange_strong(expected, static_cast<LONG>(CopyStatus::Abort));
}

void CopyJob::reportFailure()
{
    requestAbort();
}

CopyStatus CopyJob::takeOutcome()
{
    for (CopyStatus outcome : {CopyStatus::Done, CopyStatus::Failed}) {
        LONG expected = static_cast<LONG>(outcome);
        if (status.compare_exchange_strong(expected, static_cast<LONG>(CopyStatus::Idle)))
            return outcome;
    }
    return CopyStatus::Idle;
}

// The notification is sent, so the dialog has taken the outcome when it returns.
void CopyJob::reportOutcome(CopyStatus outcome)
{
    status.store(static_cast<LONG>(outcome));
    SendMessageA(dialogWindow, DialogBase::WorkerDone, 0, 0);
}
