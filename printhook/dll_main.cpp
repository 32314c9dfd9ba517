// Module start and end: settings, and the named objects shared with the fax programs. A DLL
// that cannot have its named objects refuses to load.
#include <windows.h>

#include "printhook/hook_constants.h"
#include "printhook/hook_state.h"

namespace printhook {
namespace {

BOOL StartModule(HINSTANCE instance) {
  g_hook.Module = instance;
  DisableThreadLibraryCalls(instance);
  LoadHookString(IDS_SUFFIX_CHARS, g_hook.SuffixChars, 64);
  LoadHookString(IDS_REMOVE_CHARS, g_hook.RemoveChars, 16);
  LoadDriverSettings(instance);

  // The idle event may already exist (another spooler process, a fax program): open it so
  // that its state is left as it is.
  g_hook.IdleEvent = OpenEventW(SYNCHRONIZE | EVENT_MODIFY_STATE, FALSE, Wide(kIdleEventName));
  if (!g_hook.IdleEvent) {
    SECURITY_ATTRIBUTES inheritable = {sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    g_hook.IdleEvent = CreateEventW(&inheritable, TRUE, TRUE, Wide(kIdleEventName));
  }
  if (!g_hook.IdleEvent) return FALSE;

  g_hook.StartEvent = CreateEventW(nullptr, TRUE, FALSE, Wide(kStartEventName));
  if (!g_hook.StartEvent) return FALSE;

  g_hook.HandOffMapping = OpenFileMappingW(FILE_MAP_WRITE, TRUE, Wide(kHandOffMappingName));
  if (!g_hook.HandOffMapping)
    g_hook.HandOffMapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                               kHandOffSize, Wide(kHandOffMappingName));
  if (!g_hook.HandOffMapping) return FALSE;

  g_hook.HandOffView =
      static_cast<std::uint8_t*>(MapViewOfFile(g_hook.HandOffMapping, FILE_MAP_ALL_ACCESS, 0, 0, 0));
  return g_hook.HandOffView ? TRUE : FALSE;
}

void EndModule() {
  if (g_hook.HandOffView) {
    UnmapViewOfFile(g_hook.HandOffView);
    g_hook.HandOffView = nullptr;
  }
  if (g_hook.HandOffMapping) {
    CloseHandle(g_hook.HandOffMapping);
    g_hook.HandOffMapping = nullptr;
  }
  // Whatever was running, nobody waits for this process's job any more.
  if (g_hook.IdleEvent) {
    SetEvent(g_hook.IdleEvent);
    CloseHandle(g_hook.IdleEvent);
    g_hook.IdleEvent = nullptr;
  }
  if (g_hook.StartEvent) {
    CloseHandle(g_hook.StartEvent);
    g_hook.StartEvent = nullptr;
  }
}

}  // namespace
}  // namespace printhook

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) return printhook::StartModule(instance);
  if (reason == DLL_PROCESS_DETACH) printhook::EndModule();
  return TRUE;
}
