// Output names of print jobs, as a pure core: the document name's characters replaced and
// removed, a time stamp to the millisecond, and a one-character suffix when the name is taken.
// The shell supplies the local time and the "is this name taken?" test.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace printhook {

struct LocalTime {
  int year, month, day, hour, minute, second, millisecond;
};

// Each of the 13 characters that cannot stand in a file name becomes a low line.
std::u16string ReplaceNameChars(std::u16string name);

// Leaves out every character that occurs in removeChars.
std::u16string CleanName(const std::u16string& name, const std::u16string& removeChars);

// "(YYMMDDhhmmssmmm)"
std::u16string FormatTimeStamp(const LocalTime& time);

// isTaken(candidate): a file named candidate followed by any extension exists.
using NameTakenTest = std::function<bool(const std::u16string& candidate)>;

struct NameRules {
  std::u16string removeChars;
  std::u16string suffixChars;
};

// On success name becomes folder (with one backslash) + cleaned name + time stamp [+ "~" c].
// Without a folder, or when every suffix is taken, it fails; name then keeps only the cleaning.
bool MakeUniqueNameCore(const std::u16string& folder, bool folderExists, std::u16string& name,
                        const LocalTime& time, const NameRules& rules, const NameTakenTest& isTaken);

// An output path in the header names the output file unless it is empty or, cut to its first
// 31 characters, equals the port name. Both fields are bounded arrays, maybe unterminated.
bool IsExplicitOutputName(const char16_t* outputPath, std::size_t outputPathUnits,
                          const char16_t* portName, std::size_t portNameUnits);

// Text read byte by byte from the print-out control window into a buffer of bufferBytes:
// stops at a zero byte and never takes more than bufferBytes - 1 bytes.
std::string ReadWindowText(const std::function<std::uint8_t(std::uint32_t index)>& byteAt,
                           std::uint32_t bufferBytes);

}  // namespace printhook
