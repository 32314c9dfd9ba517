// Job start, pages and close. The spooler serves one job at a time; a second job while one is
// open is refused. Calls without an open job are answered FALSE and change nothing.
#include <windows.h>

#include <cstring>

#include "printhook/entry_points.h"
#include "printhook/hook_constants.h"
#include "printhook/hook_state.h"
#include "printhook/writer_api.h"

using printhook::g_hook;

extern "C" HANDLE WINAPI DrvSplStartDoc(HANDLE printer, DWORD jobId) {
  if (g_hook.Job) return nullptr;
  auto* job = static_cast<printhook::JobRecord*>(GlobalAlloc(GMEM_FIXED, sizeof(printhook::JobRecord)));
  if (job) {
    std::memcpy(job->Tag, printhook::kJobRecordTag, 4);
    job->Printer = printer;
    job->JobId = jobId;
    job->Flags = printhook::kJobCreated;
    job->PageWrites = job->PagesStarted = job->PagesEnded = 0;
    g_hook.Job = job;
  }
  g_hook.OutputFailed = false;
  g_hook.HeaderSeen = false;
  return job;
}

extern "C" BOOL WINAPI DrvSplStartPage(HANDLE) {
  if (!g_hook.Job) return FALSE;
  ++g_hook.Job->PagesStarted;
  ++g_hook.Header.PageCount;
  return g_hook.OutputFailed ? FALSE : TRUE;
}

extern "C" BOOL WINAPI DrvSplEndPage(HANDLE) {
  if (!g_hook.Job) return FALSE;
  ++g_hook.Job->PagesEnded;
  return TRUE;
}

extern "C" VOID WINAPI DrvSplClose(HANDLE) {
  if (!g_hook.Job) return;
  // After the end of the job this is a second completion, which the writer ignores.
  if (!g_hook.DibOutput) tiffCompleteFile(&g_hook.Header);
  if (!g_hook.ToFileMode && !printhook::IsLocalFaxDevice() && g_hook.IdleEvent)
    SetEvent(g_hook.IdleEvent);
  GlobalFree(g_hook.Job);
  g_hook.Job = nullptr;
}
