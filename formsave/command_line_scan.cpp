#include "formsave/command_line_scan.h"

#include <cstring>

#include "common/double_byte.h"

namespace formsave {
namespace {

// The lead-byte ranges of the tool's double-byte rule (wider than code page 932's own).
using vr::IsLeadByte;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

int ScanDocumentArgument(const char* commandLine, char (&argument)[kPathSize]) {
  std::memset(argument, 0, sizeof argument);
  if (commandLine == nullptr || commandLine[0] == '\0') return 0;
  const std::size_t end = std::strlen(commandLine);
  if (end >= kCommandLineAreaSize) return 0;  // longer than the tool's command-line area

  std::size_t at = 0;
  bool quoted = false;
  for (;; ++at) {
    if (at >= end) return 0;
    if (IsBlank(commandLine[at])) continue;
    // A quote that is the last byte counts as a blank, which reaches the end.
    if (commandLine[at] == '"' && commandLine[at + 1] == '\0') continue;
    break;
  }
  if (commandLine[at] == '"') {
    quoted = true;
    ++at;
  }
  const std::size_t start = at;

  // The first character is never a stop byte. All of it is stepped over, also when it is a
  // double-byte character, so its second byte is not taken for a lead byte of its own.
  std::size_t scan = start + (IsLeadByte(static_cast<unsigned char>(commandLine[start])) ? 2 : 1);
  while (scan < end) {
    const char c = commandLine[scan];
    if (quoted ? c == '"' : IsBlank(c)) break;
    scan += IsLeadByte(static_cast<unsigned char>(c)) ? 2 : 1;
  }
  if (scan > end) scan = end;  // a lead byte at the very end

  const std::size_t argumentLength = scan - start;
  if (argumentLength == 0 || argumentLength > kMaxPathLength) return 0;
  std::memcpy(argument, commandLine + start, argumentLength);
  return static_cast<int>(argumentLength);
}

}  // namespace formsave
