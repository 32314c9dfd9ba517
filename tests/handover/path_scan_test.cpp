#include "handover/path_scan.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace handover {
namespace {

struct ScanCase {
  const char* path;
  const char* trimmed;
  const char* withBackslash;
};

// "表" is 0x95 0x5C and "ソ" 0x83 0x5C in code page 932: their second byte is a backslash.
TEST(PathScan, TrailingBackslashStepsOverDoubleByteCharacters) {
  const ScanCase cases[] = {
      {"C:\\data\\", "C:\\data", "C:\\data\\"},
      {"C:\\data", "C:\\data", "C:\\data\\"},
      {"C:\\data\\\\", "C:\\data\\", "C:\\data\\\\"},   // only one removed
      {"C:\\表", "C:\\表", "C:\\表\\"},                  // trail byte 0x5C is no separator
      {"C:\\表\\", "C:\\表", "C:\\表\\"},
      {"C:\\ソ", "C:\\ソ", "C:\\ソ\\"},
      {"\\", "", "\\"},                                 // exactly a backslash is left alone
      {"", "", "\\"},
      {"C:\\\xE0\\", "C:\\\xE0\\", "C:\\\xE0\\\\"},      // 0xE0 leads in the walk's range
      {"C:\\\xFD\\", "C:\\\xFD\\", "C:\\\xFD\\\\"},      // 0xFD too, though 932 has no such lead
      {"C:\\\xA0\\", "C:\\\xA0", "C:\\\xA0\\"},          // half-width kana is single-byte
  };
  for (const ScanCase& c : cases) {
    char buffer[kPathRecordSize] = {};
    std::strcpy(buffer, c.path);
    RemoveTrailingBackslash(buffer);
    EXPECT_STREQ(buffer, c.trimmed) << c.path;
    std::string added = c.path;
    AddTrailingBackslash(added);
    EXPECT_EQ(added, c.withBackslash) << c.path;
    std::strcpy(buffer, c.path);
    ASSERT_TRUE(AddTrailingBackslash(buffer, sizeof buffer));
    EXPECT_STREQ(buffer, c.withBackslash) << c.path;
  }
}

TEST(PathScan, BufferWithoutRoomIsLeftAlone) {
  char buffer[5] = "abcd";
  EXPECT_FALSE(AddTrailingBackslash(buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "abcd");
}

TEST(PathScan, SuffixMatchesTheEndOfTheWholePathIgnoringCase) {
  struct { const char* path; const char* suffix; bool match; } cases[] = {
      {"C:\\tx\\a.VRD", ".vrd", true},   {"C:\\tx\\a.vrd", ".VRD", true},
      {"C:\\tx\\avrd", "vrd", true},     {"C:\\tx\\a.vre", ".vrd", false},
      {"C:\\tx\\a.vrd", "tx\\a.vrd", true}, {"vrd", ".vrd", false},
      {"C:\\表.dat", "表.DAT", true},
  };
  for (const auto& c : cases) EXPECT_EQ(EndsWithSuffix(c.path, c.suffix), c.match) << c.path;
}

TEST(PathScan, StorePathRefusesMoreThan260Bytes) {
  char record[kPathRecordSize];
  EXPECT_TRUE(StorePath(record, std::string(260, 'a')));
  EXPECT_EQ(std::strlen(record), 260u);
  EXPECT_FALSE(StorePath(record, std::string(261, 'a')));
  EXPECT_STREQ(record, "");
}

}  // namespace
}  // namespace handover
