// The hand-off of a finished document to the product's fax programs: the to-file notice to
// the fax manager's master window, the hand-off to the fax sender (starting it as the
// printing user when needed) and the abort notice.
#pragma once

#include <windows.h>

namespace printhook {

void NotifyFileOutput();

// Returns true when the sender took the document, false when the hand-off was given up (the
// output file then stays where it is).
bool HandOffToSender(HWND owner);

void SendAbortNotice();

// Starts the sender program as the printing user. On failure returns false with the
// platform's error code of the last start tried.
bool StartSender(DWORD* error);

// Length of one pause while waiting for the fax programs.
unsigned PauseMilliseconds();

}  // namespace printhook
