// End of job and abort: the document file is completed and handed to the fax programs.
#include <windows.h>

#include "printhook/entry_points.h"
#include "printhook/hand_off.h"
#include "printhook/hook_constants.h"
#include "printhook/hook_state.h"
#include "printhook/writer_api.h"

using printhook::g_hook;

extern "C" VOID WINAPI DrvSplEndDoc(HANDLE) {
  if (!g_hook.Job) return;
  // Every box of the hand-off belongs to the window that was active when the job ended.
  HWND owner = GetActiveWindow();
  if (!g_hook.DibOutput) tiffCompleteFile(&g_hook.Header);
  if (g_hook.ToFileMode) printhook::NotifyFileOutput();
  if (g_hook.OcxWindow) {
    SendMessageW(g_hook.OcxWindow, g_hook.OcxMessage, printhook::kOcxOutputState, 0);
    return;
  }
  if (!g_hook.ToFileMode && !printhook::HandOffToSender(owner)) return;
  g_hook.HeaderSeen = false;
  g_hook.Job->Flags |= printhook::kJobEnded;
}

extern "C" VOID WINAPI DrvSplAbort(HANDLE) {
  if (!g_hook.Job) return;
  g_hook.HeaderSeen = false;
  g_hook.Job->Flags |= printhook::kJobAborted;
  // The partly written file stays.
  if (!g_hook.DibOutput) tiffCompleteFile(&g_hook.Header);
  if (g_hook.ToFileMode) return;
  if (printhook::IsLocalFaxDevice()) return;
  printhook::SendAbortNotice();
  if (g_hook.IdleEvent) SetEvent(g_hook.IdleEvent);
}
