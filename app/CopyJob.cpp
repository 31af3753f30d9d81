// The copy job record that the installer, the copy worker and the uninstaller share:
// its fields, setters and status word. The operations that run a job live with the
// installer (install/CopyJobRun.cpp).
#include "CopyJob.h"

CopyJob::CopyJob()
    : installFolder{}, sourceRoot{}, dialogWindow(nullptr), fileBar(nullptr), totalBar(nullptr),
      workerThread(nullptr), setupType(0), status(static_cast<LONG>(CopyStatus::Idle)),
      filePos(0), fileSize(0), totalPos(0), totalSize(0)
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

void CopyJob::storeOutcome(CopyStatus outcome)
{
    status.store(static_cast<LONG>(outcome));
}
