// The length of one pause of the end-of-job waits. The product pauses a second; a build made
// for tests (VR_PAUSE_SEAM) takes the length from the environment, so that the long waits can
// be run through quickly.
#include <windows.h>

#include "printhook/hand_off.h"
#include "printhook/hook_constants.h"

namespace printhook {

unsigned PauseMilliseconds() {
#ifdef VR_PAUSE_SEAM
  wchar_t value[16] = {};
  if (GetEnvironmentVariableW(L"VR_PRINTHOOK_PAUSE_MS", value, 16) > 0) {
    unsigned milliseconds = 0;
    for (const wchar_t* digit = value; *digit >= L'0' && *digit <= L'9'; ++digit) {
      milliseconds = milliseconds * 10 + static_cast<unsigned>(*digit - L'0');
    }
    return milliseconds;
  }
#endif
  return kPauseMilliseconds;
}

}  // namespace printhook
