#include "SystemCallSeam.h"

SystemCallSeam& SystemCallSeam::active()
{
    static SystemCallSeam calls;
    return calls;
}
