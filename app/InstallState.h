// The one shared record: the registry operations, then the embedded copy job.
#pragma once
#include "app/CopyJob.h"
#include "state/InstallRegistry.h"

class InstallState : public InstallRegistry {
public:
    CopyJob& job() { return copyJob; }

private:
    CopyJob copyJob;
};
