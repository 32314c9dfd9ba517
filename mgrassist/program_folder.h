// The folder of a module path, with its trailing backslash: the name after the last backslash
// is cut off (byte by byte, as the program has always scanned). No backslash: unchanged.
#pragma once

#include <cstring>

namespace mgrassist {

inline void CutFileName(char* path) {
  for (std::size_t pos = std::strlen(path); pos > 0; --pos) {
    if (path[pos - 1] == '\\') {
      path[pos] = '\0';
      return;
    }
  }
}

}  // namespace mgrassist
