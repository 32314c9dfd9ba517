// The process-wide hook state and the small text helpers every part of the hook uses.
#include "printhook/hook_state.h"

#include "printhook/hook_constants.h"

namespace printhook {

HookState g_hook;

void CopyText(wchar_t* field, int capacity, const wchar_t* text) {
  if (capacity <= 0) return;
  int i = 0;
  for (; text && text[i] && i < capacity - 1; ++i) field[i] = text[i];
  field[i] = 0;
}

int LoadHookString(UINT id, wchar_t* buffer, int capacity) {
  buffer[0] = 0;
  int length = LoadStringW(g_hook.Module, id, buffer, capacity);
  if (length <= 0) {
    buffer[0] = 0;
    return 0;
  }
  return length;
}

bool IsLocalFaxDevice() {
  wchar_t device[40];
  if (LoadHookString(IDS_LOCAL_FAX_DEVICE, device, 40) == 0) return false;
  // The header field is 32 units; compare inside it only.
  const char16_t* name = g_hook.Header.DeviceName;
  int i = 0;
  for (; i < 32; ++i) {
    if (static_cast<wchar_t>(name[i]) != device[i]) return false;
    if (device[i] == 0) return true;
  }
  return device[i] == 0;
}

}  // namespace printhook
