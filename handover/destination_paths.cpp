#include "handover/destination_paths.h"

#include <cstring>
#include <string>

#include "handover/handover_texts.h"
#include "handover/path_scan.h"

namespace handover {

bool JoinPath(char* out, const char* first, const char* second) {
  std::memset(out, 0, kBuiltPathSize);
  const std::string joined = std::string(first) + "\\" + second;
  if (joined.size() > kMaxPath) return false;
  std::memcpy(out, joined.data(), joined.size());
  return true;
}

bool ComposeProbePath(const char* server, char* probe) {
  char share[kBuiltPathSize];
  return JoinPath(share, server, kShareName) && JoinPath(probe, share, kServerProbe);
}

bool ComposeDestination(const char* server, const char* computer, char* base, char* dest) {
  char share[kBuiltPathSize];
  return JoinPath(share, server, kShareName) && JoinPath(base, share, computer) &&
         JoinPath(dest, base, kTransmitFolder);
}

}  // namespace handover
