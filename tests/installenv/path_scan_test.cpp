#include "installenv/path_scan.h"

#include <gtest/gtest.h>

#include <string>

namespace installenv {
namespace {

struct TrimCase {
  std::string input;
  std::string expected;
};

class RemoveTrailingBackslashTest : public ::testing::TestWithParam<TrimCase> {};

TEST_P(RemoveTrailingBackslashTest, RemovesOneSingleByteBackslash) {
  std::string text = GetParam().input;
  const std::size_t length = RemoveTrailingBackslash(text.data());
  EXPECT_EQ(std::string(text.c_str()), GetParam().expected);
  EXPECT_EQ(length, GetParam().expected.size());
}

INSTANTIATE_TEST_SUITE_P(Paths, RemoveTrailingBackslashTest, ::testing::Values(
    TrimCase{"D:\\Fax\\", "D:\\Fax"},
    TrimCase{"D:\\Fax\\\\", "D:\\Fax\\"},             // only one is removed
    TrimCase{"C:\\", "C:"},
    TrimCase{"\\", ""},
    TrimCase{"D:\\Fax", "D:\\Fax"},
    TrimCase{"", ""},
    TrimCase{"C:\\vr\x95\x5C", "C:\\vr\x95\x5C"},     // 表: its second byte is no separator
    TrimCase{"C:\\vr\x95\x5C\\", "C:\\vr\x95\x5C"},
    TrimCase{"C:\\\x80\\", "C:\\\x80\\"},            // 0x80 opens a character too
    TrimCase{"C:\\\xFD\\", "C:\\\xFD\\"},            // and 0xFD
    TrimCase{"C:\\\xFF\\", "C:\\\xFF"},              // 0xFF does not
    TrimCase{"C:\\\xA0\\", "C:\\\xA0"}));            // nor a half-width kana byte

TEST(FolderLevelEnd, StopsAtBackslashesThatDoNotFollowAColon) {
  const char path[] = "C:\\ProgramData\\HALVERON\\VELORIX 14";
  EXPECT_EQ(FolderLevelEnd(path, 0), 14u);   // C:\ProgramData: the drive root is never a level
  EXPECT_EQ(FolderLevelEnd(path, 15), 23u);  // HALVERON
  EXPECT_EQ(FolderLevelEnd(path, 24), sizeof path - 1);
}

TEST(FolderLevelEnd, LeadingBackslashGivesAnEmptyFirstLevel) {
  EXPECT_EQ(FolderLevelEnd("\\\\server\\share", 0), 0u);
  EXPECT_EQ(FolderLevelEnd("\\folder", 0), 0u);
}

TEST(FolderLevelEnd, WorksByteByByte) {
  // 表 is 0x95 0x5C: its second byte ends the level, as every 0x5C does in this scan.
  EXPECT_EQ(FolderLevelEnd("C:\\a\x95\x5C" "b", 3), 5u);
}

TEST(ParseDecimal, FollowsTheStandardConversion) {
  const struct { const char* text; std::int32_t value; } cases[] = {
      {"1", 1}, {" 12x", 12}, {"abc", 0}, {"", 0}, {"\t-7", -7}, {"+5", 5}, {"0", 0},
      {"2147483647", 2147483647}, {"99999999999", 2147483647}, {"-99999999999", INT32_MIN},
      {"- 3", 0}, {"\n 1", 1}};
  for (const auto& c : cases) EXPECT_EQ(ParseDecimal(c.text), c.value) << '"' << c.text << '"';
}

TEST(JoinPath, JoinsWithOneBackslashAndRefusesWhatDoesNotFit) {
  char out[12];
  EXPECT_EQ(JoinPath("C:\\a", "b.ini", out, sizeof out), 10u);
  EXPECT_STREQ(out, "C:\\a\\b.ini");
  EXPECT_EQ(JoinPath("C:\\a", "bcd.ini", out, sizeof out), 0u);  // 12 bytes + terminator
  EXPECT_STREQ(out, "");
  EXPECT_EQ(JoinPath("", "b", out, sizeof out), 0u);
}

}  // namespace
}  // namespace installenv
