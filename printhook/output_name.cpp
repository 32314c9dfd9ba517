#include "printhook/output_name.h"

#include <cstdio>

namespace printhook {

namespace {
constexpr char16_t kReplaced[] = u"\"*,./:;<>?\\^|";
}

std::u16string ReplaceNameChars(std::u16string name) {
  for (char16_t& c : name)
    if (std::u16string_view(kReplaced).find(c) != std::u16string_view::npos) c = u'_';
  return name;
}

std::u16string CleanName(const std::u16string& name, const std::u16string& removeChars) {
  std::u16string kept;
  for (char16_t c : name)
    if (removeChars.find(c) == std::u16string::npos) kept += c;
  return kept;
}

std::u16string FormatTimeStamp(const LocalTime& t) {
  char text[64];
  std::snprintf(text, sizeof text, "(%02d%02d%02d%02d%02d%02d%03d)", t.year % 100, t.month, t.day,
                t.hour, t.minute, t.second, t.millisecond);
  return std::u16string(text, text + std::char_traits<char>::length(text));
}

bool MakeUniqueNameCore(const std::u16string& folder, bool folderExists, std::u16string& name,
                        const LocalTime& time, const NameRules& rules, const NameTakenTest& isTaken) {
  if (folder.empty() || !folderExists) return false;
  std::u16string path = folder;
  if (path.back() != u'\\') path += u'\\';
  name = CleanName(name, rules.removeChars);
  path += name + FormatTimeStamp(time);
  if (isTaken(path)) {
    bool found = false;
    for (char16_t c : rules.suffixChars) {
      std::u16string candidate = path + u'~' + c;
      if (!isTaken(candidate)) {
        path = candidate;
        found = true;
        break;
      }
    }
    if (!found) return false;
  }
  name = path;
  return true;
}

bool IsExplicitOutputName(const char16_t* outputPath, std::size_t outputPathUnits,
                          const char16_t* portName, std::size_t portNameUnits) {
  if (outputPathUnits == 0 || outputPath[0] == 0) return false;
  std::size_t i = 0;
  for (; i < 31 && i < outputPathUnits && outputPath[i]; ++i) {
    if (i >= portNameUnits || portName[i] != outputPath[i]) return true;
  }
  // The cut output path ends here; it equals the port name when the port name ends too.
  return i < portNameUnits && portName[i] != 0;
}

std::string ReadWindowText(const std::function<std::uint8_t(std::uint32_t index)>& byteAt,
                           std::uint32_t bufferBytes) {
  std::string text;
  for (std::uint32_t i = 0; i + 1 < bufferBytes; ++i) {
    std::uint8_t b = byteAt(i);
    if (b == 0) break;
    text += static_cast<char>(b);
  }
  return text;
}

}  // namespace printhook
