// The end of a job waits for the fax programs by asking, pausing and asking again.
#pragma once

namespace printhook {

// Asks at once and, while the answer is no, again after each pause, for at most `pauses`
// pauses. Returns whether some answer was yes.
template <class Ask, class Pause>
bool AskWithPauses(Ask&& ask, Pause&& pause, unsigned pauses) {
  if (ask()) return true;
  for (unsigned i = 0; i < pauses; ++i) {
    pause();
    if (ask()) return true;
  }
  return false;
}

}  // namespace printhook
