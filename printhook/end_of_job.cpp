// End of job and abort: the document file is completed. The hand-off to the fax programs
// belongs here as well and is added with them.
#include <windows.h>

#include "printhook/entry_points.h"
#include "printhook/hook_state.h"
#include "printhook/writer_api.h"

using printhook::g_hook;

extern "C" VOID WINAPI DrvSplEndDoc(HANDLE) {
  if (!g_hook.Job) return;
  if (!g_hook.DibOutput) tiffCompleteFile(&g_hook.Header);
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
  if (!printhook::IsLocalFaxDevice() && g_hook.IdleEvent) SetEvent(g_hook.IdleEvent);
}
