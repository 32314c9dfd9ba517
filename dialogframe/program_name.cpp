#include "dialogframe/program_name.h"

#include "common/double_byte.h"

namespace dialogframe {
namespace {

// Position after the last path separator; lead bytes of double-byte characters carry their
// second byte along so a trailing 0x5C is never taken for a separator.
std::string::size_type FileNameStart(const std::string& path) {
  std::string::size_type start = 0;
  for (std::string::size_type i = 0; i < path.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(path[i]);
    if (vr::IsLeadByte(c)) {
      ++i;
    } else if (c == '\\' || c == '/' || c == ':') {
      start = i + 1;
    }
  }
  return start;
}

std::string::size_type ExtensionStart(const std::string& path, std::string::size_type nameStart) {
  const std::string::size_type dot = path.rfind('.');
  return (dot == std::string::npos || dot < nameStart) ? path.size() : dot;
}

constexpr unsigned kButtonMask = 0x0000000F;  // MB_TYPEMASK
constexpr unsigned kIconMask = 0x000000F0;    // MB_ICONMASK
constexpr unsigned kOk = 0x0, kOkCancel = 0x1, kYesNoCancel = 0x3, kYesNo = 0x4;
constexpr unsigned kIconQuestion = 0x20, kIconExclamation = 0x30;

}  // namespace

std::string ProgramNameFromPath(const std::string& modulePath) {
  const auto start = FileNameStart(modulePath);
  return modulePath.substr(start, ExtensionStart(modulePath, start) - start);
}

std::string HelpFileFromPath(const std::string& modulePath) {
  return modulePath.substr(0, ExtensionStart(modulePath, FileNameStart(modulePath))) + ".HLP";
}

const char* CommandLineTail(const char* commandLine) {
  const char* p = commandLine;
  if (*p == '"') {
    ++p;
    while (*p != '\0' && *p != '"') ++p;
    if (*p == '"') ++p;
  } else {
    while (*p != '\0' && *p != ' ' && *p != '\t') ++p;
  }
  while (*p == ' ' || *p == '\t') ++p;
  return p;
}

unsigned MessageBoxStyleWithDefaultIcon(unsigned style) {
  if ((style & kIconMask) != 0) return style;
  switch (style & kButtonMask) {
    case kOk:
    case kOkCancel:
      return style | kIconExclamation;
    case kYesNo:
    case kYesNoCancel:
      return style | kIconQuestion;
    default:
      return style;
  }
}

}  // namespace dialogframe
