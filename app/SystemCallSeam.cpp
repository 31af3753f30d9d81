// The one table of the seam, shared by the whole program.
#include "app/SystemCallSeam.h"

SystemCallSeam& SystemCallSeam::active()
{
    static SystemCallSeam calls;
    return calls;
}
