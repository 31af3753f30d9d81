// The few system calls of the copy whose failures no test can bring about for real.
#include "CopySystemCalls.h"

CopySystemCalls& CopySystemCalls::active()
{
    static CopySystemCalls calls;
    return calls;
}
