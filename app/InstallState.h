// The one shared record: the registry operations, then the embedded copy job.
#pragma once
#include "../state/InstallRegistry.h"
#include "CopyJob.h"

class InstallState : public InstallRegistry {
public:
    CopyJob& job() { return copyJob; }

private:
    CopyJob copyJob;
};
