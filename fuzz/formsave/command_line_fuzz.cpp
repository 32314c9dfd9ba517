// formsave's command-line scan over arbitrary bytes: it must stay inside its buffers and hand
// back a terminated piece of its input, or nothing.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "formsave/command_line_scan.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);  // scanned up to its first NUL
  char argument[formsave::kPathSize + 8];
  std::memset(argument, 0x5A, sizeof argument);
  char (&bounded)[formsave::kPathSize] = *reinterpret_cast<char(*)[formsave::kPathSize]>(argument);
  const int length = formsave::ScanDocumentArgument(line.c_str(), bounded);
  for (std::size_t i = formsave::kPathSize; i < sizeof argument; ++i) {
    if (argument[i] != 0x5A) std::abort();  // wrote past the buffer
  }
  if (length < 0 || length > static_cast<int>(formsave::kMaxPathLength)) std::abort();
  if (std::strlen(argument) != static_cast<std::size_t>(length)) std::abort();
  const std::string text = line.c_str();
  if (length > 0 && (text.size() >= formsave::kCommandLineAreaSize || text.find(argument) == std::string::npos)) {
    std::abort();
  }
  return 0;
}
