// Holds the next worker thread back (through the copy's thread-start seam) until the
// caller lets it go, so that a dialog can be looked at while its worker has not run.
#pragma once

namespace HeldWorker {
// Every thread that the dialogs start from now on waits until release().
void hold();
void release();
} // namespace HeldWorker
