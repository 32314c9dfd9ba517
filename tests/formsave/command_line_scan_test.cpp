// formsave's command-line scan: which bytes of the command line name the document.
#include <gtest/gtest.h>

#include <string>

#include "formsave/command_line_scan.h"

namespace {

using formsave::kPathSize;
using formsave::ScanDocumentArgument;

std::string Scan(const char* line) {
  char argument[kPathSize];
  const int length = ScanDocumentArgument(line, argument);
  EXPECT_EQ(length, static_cast<int>(std::string(argument).size())) << line;
  return argument;
}

TEST(ScanDocumentArgument, FindsTheFirstArgument) {
  struct Case { const char* line; const char* argument; } cases[] = {
      {"C:\\Docs\\a.vrd", "C:\\Docs\\a.vrd"},
      {" \t C:\\Docs\\a.vrd", "C:\\Docs\\a.vrd"},
      {"\"C:\\My Docs\\a b.vrd\" further words", "C:\\My Docs\\a b.vrd"},
      {"C:\\My Docs\\a b.vrd", "C:\\My"},
      {"C:\\a\tb", "C:\\a"},
      {"\"C:\\My Docs\\open quote.vrd", "C:\\My Docs\\open quote.vrd"},
      {"\"C:\\a.vrd\"rest", "C:\\a.vrd"},
      {"\"\"", "\""},  // the argument's first byte is never a stop byte
      // 表 (0x95 0x5C) and a lead byte before a blank: the byte after a lead byte is skipped.
      {"C:\\\x95\x5C x", "C:\\\x95\x5C"},
      {"a\x81 b c", "a\x81 b"},
      {"abc\x81", "abc\x81"},  // a lead byte at the very end does not run past it
  };
  for (const auto& c : cases) EXPECT_EQ(Scan(c.line), c.argument) << c.line;
}

TEST(ScanDocumentArgument, NamesNothing) {
  const char* cases[] = {"", "\"", "   ", " \t\t ", "\t\""};
  for (const char* line : cases) EXPECT_EQ(Scan(line), "") << '[' << line << ']';
  char argument[kPathSize];
  EXPECT_EQ(ScanDocumentArgument(nullptr, argument), 0);
}

TEST(ScanDocumentArgument, StepsOverAWholeDoubleByteFirstCharacter) {
  // ＝ is 0x81 0x81: its second byte must not swallow the blank behind it.
  struct Case { const char* line; const char* argument; } cases[] = {
      {"\x81\x81 x", "\x81\x81"},
      {"\"\x81\x81\" x", "\x81\x81"},
      {"\x81\x81\x81\x81 x", "\x81\x81\x81\x81"},
      {"\x81", "\x81"},
  };
  for (const auto& c : cases) EXPECT_EQ(Scan(c.line), c.argument) << c.line;
}

TEST(ScanDocumentArgument, RefusesWhatDoesNotFit) {
  const std::string path260 = "C:\\" + std::string(257, 'p');
  struct Case { std::string line; std::string argument; } cases[] = {
      {path260, path260},
      {"\"" + path260 + "\" x", path260},
      {path260 + "q", ""},                                          // 261-byte argument
      {"\"" + path260 + "q\"", ""},
      {path260 + " " + std::string(511 - 261, 'w'), path260},       // 511-byte line
      {path260 + " " + std::string(512 - 261, 'w'), ""},            // 512-byte line
      {"C:\\a.vrd " + std::string(600, 'w'), ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Scan(c.line.c_str()), c.argument) << c.line.size();
}

}  // namespace
