// The paths the handover flow builds from the settings it read, each refused when it would pass
// kMaxPath (the older tool wrote such paths past its 264-byte buffers).
#pragma once

#include <cstddef>

namespace handover {

constexpr size_t kBuiltPathSize = 264;

// out (kBuiltPathSize bytes, zero-filled first) = first "\" second; false when too long.
bool JoinPath(char* out, const char* first, const char* second);
// <server>\Velorix$\Server.log
bool ComposeProbePath(const char* server, char* probe);
// base = <server>\Velorix$\<computer>, dest = base\TXDATA: inside the share that the start
// checks confirmed.
bool ComposeDestination(const char* server, const char* computer, char* base, char* dest);

}  // namespace handover
